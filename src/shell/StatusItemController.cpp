#include "shell/StatusItemController.h"

#include "core/Log.h"
#include "engine/AudioRecorder.h"
#include "shell/StatusItem.h"
#include "shell/Updater.h"

#include <QClipboard>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QUrl>

StatusItemController::StatusItemController(const Parts& parts, QObject* parent)
    : QObject(parent)
    , m_state(parts.state)
    , m_recorder(parts.recorder)
    , m_updater(parts.updater)
    , m_openMainWindow(parts.openMainWindow)
    , m_openOnboarding(parts.openOnboarding)
{
}

StatusItemController::~StatusItemController() = default;

void StatusItemController::create()
{
    m_statusItem = std::make_unique<StatusItem>();
    m_statusItem->onChosen = [this](const StatusMenuItem& item) { perform(item); };
    refreshStatusItem();
    // The picture and the menu follow the phase, the message and the last text.
    connect(&m_state, &AppState::phaseChanged, this, [this] {
        if (m_state.phase() != m_shownPhase)
            refreshStatusItem();
    });
    connect(&m_state, &AppState::messageChanged, this, &StatusItemController::refreshStatusItem);
    connect(&m_state, &AppState::historyChanged, this, &StatusItemController::refreshStatusItem);
}

StatusMenuInput StatusItemController::statusMenuInput() const
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

void StatusItemController::refreshStatusItem()
{
    if (!m_statusItem)
        return;
    m_shownPhase = m_state.phase();
    m_statusItem->refresh(m_state.phase(), m_state.accessibilityGranted(), StatusMenu::build(statusMenuInput()));
}

void StatusItemController::perform(const StatusMenuItem& item)
{
    using Action = StatusMenuItem::Action;
    switch (item.action) {
    case Action::none:
        break;
    case Action::showMainWindow:
        m_openMainWindow(std::nullopt, std::nullopt);
        break;
    case Action::showSettings:
        m_openMainWindow(std::nullopt, m_state.settingsTab());
        break;
    case Action::showOnboarding:
        m_openOnboarding();
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
