#include "design/components/TrafficLights.h"

#include <QMouseEvent>
#include <QPainter>

namespace {

constexpr QRgb colors[3] = {0xFF5F57, 0xFEBC2E, 0x28C840};
constexpr qreal dot = 12;
constexpr qreal spacing = 8;

} // namespace

TrafficLights::TrafficLights(QWidget* parent)
    : QWidget(parent)
{
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

QRectF TrafficLights::dotRect(int index) const
{
    return QRectF(index * (dot + spacing), (height() - dot) / 2, dot, dot);
}

void TrafficLights::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < 3; ++i) {
        painter.setBrush(QColor::fromRgb(colors[i]));
        painter.drawEllipse(dotRect(i));
    }
}

void TrafficLights::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const QPointF at = event->position();
    // Each dot answers within its half of the gaps around it.
    for (int i = 0; i < 3; ++i) {
        if (!dotRect(i).adjusted(-spacing / 2, -spacing / 2, spacing / 2, spacing / 2).contains(at))
            continue;
        if (i == 0)
            Q_EMIT closeClicked();
        else if (i == 1)
            Q_EMIT minimizeClicked();
        else
            Q_EMIT zoomClicked();
        return;
    }
}
