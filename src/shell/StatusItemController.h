#pragma once

#include "core/AppState.h"
#include "shell/StatusMenu.h"

#include <QObject>

#include <functional>
#include <memory>
#include <optional>

class AudioRecorder;
class StatusItem;
class Updater;

// The tray item and its menu: the picture follows the phase, the menu is
// rebuilt from the state, and the chosen items are carried out. Main thread
// only.
class StatusItemController final : public QObject
{
    Q_OBJECT

public:
    struct Parts
    {
        AppState& state;
        AudioRecorder& recorder;
        Updater& updater;
        std::function<void(std::optional<Screen>, std::optional<SettingsTab>)> openMainWindow;
        std::function<void()> openOnboarding;
    };

    explicit StatusItemController(const Parts& parts, QObject* parent = nullptr);
    ~StatusItemController() override;

    // Creates the tray item once, at start-up, and keeps it in step.
    void create();
    // The tray picture for the phase and a fresh menu from the state.
    void refreshStatusItem();
    StatusMenuInput statusMenuInput() const;
    void perform(const StatusMenuItem& item);

    StatusItem* statusItem() const { return m_statusItem.get(); }

private:
    AppState& m_state;
    AudioRecorder& m_recorder;
    Updater& m_updater;
    std::function<void(std::optional<Screen>, std::optional<SettingsTab>)> m_openMainWindow;
    std::function<void()> m_openOnboarding;
    std::unique_ptr<StatusItem> m_statusItem;
    Phase m_shownPhase = Phase::idle;
};
