#pragma once

#include "design/Elevation.h"

#include "design/ColorToken.h"

#include <QColor>
#include <QEasingCurve>
#include <QPainterPath>
#include <QRectF>

class QPainter;
class QString;

// The size of a control: heights 32, 40 and 48 for buttons, inputs and selects.
enum class ControlSize { Sm, Md, Lg };

// Small painting helpers shared by the controls.
namespace ControlPaint {

// No colour: borders of the variants without one, so every variant lays out alike.
inline constexpr ColorToken clear = fixed(0x000000, 0.0f);

// Blends two colours by t (0: from, 1: to) without a dark fringe through clear.
QColor mix(const QColor& from, const QColor& to, qreal t);
// The colour of a token pair for a hover progress (0..1), resolved now.
QColor hot(const ColorToken& normal, const ColorToken& hot, qreal progress);

QPainterPath rounded(const QRectF& rect, qreal radius);
// Fills the rounded rectangle.
void fill(QPainter& painter, const QRectF& rect, qreal radius, const QColor& color);
// A 1-point line lying wholly inside the rounded rectangle.
void innerBorder(QPainter& painter, const QRectF& rect, qreal radius, const QColor& color);
// Scales what follows about the centre of rect (pressed controls shrink).
void scaleAbout(QPainter& painter, const QRectF& rect, qreal factor);
// A line icon of any colour (animated colours included), size x size at topLeft.
void icon(QPainter& painter, const QString& name, const QPointF& topLeft, qreal size, const QColor& color,
          qreal strokeWidth);

// Room kept on every side of a control's box for its shadow (none without
// one): as much as an input keeps for its ring, so a control and an input
// of one size stand the same height and their boxes line up.
int shadowRoom(Elevation level);

// The ease-out curve of colour changes (0, 0, 0.58, 1).
QEasingCurve easeOut();

} // namespace ControlPaint
