#include "design/components/TwoStepConfirm.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

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

void TwoStepConfirm::disarmOnEscape(QWidget* scope)
{
    if (!m_escapeScope)
        qApp->installEventFilter(this);
    m_escapeScope = scope;
}

bool TwoStepConfirm::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress || !isArmed() || !m_escapeScope || !m_escapeScope->isVisible())
        return false;
    // Once per key: where it is sent first.
    QWidget* focus = QApplication::focusWidget();
    if (watched != (focus ? focus : m_escapeScope->window()))
        return false;
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() != Qt::Key_Escape || (key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return false;
    if (static_cast<QWidget*>(watched)->window() != m_escapeScope->window())
        return false;
    disarm();
    return true;
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
