#include "design/components/DictationProgressLabel.h"

DictationProgressLabel::DictationProgressLabel(Clock& clock, QWidget* parent)
    : QLabel(parent)
    , m_clock(clock)
{
    // Stage sentences may carry remote text (error details); never rich text.
    setTextFormat(Qt::PlainText);
}

DictationProgressLabel::~DictationProgressLabel()
{
    if (m_timer)
        m_clock.cancel(m_timer);
}

void DictationProgressLabel::setProgress(std::optional<QDateTime> started, MessageAt messageAt)
{
    m_start = started.value_or(m_clock.now());
    m_messageAt = std::move(messageAt);
    tick();
}

void DictationProgressLabel::tick()
{
    if (m_timer) {
        m_clock.cancel(m_timer);
        m_timer = 0;
    }
    if (!m_messageAt) {
        clear();
        return;
    }
    // The latest whole second after the start that is not in the future.
    const qint64 elapsedMs = qMax<qint64>(0, m_start.msecsTo(m_clock.now()));
    const qint64 seconds = elapsedMs / 1000;
    const QString sentence = m_messageAt(m_start.addSecs(seconds));
    if (sentence != text()) {
        setText(sentence);
        Q_EMIT shown(sentence);
    }
    const qint64 untilNext = (seconds + 1) * 1000 - elapsedMs;
    m_timer = m_clock.schedule(untilNext, this, [this] {
        m_timer = 0;
        tick();
    });
}
