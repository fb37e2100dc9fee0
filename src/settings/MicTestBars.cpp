#include "settings/MicTestBars.h"

#include "design/Animation.h"
#include "design/Palette.h"
#include "design/Theme.h"
#include "design/components/ControlStyle.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

MicTestBars::MicTestBars(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("micTestBars"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    connect(&Theme::instance(), &Theme::changed, this, qOverload<>(&QWidget::update));
    for (AnimatedValue*& fill : m_fill)
        fill = new AnimatedValue(this);
}

void MicTestBars::setLevel(double level)
{
    const int before = lit(m_level);
    m_level = level;
    const int now = lit(level);
    if (now == before)
        return;
    for (int i = 0; i < count; ++i)
        m_fill[i]->animateTo(i < now ? 1.0 : 0.0, fillMs, QEasingCurve::Linear);
    update();
}

qreal MicTestBars::fill(int bar) const
{
    return m_fill.at(bar)->value();
}

int MicTestBars::lit(double level)
{
    if (!(level > 0))
        return 0;
    return int(std::lround(std::min(level, 1.0) * count));
}

void MicTestBars::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    const qreal spacing = 4;
    const qreal width = (this->width() - spacing * (count - 1)) / count;
    for (int i = 0; i < count; ++i) {
        const ColorToken& on = i < 20 ? Palette::green500 : Palette::amber500;
        painter.setBrush(ControlPaint::mix(Palette::surfaceSunken.color(), on.color(), m_fill[i]->value()));
        painter.drawRoundedRect(QRectF(i * (width + spacing), 0, width, height()), 3, 3);
    }
}
