#pragma once

#include "core/AppState.h"
#include "core/Config.h"
#include "platform/Clock.h"

#include <QObject>

#include <functional>
#include <memory>
#include <optional>

class AudioRecorder;
class DictationController;
class HotkeyMonitor;
class HUDPanel;
class MicLevelMeter;
class PhoneLinkController;

// Brings the running system in line with the settings, touching only what
// changed since the last apply: the talk key, the pill, the theme, the phone
// link, History retention, the key check, noise reduction and the
// microphone test. Also creates the pill and keeps its position in the
// settings. Main thread only.
class SettingsApplier final : public QObject
{
    Q_OBJECT

public:
    struct Parts
    {
        AppState& state;
        Clock& clock;
        AudioRecorder& recorder;
        HotkeyMonitor& hotkey;
        MicLevelMeter& micMeter;
        DictationController& dictation;
        PhoneLinkController& phoneLink;
        // Rebuilds the tray item and its menu from the state.
        std::function<void()> refreshStatusItem;
    };

    explicit SettingsApplier(const Parts& parts, QObject* parent = nullptr);
    ~SettingsApplier() override;

    void applyConfig();
    // Creates the pill once, at start-up, before the first apply.
    void setUpHUD();

    HUDPanel* hud() const { return m_hud.get(); }
    // The settings as last applied; none before the first apply.
    const std::optional<Config>& applied() const { return m_applied; }
    // The phone link stores the settings it restarted its server with, so
    // the next apply does not restart it again.
    void updateApplied(const std::function<void(Config&)>& change);

private:
    void applyTheme(ThemeMode theme);

    AppState& m_state;
    Clock& m_clock;
    AudioRecorder& m_recorder;
    HotkeyMonitor& m_hotkey;
    MicLevelMeter& m_micMeter;
    DictationController& m_dictation;
    PhoneLinkController& m_phoneLink;
    std::function<void()> m_refreshStatusItem;
    std::unique_ptr<HUDPanel> m_hud;
    std::optional<Config> m_applied;
};
