#include "platform/MediaPlayers.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusReply>
#include <QDBusVariant>

namespace {

const QString prefix = QStringLiteral("org.mpris.MediaPlayer2.");
const QString path = QStringLiteral("/org/mpris/MediaPlayer2");
const QString playerInterface = QStringLiteral("org.mpris.MediaPlayer2.Player");
// A player that hangs must not freeze the application.
constexpr int statusTimeoutMs = 300;

QStringList withStatus(const QString& wanted, QString* error)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        if (error)
            *error = QStringLiteral("no session bus");
        return {};
    }
    const QDBusReply<QStringList> names = bus.interface()->registeredServiceNames();
    if (!names.isValid()) {
        if (error)
            *error = QStringLiteral("the session bus does not list its names: %1").arg(names.error().message());
        return {};
    }
    QStringList result;
    for (const QString& name : names.value()) {
        if (!name.startsWith(prefix))
            continue;
        QDBusMessage get = QDBusMessage::createMethodCall(name, path, QStringLiteral("org.freedesktop.DBus.Properties"),
                                                          QStringLiteral("Get"));
        get << playerInterface << QStringLiteral("PlaybackStatus");
        const QDBusReply<QDBusVariant> status = bus.call(get, QDBus::Block, statusTimeoutMs);
        if (status.isValid() && status.value().variant().toString() == wanted)
            result << name;
    }
    return result;
}

void send(const QStringList& players, const QString& method)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    for (const QString& name : players)
        bus.asyncCall(QDBusMessage::createMethodCall(name, path, playerInterface, method));
}

} // namespace

namespace MediaPlayers {

QStringList playing(QString* error)
{
    return withStatus(QStringLiteral("Playing"), error);
}

void pause(const QStringList& players)
{
    send(players, QStringLiteral("Pause"));
}

void play(const QStringList& players)
{
    send(players, QStringLiteral("Play"));
}

} // namespace MediaPlayers
