#pragma once

#include "platform/Clock.h"

#include <QObject>

#include <functional>
#include <optional>

// The Notes screen's one-slot debouncer of note edits: the last scheduled
// action runs once, 0.6 s after it was scheduled, or at once on flush().
// Scheduling again drops the earlier action unrun (the action reads the note
// when it runs, so nothing is lost), but never past 2 s after the first
// unsaved edit, so that typing without a pause is saved as it goes.
// Releasing it drops a pending action.
class SaveLater final : public QObject
{
    Q_OBJECT

public:
    static constexpr qint64 delayMs = 600;
    static constexpr qint64 maxWaitMs = 2000;

    explicit SaveLater(Clock& clock = Clock::system(), QObject* parent = nullptr);
    ~SaveLater() override;

    void schedule(std::function<void()> action);
    // Runs the pending action now; with none it only stops the timer.
    void flush();
    bool isPending() const { return bool(m_pending); }

private:
    void stopTimer();

    Clock& m_clock;
    std::function<void()> m_pending;
    std::optional<Clock::TimerId> m_timer;
    qint64 m_firstPendingMs = 0; // monotonic time of the oldest unsaved edit
};
