#pragma once

#include "design/ColorToken.h"
#include "design/Elevation.h"

class QPainter;
class QRectF;

// Raised surfaces, cards and hairline dividers. A radius of half the short
// side makes a capsule or a circle. The shadow reaches past rect by
// Shadow::margins(level): leave that room inside the painting widget.
namespace Surface {

// The rounded rectangle filled with fill, its shadow behind it.
void paint(QPainter& painter, const QRectF& rect, qreal radius, const ColorToken& fill, Elevation level);

// A card: surfaceCard with its shadow and a 1-point border inside the shape.
void card(QPainter& painter, const QRectF& rect, qreal radius, Elevation level, const ColorToken& border);

// 1-point lines along the top or the bottom edge of rect.
void topBorder(QPainter& painter, const QRectF& rect, const ColorToken& color);
void bottomBorder(QPainter& painter, const QRectF& rect, const ColorToken& color);

} // namespace Surface
