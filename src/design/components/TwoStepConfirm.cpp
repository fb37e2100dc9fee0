#include "design/components/TwoStepConfirm.h"

TwoStepConfirm::TwoStepConfirm(Clock& clock, QObject* parent)
    : QObject(parent)
    , m_clock(clock)
{
}

TwoStepConfirm::~TwoStepConfirm()
{
    if (m_timer)
        m_clock.cancel(m_timer);
}

void TwoStepConfirm::press()
{
    if (isArmed())
        confirm();
    else
        arm();
}

void TwoStepConfirm::arm()
{
    setArmedAt(m_clock.now());
}

void TwoStepConfirm::confirm()
{
    if (!m_armedAt)
        return;
    const qint64 elapsedMs = m_armedAt->msecsTo(m_clock.now());
    if (elapsedMs < ignoreWithinMs)
        return;
    setArmedAt(std::nullopt);
    if (elapsedMs < disarmAfterMs)
        Q_EMIT confirmed();
}

void TwoStepConfirm::disarm()
{
    setArmedAt(std::nullopt);
}

void TwoStepConfirm::setArmedAt(std::optional<QDateTime> at)
{
    // Every new value restarts (or ends) the count.
    if (m_timer) {
        m_clock.cancel(m_timer);
        m_timer = 0;
    }
    const bool wasArmed = isArmed();
    m_armedAt = at;
    if (m_armedAt) {
        m_timer = m_clock.schedule(disarmAfterMs, this, [this] {
            m_timer = 0;
            setArmedAt(std::nullopt);
        });
    }
    if (wasArmed != isArmed())
        Q_EMIT armedChanged(isArmed());
}
