#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariantMap>

// A stand-in for the desktop's notification server: owns
// "org.freedesktop.Notifications" on the session bus (the private bus of the
// test environment) and records every notification it is sent.
class FakeNotifications final : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Notifications")

public:
    struct Notification
    {
        QString appName;
        QString summary;
        QString body;
        bool operator==(const Notification&) const = default;
    };

    explicit FakeNotifications(QObject* parent = nullptr);
    ~FakeNotifications() override;

    // Takes the bus name; false when the bus is missing or the name is taken.
    bool registerOnBus();
    const QList<Notification>& received() const { return m_received; }

public Q_SLOTS:
    uint Notify(const QString& appName, uint replacesId, const QString& appIcon, const QString& summary,
                const QString& body, const QStringList& actions, const QVariantMap& hints, int expireTimeout);
    QStringList GetCapabilities();
    void CloseNotification(uint id);
    QString GetServerInformation(QString& vendor, QString& version, QString& specVersion);

Q_SIGNALS:
    void notified();

private:
    QList<Notification> m_received;
    uint m_lastId = 0;
    bool m_registered = false;
};
