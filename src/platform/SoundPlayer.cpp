#include "platform/SoundPlayer.h"

QString SoundPlayer::eventId(const QString& name)
{
    if (name == QLatin1String("Tink"))
        return QStringLiteral("message-new-instant");
    if (name == QLatin1String("Pop"))
        return QStringLiteral("complete");
    if (name == QLatin1String("Funk"))
        return QStringLiteral("dialog-warning");
    if (name == QLatin1String("Basso"))
        return QStringLiteral("dialog-error");
    return {};
}
