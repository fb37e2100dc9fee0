#pragma once

#include "design/ColorToken.h"

#include <QPainterPath>
#include <QPixmap>
#include <QString>
#include <QStringList>

class QPainter;
class QRectF;

// The line icons, drawn by name. An unknown name draws nothing.
namespace Icon {

// The names in the table, in table order.
QStringList names();

// The icon in its 24 x 24 design grid, parsed once per name and process.
QPainterPath base(const QString& name);
// The icon scaled by min(width, height) / 24 and anchored at the top-left
// corner of rect: a design point (x, y) lands at rect.topLeft() + scale * (x, y).
QPainterPath path(const QString& name, const QRectF& rect);

// Strokes the icon in a size x size square at topLeft, with round caps and
// joins; strokeWidth is in design units, so the line scales with the icon.
// The rendered image is cached per name, colour, size, stroke and device
// pixel ratio.
void paint(QPainter& painter, const QString& name, const QPointF& topLeft, qreal size, const ColorToken& color,
           qreal strokeWidth = 2.0);
// The same, centred in rect.
void paint(QPainter& painter, const QString& name, const QRectF& rect, qreal size, const ColorToken& color,
           qreal strokeWidth = 2.0);
// The rendered image itself, with an explicit colour (menus, tray icons).
QPixmap pixmap(const QString& name, qreal size, const QColor& color, qreal strokeWidth = 2.0, qreal dpr = 1.0);

} // namespace Icon
