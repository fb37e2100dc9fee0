#include "FakeClock.h"

FakeClock::FakeClock(QDateTime start)
    : m_start(std::move(start))
{
}

QDateTime FakeClock::now() const
{
    return m_start.addMSecs(m_ms);
}

Clock::TimerId FakeClock::schedule(qint64 delayMs, QObject* context, std::function<void()> fn)
{
    const TimerId id = ++m_lastId;
    m_timers.emplace(id, Timer{m_ms + qMax<qint64>(0, delayMs), context, std::move(fn)});
    return id;
}

void FakeClock::cancel(TimerId id)
{
    m_timers.erase(id);
}

void FakeClock::advance(qint64 ms)
{
    const qint64 target = m_ms + ms;
    for (;;) {
        // The earliest due timer, first scheduled first among equals.
        auto next = m_timers.end();
        for (auto it = m_timers.begin(); it != m_timers.end(); ++it) {
            if (it->second.due <= target && (next == m_timers.end() || it->second.due < next->second.due))
                next = it;
        }
        if (next == m_timers.end())
            break;
        Timer timer = std::move(next->second);
        m_timers.erase(next);
        m_ms = timer.due;
        if (timer.context)
            timer.fn();
    }
    m_ms = target;
}

std::optional<qint64> FakeClock::nextDueIn() const
{
    std::optional<qint64> earliest;
    for (const auto& [id, timer] : m_timers) {
        if (!earliest || timer.due < *earliest)
            earliest = timer.due;
    }
    if (!earliest)
        return std::nullopt;
    return *earliest - m_ms;
}

void FakeClock::setNow(const QDateTime& now)
{
    m_start = now.addMSecs(-m_ms);
}
