#include "shell/AppDelegate.h"

#include "core/InterfaceLanguage.h"
#include "core/L10n.h"
#include "core/Log.h"
#include "core/StoreFile.h"
#include "design/Onest.h"
#include "design/ToolTipLook.h"
#include "platform/FrontApplication.h"
#include "platform/SoundPlayer.h"
#include "shell/DictationDesktop.h"
#include "shell/Relaunch.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QNetworkInformation>
#include <QPointer>

namespace {

AudioBackend& backendOf(const AppDelegate::Host& host)
{
    return host.audio ? *host.audio : AudioBackend::system();
}

DictationController::Parts dictationParts(const AppDelegate::Host& host, AppState& state, AudioRecorder& recorder,
                                          HotkeyMonitor& hotkey, MicLevelMeter& meter, Clock& clock)
{
    return {state,
            recorder,
            hotkey,
            meter,
            host.sounds ? *host.sounds : SoundPlayer::system(),
            host.frontApp ? *host.frontApp : FrontApplication::system(),
            host.desktop ? *host.desktop : DictationDesktop::system(),
            clock};
}

std::unique_ptr<KeySource> keySourceOf(const AppDelegate::Host& host)
{
    return host.keySource ? host.keySource() : nullptr;
}

Updater::Host updaterHost(Clock& clock)
{
    Updater::Host host;
    host.clock = &clock;
    return host;
}

// What is missing and what the application therefore cannot do.
QString waitingMessage(const QString& reason)
{
    return reason.isEmpty() ? L10n::tr("Kesto Viruz cannot type text or watch the talk key without X11.") : reason;
}

} // namespace

AppDelegate::AppDelegate()
    : AppDelegate(Host{})
{
}

AppDelegate::AppDelegate(Host host)
    : m_host(std::move(host))
    , m_clock(*m_host.clock)
    , m_state(m_clock)
    , m_recorder(backendOf(m_host), m_clock)
    , m_hotkey(m_clock, keySourceOf(m_host))
    , m_micMeter(backendOf(m_host), m_clock)
    , m_dictation(dictationParts(m_host, m_state, m_recorder, m_hotkey, m_micMeter, m_clock))
    , m_phoneLink({m_state, m_dictation, m_clock,
                   [this](const std::function<void(Config&)>& change) { m_settings.updateApplied(change); }})
    , m_updater(m_host.updates, updaterHost(m_clock))
    , m_status({m_state, m_recorder, m_updater,
                [this](std::optional<Screen> screen, std::optional<SettingsTab> settings) {
                    openMainWindow(screen, settings);
                },
                [this] { openOnboarding(); }})
    , m_settings({m_state, m_clock, m_recorder, m_hotkey, m_micMeter, m_dictation, m_phoneLink,
                  [this] { refreshStatusItem(); }})
    , m_windows({m_state, m_host.windows, [this] { m_dictation.stopMicTest(); }, [this] { applyConfig(); },
                 [this] { refreshStatusItem(); }})
{
    connect(&m_updater, &Updater::offerChanged, this, &AppDelegate::refreshStatusItem);
    connect(this, &AppDelegate::networkChanged, &m_phoneLink, &PhoneLinkController::networkChanged);
    m_dictation.setMainWindowIsKey([this] {
        QWidget* window = m_windows.mainWindow();
        return window && window->isActiveWindow();
    });
    connect(&m_dictation, &DictationController::statusChanged, this, &AppDelegate::refreshStatusItem);
    connect(&m_state, &AppState::saveFailed, this, &AppDelegate::tellAwayFromWindow);
}

AppDelegate::~AppDelegate()
{
    if (m_permissionTimer)
        m_clock.cancel(*m_permissionTimer);
    if (m_saveTimer)
        m_clock.cancel(*m_saveTimer);
}

void AppDelegate::start()
{
    Onest::registerFaces();
    ToolTipLook::install();
    // A tray application: closing its last window does not end it.
    QApplication::setQuitOnLastWindowClosed(false);
    installActions();
    if (m_state.config().historyDays > 0) {
        m_state.updateHistory([this](History& history) { history.prune(m_state.config().historyDays, m_clock.now()); });
    }
    m_status.create();
    m_settings.setUpHUD();
    applyConfig();
    subscribeToSettings();
    const QPointer<AppDelegate> self(this);
    m_hotkey.setOnStart([self] {
        if (self)
            self->m_dictation.startRecording(QStringLiteral("mac"), Target::frontApp());
    });
    m_hotkey.setOnStop([self] {
        if (self)
            self->m_dictation.finishRecording();
    });
    m_hotkey.setOnToggle([self] {
        if (self)
            self->m_state.actions().toggleDictation(Target::frontApp());
    });
    m_hotkey.setOnCancel([self] {
        if (self)
            self->m_state.actions().cancelDictation();
    });
    connect(&m_recorder, &AudioRecorder::failed, &m_dictation, &DictationController::recordingFailed);
    startNetworkMonitor();
    noticeSetAsideFiles();
    checkFirstRunAndPermissions();
    // The user hears of a damaged file even when no window would open.
    if (m_windows.hasNotice() && !m_windows.onboardingWindow())
        openMainWindow();
}

void AppDelegate::noticeSetAsideFiles()
{
    QStringList details;
    const QString folder = QDir::toNativeSeparators(Config::directory());
    for (const StoreFile::SetAside& file : StoreFile::takeSetAside()) {
        details << (file.keptAs.isEmpty()
                        ? L10n::tr("%1 could not be read and was left as it is; changes to it are not saved.")
                              .arg(file.name)
                        : L10n::tr("%1 could not be read; it was kept as %2 in %3.").arg(file.name, file.keptAs, folder));
        const Config& config = m_state.config();
        const bool tookBack = !config.apiKey.isEmpty() || !config.vocabulary.isEmpty() || !config.snippets.isEmpty();
        if (file.name == QFileInfo(Config::filePath()).fileName() && !file.keptAs.isEmpty() && tookBack)
            details << L10n::tr("The API key, words and snippets it held were taken back from it.");
    }
    if (details.isEmpty())
        return;
    const QString title = L10n::tr("Some data could not be read");
    m_windows.setNotice(title, details.join(QLatin1Char(' ')));
    // The first-run wizard opens instead of the main window when the
    // settings were lost: the notice goes to the desktop.
    if (!m_state.config().onboardingDone)
        desktop().notify(title, details.join(QLatin1Char(' ')));
}

void AppDelegate::tellAwayFromWindow(const QString& title, const QString& detail)
{
    if (mainWindowOnScreen())
        return;
    // The pill does not break into a dictation under way.
    const Phase phase = m_state.phase();
    if (phase != Phase::recording && phase != Phase::working)
        m_dictation.fail(title);
    desktop().notify(title, detail);
}

bool AppDelegate::mainWindowOnScreen() const
{
    const QWidget* window = m_windows.mainWindow();
    return window && window->isVisible() && !window->isMinimized();
}

DictationDesktop& AppDelegate::desktop() const
{
    return m_host.desktop ? *m_host.desktop : DictationDesktop::system();
}

// The actions the controller answers itself; dictation and the phone link
// add theirs to the same table.
void AppDelegate::installActions()
{
    const QPointer<AppDelegate> self(this);
    AppActions actions;
    actions.toggleDictation = [self](const Target& target) {
        if (self)
            self->m_dictation.toggleRecording(target);
    };
    actions.cancelDictation = [self] {
        if (self)
            self->m_dictation.cancelRecording();
    };
    actions.retry = [self](const QUuid& id) {
        if (self)
            self->m_dictation.retry(id);
    };
    actions.insert = [self](const QString& text) {
        if (self)
            self->m_dictation.insert(text);
    };
    actions.checkKey = [self] {
        if (self)
            self->m_dictation.checkKey();
    };
    actions.listModels = [self](const Config& config, const std::function<void(const ModelList&)>& done) {
        if (self)
            self->m_dictation.listModels(config, done);
    };
    actions.toggleMicTest = [self] {
        if (self)
            self->m_dictation.toggleMicTest();
    };
    actions.newPhoneCode = [self] {
        if (self)
            self->m_phoneLink.newPhoneCode();
    };
    actions.openOnboarding = [self] {
        if (self)
            self->openOnboarding();
    };
    actions.microphones = [self] {
        QList<Microphone> list;
        if (self) {
            for (const AudioRecorder::Input& input : self->m_recorder.inputs())
                list.append({input.id, input.name});
        }
        return list;
    };
    actions.chooseInterfaceLanguage = [self](const std::optional<QString>& code) {
        if (self)
            self->chooseInterfaceLanguage(code);
    };
    m_state.setActions(std::move(actions));
}

void AppDelegate::subscribeToSettings()
{
    // Every change restarts the wait, so a burst of changes (a drag of the
    // pill, typing in a field) costs one write and one apply.
    connect(&m_state, &AppState::configChanged, this, [this] {
        if (m_saveTimer)
            m_clock.cancel(*m_saveTimer);
        m_saveTimer = m_clock.schedule(saveDelayMs, this, [this] {
            m_saveTimer.reset();
            saveAndApply();
        });
    });
}

void AppDelegate::saveAndApply()
{
    m_state.config().save();
    applyConfig();
}

void AppDelegate::startNetworkMonitor()
{
    // Without NetworkManager there is no backend: the network then counts as
    // always there and never changes.
    if (!QNetworkInformation::loadBackendByFeatures(QNetworkInformation::Feature::Reachability)) {
        Log::write(QStringLiteral("network monitor unavailable"));
        return;
    }
    QNetworkInformation* network = QNetworkInformation::instance();
    connect(network, &QNetworkInformation::reachabilityChanged, this, &AppDelegate::networkChanged);
    connect(network, &QNetworkInformation::transportMediumChanged, this, &AppDelegate::networkChanged);
}

void AppDelegate::checkFirstRunAndPermissions()
{
    if (!m_state.config().onboardingDone) {
        checkAccessibility();
        openOnboarding();
        return;
    }
    QStringList missing;
    if (!m_host.microphone().granted)
        missing << QStringLiteral("microphone");
    if (!m_host.accessibility().granted)
        missing << QStringLiteral("accessibility");
    checkAccessibility();
    if (m_state.config().resolvedApiKey().isEmpty()) {
        m_state.setMessage(L10n::tr("Add your Gemini API key in Settings."));
        openMainWindow(std::nullopt, SettingsTab::ai);
    }
    if (!missing.isEmpty()) {
        Log::write(QStringLiteral("permissions missing after setup: [\"") + missing.join(QStringLiteral("\", \""))
                   + QStringLiteral("\"]"));
        openPermissionsAgain();
    }
}

void AppDelegate::checkAccessibility()
{
    const Permissions::Check check = m_host.accessibility();
    m_state.setAccessibilityGranted(check.granted);
    Log::write(QStringLiteral("accessibility granted=") + (check.granted ? QStringLiteral("true") : QStringLiteral("false")));
    if (check.granted) {
        m_hotkey.start();
        if (m_permissionTimer) {
            m_clock.cancel(*m_permissionTimer);
            m_permissionTimer.reset();
        }
        refreshStatusItem();
        return;
    }
    m_state.setMessage(waitingMessage(check.reason));
    refreshStatusItem();
    if (!m_permissionTimer)
        schedulePoll();
}

void AppDelegate::schedulePoll()
{
    m_permissionTimer = m_clock.schedule(accessibilityPollMs, this, [this] {
        m_permissionTimer.reset();
        pollAccessibility();
    });
}

void AppDelegate::pollAccessibility()
{
    if (!m_host.accessibility().granted) {
        schedulePoll();
        return;
    }
    Log::write(QStringLiteral("accessibility granted while waiting"));
    m_state.setAccessibilityGranted(true);
    m_state.setMessage(QString());
    m_hotkey.start();
    refreshStatusItem();
}

void AppDelegate::shutdown()
{
    if (m_shutDown)
        return;
    m_shutDown = true;
    // Open views store their pending edits first.
    m_state.announceQuit();
    m_hotkey.stop();
    // Media paused for a recording plays again; a recording still running
    // is kept in History, as a cancelled one is.
    m_dictation.shutDown();
    m_phoneLink.stop();
    if (m_saveTimer) {
        m_clock.cancel(*m_saveTimer);
        m_saveTimer.reset();
    }
    m_state.config().save();
    Log::write(QStringLiteral("terminated"));
    Log::flush();
}

void AppDelegate::chooseInterfaceLanguage(const std::optional<QString>& code)
{
    const InterfaceLanguage::Outcome outcome = InterfaceLanguage::choose(code, [this] {
        const bool started = m_host.relaunch ? m_host.relaunch() : Relaunch::start(QCoreApplication::applicationFilePath());
        if (started) {
            Log::write(QStringLiteral("relaunching for the interface language"));
            QMetaObject::invokeMethod(qApp, &QCoreApplication::quit, Qt::QueuedConnection);
            return;
        }
        Log::write(QStringLiteral("relaunch failed; the interface language applies at the next start"));
        m_state.showToast(L10n::tr("The language changes at the next start"),
                          L10n::tr("Kesto Viruz could not restart by itself."), ToastTone::warning);
    });
    if (outcome == InterfaceLanguage::Outcome::notStored) {
        const QString path = InterfaceLanguage::settingsPath();
        Log::write(QStringLiteral("interface language not stored: cannot write ") + path);
        m_state.showToast(L10n::tr("The language was not changed"),
                          L10n::tr("Kesto Viruz cannot write to %1.").arg(QDir::toNativeSeparators(path)),
                          ToastTone::danger);
    }
}

void AppDelegate::comeForward()
{
    Log::write(QStringLiteral("asked to come forward by a later start"));
    if (m_windows.onboardingWindow())
        openOnboarding();
    else
        openMainWindow();
}

// The operations the parts carry out.

void AppDelegate::applyConfig()
{
    m_settings.applyConfig();
}

void AppDelegate::openMainWindow(std::optional<Screen> screen, std::optional<SettingsTab> settings)
{
    m_windows.openMainWindow(screen, settings);
}

void AppDelegate::openOnboarding()
{
    m_windows.openOnboarding();
}

void AppDelegate::openPermissionsAgain()
{
    m_windows.openPermissionsAgain();
}

void AppDelegate::refreshStatusItem()
{
    m_status.refreshStatusItem();
}
