#pragma once

#include "core/AppState.h"
#include "engine/AudioRecorder.h"
#include "engine/HotkeyMonitor.h"
#include "engine/MicLevelMeter.h"
#include "platform/AudioBackend.h"
#include "platform/Clock.h"
#include "platform/KeySource.h"
#include "platform/Permissions.h"
#include "shell/AppWindows.h"
#include "shell/DesktopTheme.h"
#include "shell/DictationController.h"
#include "shell/PhoneLinkController.h"
#include "shell/SettingsApplier.h"
#include "shell/StatusItemController.h"
#include "shell/StatusMenu.h"
#include "shell/Updater.h"
#include "shell/WindowFactory.h"

#include <QObject>
#include <QPointer>

#include <functional>
#include <memory>
#include <optional>

class HUDPanel;
class StatusItem;

// The application controller: owns every long-lived object of the run,
// starts them in order, keeps the settings file in step with AppState's
// settings, turns the talk key on once typing is allowed, and shuts
// everything down in reverse. Applying the settings, the windows and the
// tray item are parts it owns and wires. Main thread only.
class AppDelegate final : public QObject
{
    Q_OBJECT

public:
    // The desktop services the controller reaches; tests swap in fakes.
    struct Host
    {
        Clock* clock = &Clock::system();
        // Null: the sound server of this machine.
        AudioBackend* audio = nullptr;
        // Null: the desktop's own keyboard watcher.
        std::function<std::unique_ptr<KeySource>()> keySource;
        std::function<Permissions::Check()> accessibility = &Permissions::accessibility;
        std::function<Permissions::Check()> microphone = &Permissions::microphone;
        WindowFactory windows = WindowFactory::standard();
        // Null: the desktop's own sounds, front application and media,
        // typing and notification services.
        SoundPlayer* sounds = nullptr;
        FrontApplication* frontApp = nullptr;
        DictationDesktop* desktop = nullptr;
        // Starts the new process of a restart; false when it could not.
        std::function<bool()> relaunch;
        // Where updates come from; invalid: no updater.
        UpdateSource updates = Updater::builtIn();
    };

    static constexpr qint64 saveDelayMs = 250;
    static constexpr qint64 accessibilityPollMs = 2000;

    // Builds the long-lived objects (AppState loads the data files first);
    // nothing runs until start().
    AppDelegate();
    explicit AppDelegate(Host host);
    ~AppDelegate() override;

    // The start-up sequence, once the application object exists.
    void start();
    // The shutdown sequence; runs once, later calls do nothing.
    void shutdown();

    // Brings the running system in line with the settings, touching only
    // what changed since the last apply.
    void applyConfig();
    // Reads the typing permission; turns the talk key on when granted, else
    // says so and polls every 2 s until it is.
    void checkAccessibility();

    void openMainWindow(std::optional<Screen> screen = std::nullopt,
                        std::optional<SettingsTab> settings = std::nullopt);
    void openOnboarding();
    void openPermissionsAgain();
    // Stores the interface language and restarts in it; when no new process
    // can start, this one keeps running and says the language comes later.
    void chooseInterfaceLanguage(const std::optional<QString>& code);
    // A later start of the application: the wizard while it is open, else
    // the main window.
    void comeForward();

    // The tray picture for the phase and a fresh menu from the state.
    void refreshStatusItem();
    StatusMenuInput statusMenuInput() const { return m_status.statusMenuInput(); }
    void perform(const StatusMenuItem& item) { m_status.perform(item); }

    // The long-lived objects, for the parts of the controller that drive
    // dictation and the phone link.
    AppState& state() { return m_state; }
    Clock& clock() { return m_clock; }
    AudioRecorder& recorder() { return m_recorder; }
    HotkeyMonitor& hotkey() { return m_hotkey; }
    MicLevelMeter& micMeter() { return m_micMeter; }
    DictationController& dictation() { return m_dictation; }
    PhoneLinkController& phoneLink() { return m_phoneLink; }
    HUDPanel* hud() const { return m_settings.hud(); }
    // The settings as last applied; none before the first apply.
    const std::optional<Config>& applied() const { return m_settings.applied(); }

    QWidget* mainWindow() const { return m_windows.mainWindow(); }
    QWidget* onboardingWindow() const { return m_windows.onboardingWindow(); }
    QWidget* permissionsWindow() const { return m_windows.permissionsWindow(); }
    StatusItem* statusItem() const { return m_status.statusItem(); }
    bool accessibilityPolling() const { return m_permissionTimer.has_value(); }
    Updater& updater() { return m_updater; }

Q_SIGNALS:
    // The network path changed (interfaces came or went); the phone link
    // restarts its server when its addresses changed.
    void networkChanged();

private:
    void installActions();
    void subscribeToSettings();
    void saveAndApply();
    void startNetworkMonitor();
    // Tells the user about store files that could not be read at start.
    void noticeSetAsideFiles();
    // A failure the user must hear of wherever they are: without the main
    // window on screen, in the pill and as a desktop notification.
    void tellAwayFromWindow(const QString& title, const QString& detail);
    bool mainWindowOnScreen() const;
    DictationDesktop& desktop() const;
    void checkFirstRunAndPermissions();
    void pollAccessibility();
    void schedulePoll();

    Host m_host;
    Clock& m_clock;
    AppState m_state;
    AudioRecorder m_recorder;
    HotkeyMonitor m_hotkey;
    MicLevelMeter m_micMeter;
    DictationController m_dictation;
    PhoneLinkController m_phoneLink;
    Updater m_updater;
    StatusItemController m_status;
    SettingsApplier m_settings; // holds the pill
    AppWindows m_windows;
    // "auto" theme: follows the desktop once chosen (applyTheme).
    DesktopTheme m_desktopTheme;
    std::optional<Clock::TimerId> m_permissionTimer;
    std::optional<Clock::TimerId> m_saveTimer;
    bool m_shutDown = false;
};
