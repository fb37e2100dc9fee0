#include "platform/Clock.h"

#include <QElapsedTimer>
#include <QHash>
#include <QPointer>
#include <QTimer>

namespace {

class SystemClock final : public Clock
{
public:
    SystemClock() { m_elapsed.start(); }

    QDateTime now() const override { return QDateTime::currentDateTime(); }
    qint64 monotonicMs() const override { return m_elapsed.elapsed(); }

    TimerId schedule(qint64 delayMs, QObject* context, std::function<void()> fn) override
    {
        auto* timer = new QTimer(context);
        timer->setSingleShot(true);
        timer->setTimerType(Qt::PreciseTimer);
        const TimerId id = ++m_lastId;
        m_timers.insert(id, timer);
        QObject::connect(timer, &QTimer::timeout, context, [this, id, timer, fn = std::move(fn)] {
            m_timers.remove(id);
            timer->deleteLater();
            fn();
        });
        QObject::connect(timer, &QObject::destroyed, [this, id] { m_timers.remove(id); });
        timer->start(int(qMax<qint64>(0, delayMs)));
        return id;
    }

    void cancel(TimerId id) override
    {
        if (QPointer<QTimer> timer = m_timers.take(id)) {
            timer->stop();
            timer->deleteLater();
        }
    }

private:
    QElapsedTimer m_elapsed;
    TimerId m_lastId = 0;
    QHash<TimerId, QPointer<QTimer>> m_timers;
};

} // namespace

Clock& Clock::system()
{
    static SystemClock clock;
    return clock;
}
