#pragma once

#include "design/ColorToken.h"

#include <QList>
#include <QMargins>

class QImage;
class QPainter;
class QRectF;

// The five-step shadow scale of raised surfaces.
enum class Elevation { None, Xs, Sm, Md, Lg };

// One shadow layer: offset down, blur size (the Gaussian's sigma is half of
// it), growth of the shape before blurring, and its colour.
struct ShadowLayer {
    qreal y = 0;
    qreal blur = 0;
    qreal spread = 0;
    QColor color;

    friend bool operator==(const ShadowLayer&, const ShadowLayer&) = default;
};

namespace Shadow {

// The layers of a level in drawing order, for the dark or the light theme.
QList<ShadowLayer> layers(Elevation level, bool dark);

// Room a shadow needs around its surface, the same in both themes so that a
// theme switch never moves anything. Left and right are equal.
QMargins margins(Elevation level);

// Paints the shadow of a rounded rectangle (circles and capsules are rounded
// rectangles too) around rect, for the theme in force. The blurred image is
// made once per level, radius, theme and device pixel ratio and drawn as a
// nine-slice, so any size of surface costs the same. When an opaque surface
// is painted over rect next, the middle of the nine-slice, which lies wholly
// under it, is left out.
void paint(QPainter& painter, const QRectF& rect, qreal radius, Elevation level, bool opaqueSurface = false);

// How far the shadow of a blur of sigma (in pixels) reaches past its shape.
int blurReach(qreal sigma);

// The soft shadow of any shape (a picture's own outline): the shape's alpha
// blurred by a Gaussian of sigma, in the image's pixels, and filled with
// colour. The result is larger than the shape by blurReach(sigma) on each side,
// at the shape's device pixel ratio.
QImage ofShape(const QImage& shape, qreal sigma, const QColor& color);

} // namespace Shadow
