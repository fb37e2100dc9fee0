#include "engine/Notifier.h"

#include "core/Log.h"
#include "platform/DesktopNotifications.h"

namespace Notifier {

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

} // namespace Notifier
