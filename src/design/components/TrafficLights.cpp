#include "design/components/TrafficLights.h"

#include "core/L10n.h"
#include "design/ToolTipText.h"

#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

namespace {

constexpr QRgb colors[3] = {0xFF5F57, 0xFEBC2E, 0x28C840};
// The glyphs: a dark shade of each dot's own colour.
constexpr QRgb glyphColors[3] = {0x8C1A10, 0x8F5A00, 0x0B6516};
constexpr qreal dot = 12;
constexpr qreal spacing = 8;

} // namespace

TrafficLights::TrafficLights(QWidget* parent)
    : QWidget(parent)
{
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setAttribute(Qt::WA_Hover);
}

int TrafficLights::dotAt(const QPointF& point) const
{
    // Each dot answers within its half of the gaps around it.
    for (int i = 0; i < 3; ++i) {
        if (dotRect(i).adjusted(-spacing / 2, -spacing / 2, spacing / 2, spacing / 2).contains(point))
            return i;
    }
    return -1;
}

QString TrafficLights::commandName(int index)
{
    switch (index) {
    case 0:
        return L10n::tr("Close");
    case 1:
        return L10n::tr("Minimize");
    case 2:
        return L10n::tr("Maximize");
    default:
        return {};
    }
}

bool TrafficLights::event(QEvent* event)
{
    switch (event->type()) {
    case QEvent::HoverEnter:
    case QEvent::HoverLeave:
        m_hovered = event->type() == QEvent::HoverEnter;
        update();
        break;
    case QEvent::ToolTip: {
        auto* help = static_cast<QHelpEvent*>(event);
        const int index = dotAt(help->pos());
        if (index < 0)
            QToolTip::hideText();
        else
            QToolTip::showText(help->globalPos(), ToolTipText::plain(commandName(index)), this,
                               dotRect(index).toAlignedRect());
        return true;
    }
    default:
        break;
    }
    return QWidget::event(event);
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
    if (!m_hovered)
        return;
    QPen pen(Qt::black, 1.3, Qt::SolidLine, Qt::RoundCap);
    painter.setBrush(Qt::NoBrush);
    for (int i = 0; i < 3; ++i) {
        pen.setColor(QColor::fromRgb(glyphColors[i]));
        painter.setPen(pen);
        const QPointF c = dotRect(i).center();
        const qreal r = 2.8;
        if (i == 0) {
            painter.drawLine(c + QPointF(-r, -r), c + QPointF(r, r));
            painter.drawLine(c + QPointF(-r, r), c + QPointF(r, -r));
        } else {
            painter.drawLine(c + QPointF(-r - 0.5, 0), c + QPointF(r + 0.5, 0));
            if (i == 2)
                painter.drawLine(c + QPointF(0, -r - 0.5), c + QPointF(0, r + 0.5));
        }
    }
}

void TrafficLights::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const int index = dotAt(event->position());
    if (index == 0)
        Q_EMIT closeClicked();
    else if (index == 1)
        Q_EMIT minimizeClicked();
    else if (index == 2)
        Q_EMIT zoomClicked();
}
