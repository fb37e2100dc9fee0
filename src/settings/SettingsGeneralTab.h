#pragma once

#include <QWidget>

class AppState;
struct AppActions;
class SSegmented;
class SSelect;
class SettingsSwitch;

// The General tab: theme, the three feedback switches, start at login, the
// interface language and the floating button.
class SettingsGeneralTab final : public QWidget
{
    Q_OBJECT

public:
    SettingsGeneralTab(AppState& state, const AppActions& actions, QWidget* parent = nullptr);

private:
    void refresh();
    SettingsSwitch* addSwitch(const QString& name, const QString& title, const QString& description);

    AppState& m_state;
    const AppActions& m_actions;
    SSegmented* m_theme;
    SettingsSwitch* m_sounds;
    SettingsSwitch* m_pauseMedia;
    SettingsSwitch* m_notificationsOff;
    SettingsSwitch* m_launchAtLogin;
    SSelect* m_language;
    SettingsSwitch* m_hud;
};
