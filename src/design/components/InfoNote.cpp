#include "design/components/InfoNote.h"

#include "design/Icon.h"
#include "design/Palette.h"
#include "design/Theme.h"
#include "design/components/ControlStyle.h"

#include <QPainter>

#include <cmath>

InfoNoteStyle InfoNoteStyle::of(bool compact)
{
    InfoNoteStyle style;
    if (compact) {
        style.spacing = 8;
        style.paddingX = 14;
        style.paddingY = 12;
    }
    style.ink = Palette::textSecondary;
    style.fill = Palette::surfaceSubtle;
    return style;
}

InfoNote::InfoNote(const QString& icon, const QString& text, int iconSize, bool compact, QWidget* parent)
    : QWidget(parent)
    , m_icon(icon)
    , m_text(text)
    , m_iconSize(iconSize)
    , m_style(InfoNoteStyle::of(compact))
{
    QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
    setAccessibleName(text);
    connect(&Theme::instance(), &Theme::changed, this, qOverload<>(&QWidget::update));
}

void InfoNote::setText(const QString& text)
{
    m_text = text;
    setAccessibleName(text);
    updateGeometry();
    update();
}

void InfoNote::setIcon(const QString& name)
{
    m_icon = name;
    update();
}

qreal InfoNote::textWidth(int width) const
{
    return std::max<qreal>(1, width - 2 * m_style.paddingX - m_iconSize - m_style.spacing);
}

int InfoNote::heightForWidth(int width) const
{
    const qreal text = m_style.text.measure(m_text, textWidth(width)).height();
    return int(std::ceil(std::max<qreal>(text, m_iconSize + 1))) + 2 * m_style.paddingY;
}

QSize InfoNote::sizeHint() const
{
    const int width = int(std::ceil(std::min<qreal>(m_style.text.measure(m_text).width(), 480))) + 2 * m_style.paddingX
        + m_iconSize + m_style.spacing;
    return QSize(width, heightForWidth(width));
}

QSize InfoNote::minimumSizeHint() const
{
    const int width = 2 * m_style.paddingX + m_iconSize + m_style.spacing + 60;
    return QSize(width, heightForWidth(width));
}

void InfoNote::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    ControlPaint::fill(painter, rect(), m_style.radius, m_style.fill.color());
    // The icon sits on the first text line, one point down.
    const qreal line = m_style.text.lineHeight();
    const QPointF iconAt(m_style.paddingX, m_style.paddingY + 1 + std::max<qreal>(0, (line - m_iconSize) / 2 - 1));
    Icon::paint(painter, m_icon, iconAt, m_iconSize, m_style.ink, 1.75);
    const qreal left = m_style.paddingX + m_iconSize + m_style.spacing;
    const qreal width = textWidth(this->width());
    const qreal height = m_style.text.measure(m_text, width).height();
    m_style.text.draw(painter, QRectF(left, m_style.paddingY, width, height), m_text, m_style.ink);
}
