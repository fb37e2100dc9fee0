#include "design/components/ProgressBar.h"

#include "design/Palette.h"
#include "design/Theme.h"

#include <QPainter>
#include <QPainterPath>

ProgressBar::ProgressBar(QWidget* parent)
    : QWidget(parent)
{
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    connect(&Theme::instance(), &Theme::changed, this, qOverload<>(&QWidget::update));
}

void ProgressBar::setValue(qreal value)
{
    value = std::clamp(value, 0.0, 1.0);
    if (qFuzzyCompare(value + 1, m_value + 1))
        return;
    m_value = value;
    update();
}

void ProgressBar::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    const QRectF track(0, (height() - barHeight) / 2.0, width(), barHeight);
    const qreal radius = barHeight / 2.0;
    painter.setBrush(Palette::surfaceSunken.color());
    painter.drawRoundedRect(track, radius, radius);
    if (m_value <= 0)
        return;
    // Even a sliver shows as a whole rounded cap.
    QRectF fill = track;
    fill.setWidth(std::max<qreal>(barHeight, track.width() * m_value));
    painter.setBrush(Palette::brand.color());
    painter.drawRoundedRect(fill, radius, radius);
}
