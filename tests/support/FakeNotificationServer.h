#pragma once

#include <QDBusConnection>
#include <QList>
#include <QObject>
#include <QString>
#include <QVariantMap>

// A notification server (org.freedesktop.Notifications) on the session bus,
// answering on the main thread and recording each notification.
class FakeNotificationServer final : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")

public:
    struct Notification
    {
        QString appName;
        QString icon;
        QString summary;
        QString body;
        QVariantMap hints;
        int timeout = 0;
    };

    FakeNotificationServer();
    ~FakeNotificationServer() override;

    bool isRegistered() const { return m_registered; }
    QList<Notification> notifications;

public Q_SLOTS:
    uint Notify(const QString& appName, uint replacesId, const QString& icon, const QString& summary,
                const QString& body, const QStringList& actions, const QVariantMap& hints, int timeout);
    QStringList GetCapabilities();

private:
    QDBusConnection m_bus;
    bool m_registered = false;
};
