#include "design/components/DictationProgressLabel.h"

#include <QPainter>

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

void DictationProgressLabel::setElided(bool on)
{
    m_elided = on;
    updateGeometry();
    update();
}

QSize DictationProgressLabel::minimumSizeHint() const
{
    const QSize label = QLabel::minimumSizeHint();
    if (!m_elided)
        return label;
    const QMargins margins = contentsMargins();
    return {fontMetrics().horizontalAdvance(QStringLiteral("\u2026")) + margins.left() + margins.right(), label.height()};
}

void DictationProgressLabel::paintEvent(QPaintEvent* event)
{
    if (!m_elided) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    const QRect box = contentsRect();
    painter.setPen(palette().color(foregroundRole()));
    painter.drawText(box, int(alignment()) | Qt::TextSingleLine,
                     fontMetrics().elidedText(text(), Qt::ElideRight, box.width()));
}
