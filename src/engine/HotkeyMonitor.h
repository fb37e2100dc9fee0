#pragma once

#include "core/Config.h"
#include "platform/Clock.h"
#include "platform/KeySource.h"

#include <QObject>

#include <functional>
#include <memory>
#include <optional>

// The global talk key: turns presses of the chosen modifier combination into
// start, stop, cancel and toggle. In hold mode a press longer than the hold
// threshold starts and its release stops; in toggle mode a short clean tap
// toggles; Escape cancels a running dictation in both. Main thread only; the
// callbacks are called there.
class HotkeyMonitor final : public QObject
{
    Q_OBJECT

public:
    // Without a source the desktop's own is used.
    explicit HotkeyMonitor(Clock& clock = Clock::system(), std::unique_ptr<KeySource> source = nullptr,
                           QObject* parent = nullptr);
    ~HotkeyMonitor() override;

    void setOnStart(std::function<void()> callback) { m_onStart = std::move(callback); }
    void setOnStop(std::function<void()> callback) { m_onStop = std::move(callback); }
    void setOnCancel(std::function<void()> callback) { m_onCancel = std::move(callback); }
    void setOnToggle(std::function<void()> callback) { m_onToggle = std::move(callback); }

    HotkeyKind kind() const { return m_kind; }
    void setKind(HotkeyKind kind) { m_kind = kind; }
    HotkeyMode mode() const { return m_mode; }
    void setMode(HotkeyMode mode) { m_mode = mode; }
    // Seconds; used from the next press on.
    double holdThreshold() const { return m_holdThreshold; }
    void setHoldThreshold(double seconds) { m_holdThreshold = seconds; }
    // Set by the controller while a dictation records, however it started.
    bool externalRecording() const { return m_externalRecording; }
    void setExternalRecording(bool recording) { m_externalRecording = recording; }

    // Starts watching the keyboard (after stop()); a display that cannot be
    // watched is logged and leaves the monitor idle.
    void start();
    void stop();
    // Whether the keyboard is being watched.
    bool isRunning() const;

    // The key source's events.
    void handleFlags(KeySource::Modifiers flags, bool rightCommandKey);
    void handleKeyDown(bool escape);
    void handleMouseDown();

    // Whether the combination of kind is down for these flags.
    static bool isDown(HotkeyKind kind, KeySource::Modifiers flags);

private:
    void handleHoldFlags(KeySource::Modifiers flags, bool rightCommandKey);
    void handleToggleFlags(KeySource::Modifiers flags, bool rightCommandKey);
    void handleOtherKey(bool mouse, bool escape);
    bool isPress(KeySource::Modifiers flags, bool rightCommandKey) const;
    void cancelPendingStart();
    void holdReached();

    Clock& m_clock;
    std::unique_ptr<KeySource> m_source;
    std::function<void()> m_onStart;
    std::function<void()> m_onStop;
    std::function<void()> m_onCancel;
    std::function<void()> m_onToggle;
    HotkeyKind m_kind = HotkeyKind::controlFn;
    HotkeyMode m_mode = HotkeyMode::hold;
    double m_holdThreshold = 0.3;
    std::optional<HotkeyKind> m_heldKind;
    bool m_recording = false;
    std::optional<Clock::TimerId> m_pendingStart;
    std::optional<qint64> m_tapStarted;
    bool m_tapSpoiled = false;
    bool m_externalRecording = false;
};
