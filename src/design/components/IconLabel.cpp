#include "design/components/IconLabel.h"

#include "design/Icon.h"
#include "design/Theme.h"

#include <QPainter>

IconLabel::IconLabel(const QString& icon, int size, const ColorToken& color, qreal strokeWidth, QWidget* parent)
    : QWidget(parent)
    , m_icon(icon)
    , m_size(size)
    , m_color(color)
    , m_stroke(strokeWidth)
{
    setFixedSize(size, size);
    connect(&Theme::instance(), &Theme::changed, this, qOverload<>(&QWidget::update));
}

void IconLabel::setColor(const ColorToken& color)
{
    m_color = color;
    update();
}

void IconLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    Icon::paint(painter, m_icon, QPointF(0, 0), m_size, m_color, m_stroke);
}
