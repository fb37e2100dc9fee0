#pragma once

#include "platform/Clock.h"

#include <QPointer>

#include <map>
#include <optional>

// A clock that moves only when told: advance() fires, in time order, every
// timer that falls due, so timing rules are tested without waiting.
class FakeClock final : public Clock
{
public:
    explicit FakeClock(QDateTime start = QDateTime(QDate(2026, 3, 14), QTime(9, 30)));

    QDateTime now() const override;
    qint64 monotonicMs() const override { return m_ms; }
    TimerId schedule(qint64 delayMs, QObject* context, std::function<void()> fn) override;
    void cancel(TimerId id) override;

    void advance(qint64 ms);
    void setNow(const QDateTime& now);
    int pendingTimers() const { return int(m_timers.size()); }
    // How far ahead the earliest timer falls due; none when nothing waits.
    std::optional<qint64> nextDueIn() const;

private:
    struct Timer
    {
        qint64 due;
        QPointer<QObject> context;
        std::function<void()> fn;
    };

    QDateTime m_start;
    qint64 m_ms = 0;
    TimerId m_lastId = 0;
    std::map<TimerId, Timer> m_timers;
};
