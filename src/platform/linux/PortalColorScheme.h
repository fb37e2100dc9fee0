#pragma once

#include "platform/DesktopColorScheme.h"

class QDBusVariant;
class PortalSettings;

// The colour scheme of the desktop's settings portal
// (org.freedesktop.portal.Settings), read once and then followed through its
// SettingChanged signal. Without a session bus or a portal it is "not dark".
class PortalColorScheme final : public DesktopColorScheme {
    Q_OBJECT

public:
    // error, when given, says why the desktop states no preference.
    explicit PortalColorScheme(QString* error = nullptr, QObject* parent = nullptr);

    bool prefersDark() const override { return m_dark; }

private:
    void onSettingChanged(const QString& group, const QString& key, const QDBusVariant& value);
    void set(bool dark);

    PortalSettings* m_settings = nullptr;
    bool m_dark = false;
};
