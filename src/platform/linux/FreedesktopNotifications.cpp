#include "platform/DesktopNotifications.h"
#include "platform/linux/NotificationActions.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QHash>
#include <QPointer>
#include <QVariantMap>

namespace {

const QString service = QStringLiteral("org.freedesktop.Notifications");
const QString path = QStringLiteral("/org/freedesktop/Notifications");
const QString actionKey = QStringLiteral("default");

QDBusMessage notifyMessage(const QString& title, const QString& body, const QStringList& actions)
{
    QDBusMessage notify = QDBusMessage::createMethodCall(service, path, service, QStringLiteral("Notify"));
    // Bodies may be read as markup by the server. The failure has a sound
    // of its own, so the notification stays silent.
    const QVariantMap hints{{QStringLiteral("suppress-sound"), true}};
    notify << QStringLiteral("Kesto Viruz") << 0u << QStringLiteral("kesto-viruz") << title << body.toHtmlEscaped()
           << actions << hints << -1;
    return notify;
}

} // namespace

NotificationActions& NotificationActions::instance()
{
    static NotificationActions actions;
    return actions;
}

NotificationActions::NotificationActions()
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    bus.connect(service, path, service, QStringLiteral("ActionInvoked"), this, SLOT(actionInvoked(uint, QString)));
    bus.connect(service, path, service, QStringLiteral("NotificationClosed"), this, SLOT(closed(uint, uint)));
}

void NotificationActions::add(uint id, QObject* context, std::function<void()> onAction)
{
    m_waiting.insert(id, {QPointer<QObject>(context), std::move(onAction)});
}

void NotificationActions::actionInvoked(uint id, const QString& key)
{
    if (key != actionKey)
        return;
    const Waiting waiting = m_waiting.take(id);
    if (waiting.context && waiting.onAction)
        QMetaObject::invokeMethod(waiting.context, waiting.onAction, Qt::QueuedConnection);
}

void NotificationActions::closed(uint id, uint)
{
    m_waiting.remove(id);
}

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
    return bus.send(notifyMessage(title, body, {}));
}

bool showWithAction(const QString& title, const QString& body, const QString& actionLabel, QObject* context,
                    std::function<void()> onAction)
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return false;
    NotificationActions& actions = NotificationActions::instance();
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(notifyMessage(title, body, {actionKey, actionLabel})),
                                                &actions);
    QPointer<QObject> guard(context);
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, &actions,
                     [watcher, guard, onAction = std::move(onAction)] {
                         watcher->deleteLater();
                         const QDBusPendingReply<uint> reply = *watcher;
                         if (!reply.isError() && guard)
                             NotificationActions::instance().add(reply.value(), guard, onAction);
                     });
    return true;
}

} // namespace DesktopNotifications
