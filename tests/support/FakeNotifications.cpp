#include "FakeNotifications.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>

namespace {

const QString service = QStringLiteral("org.freedesktop.Notifications");
const QString path = QStringLiteral("/org/freedesktop/Notifications");

} // namespace

FakeNotifications::FakeNotifications(QObject* parent)
    : QObject(parent)
{
}

FakeNotifications::~FakeNotifications()
{
    if (!m_registered)
        return;
    QDBusConnection bus = QDBusConnection::sessionBus();
    bus.unregisterObject(path);
    bus.unregisterService(service);
}

bool FakeNotifications::registerOnBus()
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return false;
    if (!bus.registerObject(path, this, QDBusConnection::ExportAllSlots))
        return false;
    m_registered = bus.registerService(service);
    return m_registered;
}

uint FakeNotifications::Notify(const QString& appName, uint, const QString&, const QString& summary,
                               const QString& body, const QStringList&, const QVariantMap&, int)
{
    m_received.append({appName, summary, body});
    Q_EMIT notified();
    return ++m_lastId;
}

QStringList FakeNotifications::GetCapabilities()
{
    return {QStringLiteral("body")};
}

void FakeNotifications::CloseNotification(uint)
{
}

QString FakeNotifications::GetServerInformation(QString& vendor, QString& version, QString& specVersion)
{
    vendor = QStringLiteral("Kesto tests");
    version = QStringLiteral("1");
    specVersion = QStringLiteral("1.2");
    return QStringLiteral("fake-notifications");
}
