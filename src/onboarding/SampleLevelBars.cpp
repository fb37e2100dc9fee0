#include "onboarding/SampleLevelBars.h"

#include "design/Animation.h"
#include "design/Palette.h"

#include <QPainter>
#include <QTimer>

#include <cmath>

SampleLevelBars::SampleLevelBars(int count, qreal barWidth, qreal height, qreal spacing, Clock& clock, QWidget* parent)
    : QWidget(parent)
    , m_wave(count, barWidth, height, spacing)
    , m_clock(clock)
    , m_frames(new QTimer(this))
{
    m_frames->setInterval(33);
    connect(m_frames, &QTimer::timeout, this, qOverload<>(&QWidget::update));
    connect(&Animation::changes(), &Animation::Switch::changed, this, &SampleLevelBars::follow);
    setFixedSize(sizeHint());
}

void SampleLevelBars::setLevel(double level)
{
    if (level == m_level)
        return;
    m_level = level;
    update();
}

void SampleLevelBars::setAnimated(bool animated)
{
    m_wanted = animated;
    follow();
}

void SampleLevelBars::follow()
{
    const bool animated = m_wanted && Animation::looping();
    if (animated == m_animated)
        return;
    m_animated = animated;
    if (animated) {
        m_wave.resetSmoother();
        m_frames->start();
    } else {
        m_frames->stop();
    }
    update();
}

void SampleLevelBars::setOpacity(qreal opacity)
{
    if (opacity == m_opacity)
        return;
    m_opacity = opacity;
    update();
}

QSize SampleLevelBars::sizeHint() const
{
    const QSizeF size = m_wave.size();
    return QSize(int(std::ceil(size.width())), int(std::ceil(size.height())));
}

void SampleLevelBars::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setOpacity(m_opacity);
    const QColor colour = Palette::brand.color();
    if (m_animated)
        m_wave.paintAnimated(painter, QPointF(0, 0), colour, m_level, m_clock.now());
    else
        m_wave.paintStill(painter, QPointF(0, 0), colour, m_level);
}
