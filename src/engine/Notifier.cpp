#include "engine/Notifier.h"

#include "core/L10n.h"
#include "core/Log.h"
#include "platform/DesktopNotifications.h"

namespace Notifier {

bool isAllowed()
{
    return DesktopNotifications::isAvailable(nullptr);
}

void post(const QString& title, const QString& body)
{
    QString error;
    if (!DesktopNotifications::isAvailable(&error)) {
        Log::write(QStringLiteral("notification dropped: ") + error);
        return;
    }
    if (!DesktopNotifications::show(title, body))
        Log::write(QStringLiteral("notification dropped: the session bus refused it"));
}

void postTranscriptionFailed()
{
    post(L10n::tr("Not transcribed"), L10n::tr("The audio is saved. Try again from History."));
}

} // namespace Notifier
