<<<<<<<< HEAD:src/settings/MeterBars.cpp
#include "settings/MeterBars.h"
========
#include "settings/MicTestBars.h"
>>>>>>>> issue-11:src/settings/MicTestBars.cpp

#include "design/Palette.h"
#include "design/Theme.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

<<<<<<<< HEAD:src/settings/MeterBars.cpp
MeterBars::MeterBars(QWidget* parent)
========
MicTestBars::MicTestBars(QWidget* parent)
>>>>>>>> issue-11:src/settings/MicTestBars.cpp
    : QWidget(parent)
{
    setObjectName(QStringLiteral("micTestBars"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    connect(&Theme::instance(), &Theme::changed, this, qOverload<>(&QWidget::update));
}

<<<<<<<< HEAD:src/settings/MeterBars.cpp
void MeterBars::setLevel(double level)
========
void MicTestBars::setLevel(double level)
>>>>>>>> issue-11:src/settings/MicTestBars.cpp
{
    if (lit(level) != lit(m_level))
        update();
    m_level = level;
}

<<<<<<<< HEAD:src/settings/MeterBars.cpp
int MeterBars::lit(double level)
========
int MicTestBars::lit(double level)
>>>>>>>> issue-11:src/settings/MicTestBars.cpp
{
    if (!(level > 0))
        return 0;
    return int(std::lround(std::min(level, 1.0) * count));
}

<<<<<<<< HEAD:src/settings/MeterBars.cpp
void MeterBars::paintEvent(QPaintEvent*)
========
void MicTestBars::paintEvent(QPaintEvent*)
>>>>>>>> issue-11:src/settings/MicTestBars.cpp
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
