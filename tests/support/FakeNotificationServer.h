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
        QStringList actions; // key, label, key, label...
    };

    FakeNotificationServer();
    ~FakeNotificationServer() override;

    bool isRegistered() const { return m_registered; }
    QList<Notification> notifications;
    // The user picks an action of notification number index (from 0).
    void invokeAction(int index, const QString& key);

Q_SIGNALS:
    void ActionInvoked(uint id, const QString& actionKey);

public Q_SLOTS:
    uint Notify(const QString& appName, uint replacesId, const QString& icon, const QString& summary,
                const QString& body, const QStringList& actions, const QVariantMap& hints, int timeout);
    QStringList GetCapabilities();

private:
    QDBusConnection m_bus;
    bool m_registered = false;
};
