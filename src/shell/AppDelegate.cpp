#include "shell/AppDelegate.h"

#include "core/InterfaceLanguage.h"
#include "core/L10n.h"
#include "core/Log.h"
#include "design/Onest.h"
#include "design/Theme.h"
#include "shell/HUDPanel.h"
#include "platform/FrontApplication.h"
#include "platform/SoundPlayer.h"
#include "shell/DictationDesktop.h"
#include "shell/OnboardingWindow.h"
#include "shell/Relaunch.h"
#include "shell/StatusItem.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QEvent>
#include <QMenu>
#include <QNetworkInformation>
#include <QShortcut>
#include <QUrl>
#include <QVBoxLayout>
#include <QWindowStateChangeEvent>

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

// Shows a window in front of whatever the user was in.
void bringForward(QWidget* window)
{
    if (window->isMinimized())
        window->showNormal();
    else
        window->show();
    window->raise();
    window->activateWindow();
}

Updater::Host updaterHost(Clock& clock)
{
    Updater::Host host;
    host.clock = &clock;
    return host;
}

QString waitingMessage(const QString& reason)
{
    const QString waiting = L10n::tr("Waiting for Accessibility permission.");
    return reason.isEmpty() ? waiting : waiting + QLatin1Char(' ') + reason;
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
    , m_phoneLink({m_state, m_dictation, m_clock, [this](const std::function<void(Config&)>& change) {
                       if (m_applied)
                           change(*m_applied);
                   }})
    , m_updater(m_host.updates, updaterHost(m_clock))
{
    connect(&m_updater, &Updater::offerChanged, this, &AppDelegate::refreshStatusItem);
    connect(this, &AppDelegate::networkChanged, &m_phoneLink, &PhoneLinkController::networkChanged);
    m_dictation.setMainWindowIsKey([this] { return m_mainWindow && m_mainWindow->isActiveWindow(); });
    connect(&m_dictation, &DictationController::statusChanged, this, &AppDelegate::refreshStatusItem);
}

AppDelegate::~AppDelegate()
{
    if (m_permissionTimer)
        m_clock.cancel(*m_permissionTimer);
    if (m_saveTimer)
        m_clock.cancel(*m_saveTimer);
}

QWidget* AppDelegate::onboardingWindow() const
{
    return m_onboardingWindow.get();
}

void AppDelegate::start()
{
    Onest::registerFaces();
    // A tray application: closing its last window does not end it.
    QApplication::setQuitOnLastWindowClosed(false);
    Log::write(QStringLiteral("launched, bundle=") + QCoreApplication::applicationFilePath());
    installActions();
    if (m_state.config().historyDays > 0) {
        m_state.updateHistory([this](History& history) { history.prune(m_state.config().historyDays, m_clock.now()); });
    }
    createStatusItem();
    setUpHUD();
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
    checkFirstRunAndPermissions();
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
    // is abandoned: it is kept nowhere.
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

// Settings

void AppDelegate::applyConfig()
{
    const std::optional<Config> previous = m_applied;
    m_applied = m_state.config();
    const Config& config = m_state.config();

    m_hotkey.setKind(config.hotkey);
    m_hotkey.setMode(config.hotkeyMode);
    m_hotkey.setHoldThreshold(double(config.holdThresholdMs) / 1000.0);
    if (m_hotkey.isRunning()
        && (!previous || previous->hotkey != config.hotkey || previous->hotkeyMode != config.hotkeyMode))
        m_hotkey.start();

    if (m_hud) {
        m_hud->applyLayout();
        if (config.hudVisible)
            m_hud->orderFront();
        else
            m_hud->orderOut();
    }
    applyTheme(config.theme);
    m_phoneLink.applyChanges(previous, config);

    if (previous) {
        if (previous->historyDays != config.historyDays && config.historyDays > 0) {
            const qint64 days = config.historyDays;
            m_state.updateHistory([this, days](History& history) { history.prune(days, m_clock.now()); });
        }
        if (previous->apiKey != config.apiKey) {
            m_state.setKeyStatus({});
            if (!config.apiKey.isEmpty())
                m_state.actions().checkKey();
        }
    }

    if (config.noiseReduction
        && !(previous && previous->noiseReduction && previous->inputDeviceID == config.inputDeviceID))
        m_recorder.prepareNoiseReduction(config.inputDeviceID);

    if (previous && m_micMeter.isRunning()
        && (previous->noiseReduction != config.noiseReduction || previous->inputDeviceID != config.inputDeviceID)) {
        stopMicTest();
        m_state.actions().toggleMicTest();
    }
    refreshStatusItem();
}

void AppDelegate::applyTheme(ThemeMode theme)
{
    switch (theme) {
    case ThemeMode::light:
        Theme::instance().setMode(Theme::Mode::Light);
        break;
    case ThemeMode::dark:
        Theme::instance().setMode(Theme::Mode::Dark);
        break;
    case ThemeMode::automatic:
        Theme::instance().setMode(Theme::Mode::Auto);
        break;
    }
}

void AppDelegate::setUpHUD()
{
    const QPointer<AppDelegate> self(this);
    auto onToggle = [self] {
        if (self)
            self->m_state.actions().toggleDictation(Target::frontApp());
    };
    // Submitting ends the recording; toggling a recording stops it.
    auto onSubmit = [self] {
        if (self && self->m_state.phase() == Phase::recording)
            self->m_state.actions().toggleDictation(self->m_state.target());
    };
    auto onCancel = [self] {
        if (self)
            self->m_state.actions().cancelDictation();
    };
    m_hud = std::make_unique<HUDPanel>(m_state, onToggle, onSubmit, onCancel, m_clock);
    m_dictation.setHUD(m_hud.get());
    m_hud->restorePosition(m_state.config());
    if (m_state.config().hudVisible)
        m_hud->orderFront();
    // The pill's bottom centre is its anchor; the debounce turns a drag into
    // one save.
    connect(m_hud.get(), &HUDPanel::moved, this, [this] {
        const QRect frame = m_hud->geometry();
        m_state.updateConfig([&frame](Config& config) { config.hudX = frame.x() + frame.width() / 2.0; });
        m_state.updateConfig([&frame](Config& config) { config.hudY = double(frame.y() + frame.height()); });
    });
}

// Windows

void AppDelegate::openMainWindow(std::optional<Screen> screen, std::optional<SettingsTab> settings)
{
    if (screen)
        m_state.setScreen(*screen);
    if (settings) {
        m_state.setSettingsTab(*settings);
        m_state.setSettingsOpen(true);
    }
    if (!m_mainWindow) {
        m_mainWindow.reset(m_host.windows.mainWindow(m_state));
        m_mainWindow->setAttribute(Qt::WA_DeleteOnClose, false);
        m_mainWindow->setObjectName(QStringLiteral("mainWindow"));
        watchMainWindow(m_mainWindow.get());
    }
    bringForward(m_mainWindow.get());
    // Nothing behind the settings panel keeps typing.
    if (settings) {
        if (QWidget* focus = m_mainWindow->focusWidget())
            focus->clearFocus();
    }
}

void AppDelegate::watchMainWindow(QWidget* window)
{
    window->installEventFilter(this);
    // The desktop's window commands: Ctrl+W closes, Ctrl+M minimises, Ctrl+Q quits.
    connect(new QShortcut(QKeySequence::Close, window), &QShortcut::activated, window, &QWidget::close);
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_M), window), &QShortcut::activated, window,
            &QWidget::showMinimized);
    connect(new QShortcut(QKeySequence::Quit, window), &QShortcut::activated, qApp, &QCoreApplication::quit);
}

bool AppDelegate::eventFilter(QObject* watched, QEvent* event)
{
    if (m_mainWindow && watched == m_mainWindow.get()) {
        if (event->type() == QEvent::Close) {
            stopMicTest();
            m_state.setSettingsOpen(false);
        } else if (event->type() == QEvent::WindowStateChange && m_mainWindow->isMinimized()) {
            stopMicTest();
        }
    }
    return QObject::eventFilter(watched, event);
}

void AppDelegate::stopMicTest()
{
    if (!m_micMeter.isRunning())
        return;
    m_micMeter.stop();
    m_state.setMicTestLevel(std::nullopt);
}

void AppDelegate::openOnboarding()
{
    if (m_onboardingWindow) {
        bringForward(m_onboardingWindow.get());
        return;
    }
    const QPointer<AppDelegate> self(this);
    WindowFactory::OnboardingCallbacks callbacks;
    callbacks.onSave = [self](const Config& edited) {
        if (!self)
            return;
        self->m_state.updateConfig([&edited](Config& config) { config = edited; });
        self->m_state.config().save();
        self->applyConfig();
    };
    callbacks.onFinish = [self] {
        if (self)
            self->finishOnboarding();
    };
    m_onboardingWindow = std::make_unique<OnboardingWindow>(m_host.windows.onboarding(m_state, callbacks));
    m_onboardingWindow->setObjectName(QStringLiteral("onboardingWindow"));
    bringForward(m_onboardingWindow.get());
}

void AppDelegate::chooseInterfaceLanguage(const std::optional<QString>& code)
{
    InterfaceLanguage::choose(code, [this] {
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
}

void AppDelegate::comeForward()
{
    Log::write(QStringLiteral("asked to come forward by a later start"));
    if (m_onboardingWindow)
        openOnboarding();
    else
        openMainWindow();
}

void AppDelegate::finishOnboarding()
{
    m_state.setMessage(QString());
    if (m_onboardingWindow) {
        m_onboardingWindow->close();
        // The wizard's own button may be on the stack.
        m_onboardingWindow.release()->deleteLater();
    }
    refreshStatusItem();
}

void AppDelegate::openPermissionsAgain()
{
    if (m_permissionsWindow) {
        bringForward(m_permissionsWindow.get());
        return;
    }
    const QPointer<AppDelegate> self(this);
    QWidget* content = m_host.windows.permissionsAgain(m_state, [self] {
        if (self)
            self->closePermissionsAgain();
    });
    auto* window
        = new QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    window->setObjectName(QStringLiteral("permissionsWindow"));
    window->setWindowTitle(QStringLiteral("Kesto Viruz"));
    auto* layout = new QVBoxLayout(window);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(content);
    window->adjustSize();
    WindowFactory::centre(window);
    m_permissionsWindow.reset(window);
    bringForward(window);
}

void AppDelegate::closePermissionsAgain()
{
    if (!m_permissionsWindow)
        return;
    m_permissionsWindow->close();
    m_permissionsWindow.release()->deleteLater();
}

// Status item and menus

void AppDelegate::createStatusItem()
{
    m_statusItem = std::make_unique<StatusItem>();
    m_statusItem->onChosen = [this](const StatusMenuItem& item) { perform(item); };
    refreshStatusItem();
    // The picture and the menu follow the phase, the message and the last text.
    connect(&m_state, &AppState::phaseChanged, this, [this] {
        if (m_state.phase() != m_shownPhase)
            refreshStatusItem();
    });
    connect(&m_state, &AppState::messageChanged, this, &AppDelegate::refreshStatusItem);
    connect(&m_state, &AppState::historyChanged, this, &AppDelegate::refreshStatusItem);
}

StatusMenuInput AppDelegate::statusMenuInput() const
{
    const Config& config = m_state.config();
    StatusMenuInput input;
    input.phase = m_state.phase();
    input.accessibilityGranted = m_state.accessibilityGranted();
    input.message = m_state.message();
    input.hotkey = config.hotkey;
    input.hotkeyMode = config.hotkeyMode;
    input.hudVisible = config.hudVisible;
    input.lastTranscript = m_state.lastTranscript();
    input.inputDeviceID = config.inputDeviceID;
    input.microphoneName = m_recorder.name(config.inputDeviceID);
    for (const AudioRecorder::Input& device : m_recorder.inputs())
        input.inputs.append({device.id, device.name});
    input.updaterAvailable = m_updater.hasController();
    input.updateOffer = m_updater.offeredVersion();
    return input;
}

void AppDelegate::refreshStatusItem()
{
    if (!m_statusItem)
        return;
    m_shownPhase = m_state.phase();
    m_statusItem->refresh(m_state.phase(), m_state.accessibilityGranted(), StatusMenu::build(statusMenuInput()));
}

void AppDelegate::perform(const StatusMenuItem& item)
{
    using Action = StatusMenuItem::Action;
    switch (item.action) {
    case Action::none:
        break;
    case Action::showMainWindow:
        openMainWindow();
        break;
    case Action::showSettings:
        openMainWindow(std::nullopt, m_state.settingsTab());
        break;
    case Action::showOnboarding:
        openOnboarding();
        break;
    case Action::toggleHUD:
        m_state.updateConfig([](Config& config) { config.hudVisible = !config.hudVisible; });
        break;
    case Action::copyLast:
        QGuiApplication::clipboard()->setText(m_state.lastTranscript());
        break;
    case Action::insertLast:
        m_state.actions().insert(m_state.lastTranscript());
        break;
    case Action::checkForUpdates:
        m_updater.checkForUpdates();
        break;
    case Action::showUpdate:
        m_updater.showPendingUpdate();
        break;
    case Action::openLog:
        QDesktopServices::openUrl(QUrl::fromLocalFile(Log::filePath()));
        break;
    case Action::quit:
        QCoreApplication::quit();
        break;
    case Action::pickMicrophone:
        m_state.updateConfig([&item](Config& config) { config.inputDeviceID = item.data; });
        Log::write(QStringLiteral("microphone set to ") + m_recorder.name(item.data));
        refreshStatusItem();
        break;
    }
}
