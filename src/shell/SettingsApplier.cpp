#include "shell/SettingsApplier.h"

#include "design/Theme.h"
#include "engine/AudioRecorder.h"
#include "engine/HotkeyMonitor.h"
#include "engine/MicLevelMeter.h"
#include "shell/DictationController.h"
#include "shell/HUDPanel.h"
#include "shell/PhoneLinkController.h"

#include <QPointer>

SettingsApplier::SettingsApplier(const Parts& parts, QObject* parent)
    : QObject(parent)
    , m_state(parts.state)
    , m_clock(parts.clock)
    , m_recorder(parts.recorder)
    , m_hotkey(parts.hotkey)
    , m_micMeter(parts.micMeter)
    , m_dictation(parts.dictation)
    , m_phoneLink(parts.phoneLink)
    , m_refreshStatusItem(parts.refreshStatusItem)
{
}

SettingsApplier::~SettingsApplier() = default;

void SettingsApplier::updateApplied(const std::function<void(Config&)>& change)
{
    if (m_applied)
        change(*m_applied);
}

void SettingsApplier::applyConfig()
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
        m_dictation.stopMicTest();
        m_state.actions().toggleMicTest();
    }
    m_refreshStatusItem();
}

void SettingsApplier::applyTheme(ThemeMode theme)
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

void SettingsApplier::setUpHUD()
{
    const QPointer<SettingsApplier> self(this);
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
