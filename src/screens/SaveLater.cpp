#include "screens/SaveLater.h"

#include <algorithm>
#include <utility>

SaveLater::SaveLater(Clock& clock, QObject* parent)
    : QObject(parent)
    , m_clock(clock)
{
}

SaveLater::~SaveLater()
{
    stopTimer();
}

void SaveLater::schedule(std::function<void()> action)
{
    const qint64 now = m_clock.monotonicMs();
    if (!m_pending)
        m_firstPendingMs = now;
    m_pending = std::move(action);
    stopTimer();
    const qint64 delay = std::clamp<qint64>(m_firstPendingMs + maxWaitMs - now, 0, delayMs);
    // The timer's context is this object: once it is gone the timer does nothing.
    m_timer = m_clock.schedule(delay, this, [this] {
        m_timer.reset();
        flush();
    });
}

void SaveLater::flush()
{
    stopTimer();
    const std::function<void()> action = std::exchange(m_pending, nullptr);
    if (action)
        action();
}

void SaveLater::stopTimer()
{
    if (m_timer)
        m_clock.cancel(*std::exchange(m_timer, std::nullopt));
}
