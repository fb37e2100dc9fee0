#pragma once

#include "platform/DesktopMotion.h"

#include <optional>

class QDBusVariant;
class PortalSettings;

// Reduce motion from the settings portal. The first answer is awaited
// without blocking start-up; later changes come through SettingChanged.
class PortalMotion final : public DesktopMotion {
    Q_OBJECT

public:
    explicit PortalMotion(QObject* parent = nullptr);

    bool reduced() const override { return m_reduced; }

private:
    void ask(const QString& group, const QString& key);
    void take(const QString& group, const QString& key, const QVariant& value);
    void onSettingChanged(const QString& group, const QString& key, const QDBusVariant& value);

    PortalSettings* m_settings = nullptr;
    std::optional<bool> m_gnomeAnimations;
    std::optional<double> m_kdeFactor;
    bool m_reduced = false;
};
