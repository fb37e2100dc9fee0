#include "platform/DesktopNotifications.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QVariantMap>

namespace {

const QString service = QStringLiteral("org.freedesktop.Notifications");

} // namespace

namespace DesktopNotifications {

bool isAvailable(QString* error)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        if (error)
            *error = QStringLiteral("no session bus");
        return false;
    }
    // A server may also be started on demand by the bus.
    QDBusConnectionInterface* names = bus.interface();
    if (names->isServiceRegistered(service).value() || names->activatableServiceNames().value().contains(service))
        return true;
    if (error)
        *error = QStringLiteral("no notification server on the session bus");
    return false;
}

bool show(const QString& title, const QString& body)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return false;
    QDBusMessage notify = QDBusMessage::createMethodCall(service, QStringLiteral("/org/freedesktop/Notifications"),
                                                         service, QStringLiteral("Notify"));
    // Bodies may be read as markup by the server. The failure has a sound
    // of its own, so the notification stays silent.
    const QVariantMap hints{{QStringLiteral("suppress-sound"), true}};
    notify << QStringLiteral("Kesto Viruz") << 0u << QStringLiteral("kesto-viruz") << title << body.toHtmlEscaped() << QStringList()
           << hints << -1;
    return bus.send(notify);
}

} // namespace DesktopNotifications
