#include "FakeNotificationServer.h"

namespace {

const QString connectionName = QStringLiteral("kesto-fake-notifications");
const QString serviceName = QStringLiteral("org.freedesktop.Notifications");
const QString objectPath = QStringLiteral("/org/freedesktop/Notifications");

} // namespace

FakeNotificationServer::FakeNotificationServer()
    : m_bus(QDBusConnection::connectToBus(QDBusConnection::SessionBus, connectionName))
{
    m_registered = m_bus.registerObject(objectPath, this, QDBusConnection::ExportAllSlots | QDBusConnection::ExportAllSignals)
        && m_bus.registerService(serviceName);
}

FakeNotificationServer::~FakeNotificationServer()
{
    m_bus.unregisterService(serviceName);
    m_bus.unregisterObject(objectPath);
    QDBusConnection::disconnectFromBus(connectionName);
}

uint FakeNotificationServer::Notify(const QString& appName, uint, const QString& icon, const QString& summary,
                                    const QString& body, const QStringList& actions, const QVariantMap& hints,
                                    int timeout)
{
    notifications.append({appName, icon, summary, body, hints, timeout, actions});
    return uint(notifications.size());
}

QStringList FakeNotificationServer::GetCapabilities()
{
    return {QStringLiteral("body")};
}

void FakeNotificationServer::invokeAction(int index, const QString& key)
{
    Q_EMIT ActionInvoked(uint(index + 1), key);
}
