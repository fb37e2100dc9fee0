#pragma once

#include <QDBusAbstractInterface>
#include <QDBusVariant>

// A typed proxy of the desktop's settings portal
// (org.freedesktop.portal.Settings on the session bus), so that its signal
// connects like any Qt signal.
class PortalSettings final : public QDBusAbstractInterface {
    Q_OBJECT

public:
    explicit PortalSettings(QObject* parent);

    // Read answers a variant inside a variant; later portals may answer one level.
    static QVariant unwrap(QVariant value);

Q_SIGNALS:
    void SettingChanged(const QString& group, const QString& key, const QDBusVariant& value);
};
