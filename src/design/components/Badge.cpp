#include "design/components/Badge.h"

#include "design/Onest.h"
#include "design/Palette.h"
#include "design/Theme.h"
#include "design/components/ControlStyle.h"

#include <QFontMetricsF>
#include <QPainter>

#include <cmath>

BadgeStyle BadgeStyle::of(BadgeTone tone, bool small)
{
    using namespace Palette;
    BadgeStyle style;
    if (small) {
        style.height = 20;
        style.padding = 8;
        style.captionSize = 11;
    }
    switch (tone) {
    case BadgeTone::Success:
        style.text = positive, style.fill = positiveBg, style.border = positiveBorder;
        break;
    case BadgeTone::Danger:
        style.text = negative, style.fill = negativeBg, style.border = negativeBorder;
        break;
    case BadgeTone::Warning:
        style.text = warning, style.fill = warningBg, style.border = warningBorder;
        break;
    case BadgeTone::Info:
        style.text = info, style.fill = infoBg, style.border = infoBorder;
        break;
    case BadgeTone::Neutral:
        style.text = textBody, style.fill = surfaceSunken, style.border = borderDefault;
        break;
    }
    return style;
}

Badge::Badge(const QString& text, BadgeTone tone, bool small, bool dot, QWidget* parent)
    : QWidget(parent)
    , m_text(text)
    , m_tone(tone)
    , m_small(small)
    , m_dot(dot)
{
    setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Fixed);
    setAccessibleName(text);
    connect(&Theme::instance(), &Theme::changed, this, qOverload<>(&QWidget::update));
    restyle();
}

void Badge::setText(const QString& text)
{
    m_text = text;
    setAccessibleName(text);
    updateGeometry();
    update();
}

void Badge::setTone(BadgeTone tone)
{
    m_tone = tone;
    restyle();
}

void Badge::setSmall(bool small)
{
    m_small = small;
    restyle();
}

void Badge::setDot(bool dot)
{
    m_dot = dot;
    updateGeometry();
    update();
}

void Badge::restyle()
{
    m_style = BadgeStyle::of(m_tone, m_small);
    updateGeometry();
    update();
}

QFont Badge::captionFont() const
{
    return Onest::font(m_style.captionSize, QFont::Medium);
}

QSize Badge::sizeHint() const
{
    const qreal caption = std::ceil(QFontMetricsF(captionFont()).horizontalAdvance(m_text));
    const int dot = m_dot ? m_style.dot + m_style.spacing : 0;
    return QSize(int(caption) + dot + 2 * m_style.padding, m_style.height);
}

QSize Badge::minimumSizeHint() const
{
    const int dot = m_dot ? m_style.dot + m_style.spacing : 0;
    return QSize(dot + 2 * m_style.padding, m_style.height);
}

void Badge::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF box(0, (height() - m_style.height) / 2.0, width(), m_style.height);
    ControlPaint::fill(painter, box, m_style.radius, m_style.fill.color());
    ControlPaint::innerBorder(painter, box, m_style.radius, m_style.border.color());

    const QColor ink = m_style.text.color();
    const QFont font = captionFont();
    const QFontMetricsF metrics(font);
    const qreal room = box.width() - 2 * m_style.padding - (m_dot ? m_style.dot + m_style.spacing : 0);
    const QString caption = metrics.elidedText(m_text, Qt::ElideRight, std::max<qreal>(0, room) + 0.5);
    const qreal content = (m_dot ? m_style.dot + m_style.spacing : 0) + std::min(room, metrics.horizontalAdvance(caption));
    qreal x = box.left() + (box.width() - content) / 2;
    if (m_dot) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(ink);
        painter.drawEllipse(QRectF(x, box.center().y() - m_style.dot / 2.0, m_style.dot, m_style.dot));
        x += m_style.dot + m_style.spacing;
    }
    painter.setFont(font);
    painter.setPen(ink);
    painter.drawText(QPointF(x, box.center().y() - metrics.height() / 2 + metrics.ascent()), caption);
}
