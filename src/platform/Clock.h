#pragma once

#include <QDateTime>
#include <QObject>

#include <functional>

// Time as the application sees it: wall-clock dates, a monotonic counter for
// durations, and one-shot timers. Timing rules take a Clock so tests can run
// them on a fake one instead of waiting.
class Clock
{
public:
    using TimerId = quint64;

    virtual ~Clock() = default;

    virtual QDateTime now() const = 0;
    // Milliseconds on a monotonic counter; only differences mean anything.
    virtual qint64 monotonicMs() const = 0;
    // Calls fn once after delayMs on the thread of context, unless cancelled
    // or context is destroyed first. Returns an id for cancel().
    virtual TimerId schedule(qint64 delayMs, QObject* context, std::function<void()> fn) = 0;
    virtual void cancel(TimerId id) = 0;

    // The real clock, shared by the whole process.
    static Clock& system();
};
