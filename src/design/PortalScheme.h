#pragma once

#include <QObject>

class QDBusVariant;
class PortalSettings;

// The desktop's colour-scheme preference from the settings portal
// (org.freedesktop.appearance color-scheme: 1 means dark). Without a portal
// the preference is "not dark".
class PortalScheme final : public QObject {
    Q_OBJECT

public:
    explicit PortalScheme(QObject* parent = nullptr);

    bool prefersDark() const { return m_dark; }

Q_SIGNALS:
    void changed(bool prefersDark);

private:
    void onSettingChanged(const QString& group, const QString& key, const QDBusVariant& value);
    void set(bool dark);

    PortalSettings* m_settings = nullptr;
    bool m_dark = false;
};
