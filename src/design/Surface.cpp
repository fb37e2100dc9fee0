#include "design/Surface.h"

#include "design/Palette.h"

#include <QPainter>

namespace Surface {

void paint(QPainter& painter, const QRectF& rect, qreal radius, const ColorToken& fill, Elevation level)
{
    painter.save();
    const QColor color = fill.color();
    const bool opaque = color.alpha() == 255 && painter.opacity() >= 1.0
        && painter.compositionMode() == QPainter::CompositionMode_SourceOver;
    Shadow::paint(painter, rect, radius, level, opaque);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(color);
    painter.drawRoundedRect(rect, radius, radius);
    painter.restore();
}

void card(QPainter& painter, const QRectF& rect, qreal radius, Elevation level, const ColorToken& border)
{
    paint(painter, rect, radius, Palette::surfaceCard, level);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(border.color(), 1.0));
    painter.setBrush(Qt::NoBrush);
    const qreal inner = std::max<qreal>(0, radius - 0.5);
    painter.drawRoundedRect(rect.adjusted(0.5, 0.5, -0.5, -0.5), inner, inner);
    painter.restore();
}

void topBorder(QPainter& painter, const QRectF& rect, const ColorToken& color)
{
    painter.fillRect(QRectF(rect.left(), rect.top(), rect.width(), 1.0), color.color());
}

void bottomBorder(QPainter& painter, const QRectF& rect, const ColorToken& color)
{
    painter.fillRect(QRectF(rect.left(), rect.bottom() - 1.0, rect.width(), 1.0), color.color());
}

} // namespace Surface
