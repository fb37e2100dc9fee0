#include "settings/MicTestBars.h"

#include "design/Palette.h"
#include "design/Theme.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

MicTestBars::MicTestBars(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("micTestBars"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    connect(&Theme::instance(), &Theme::changed, this, qOverload<>(&QWidget::update));
}

void MicTestBars::setLevel(double level)
{
    if (lit(level) != lit(m_level))
        update();
    m_level = level;
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
    const int on = lit(m_level);
    const qreal spacing = 4;
    const qreal width = (this->width() - spacing * (count - 1)) / count;
    for (int i = 0; i < count; ++i) {
        const ColorToken& fill = i >= on ? Palette::surfaceSunken : (i < 20 ? Palette::green500 : Palette::amber500);
        painter.setBrush(fill.color());
        painter.drawRoundedRect(QRectF(i * (width + spacing), 0, width, height()), 3, 3);
    }
}
