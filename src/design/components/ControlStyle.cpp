#include "design/components/ControlStyle.h"

#include "design/Icon.h"

#include <QPaintDevice>
#include <QPainter>

#include <algorithm>

namespace ControlPaint {

QColor mix(const QColor& from, const QColor& to, qreal t)
{
    t = std::clamp(t, 0.0, 1.0);
    if (t <= 0)
        return from;
    if (t >= 1)
        return to;
    const qreal a = from.alphaF() + (to.alphaF() - from.alphaF()) * t;
    if (a <= 0)
        return QColor(0, 0, 0, 0);
    // Premultiplied, so fading in from clear keeps the hue of the target.
    auto channel = [&](qreal f, qreal g) { return (f * from.alphaF() + (g * to.alphaF() - f * from.alphaF()) * t) / a; };
    return QColor::fromRgbF(float(channel(from.redF(), to.redF())), float(channel(from.greenF(), to.greenF())),
                            float(channel(from.blueF(), to.blueF())), float(a));
}

QColor hot(const ColorToken& normal, const ColorToken& hot, qreal progress)
{
    return mix(normal.color(), hot.color(), progress);
}

QPainterPath rounded(const QRectF& rect, qreal radius)
{
    QPainterPath path;
    radius = std::min(radius, std::min(rect.width(), rect.height()) / 2);
    path.addRoundedRect(rect, radius, radius);
    return path;
}

void fill(QPainter& painter, const QRectF& rect, qreal radius, const QColor& color)
{
    if (color.alpha() == 0)
        return;
    painter.fillPath(rounded(rect, radius), color);
}

void innerBorder(QPainter& painter, const QRectF& rect, qreal radius, const QColor& color)
{
    if (color.alpha() == 0)
        return;
    painter.save();
    painter.setPen(QPen(color, 1.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(rounded(rect.adjusted(0.5, 0.5, -0.5, -0.5), std::max<qreal>(0, radius - 0.5)));
    painter.restore();
}

void scaleAbout(QPainter& painter, const QRectF& rect, qreal factor)
{
    if (factor == 1.0)
        return;
    const QPointF c = rect.center();
    painter.translate(c);
    painter.scale(factor, factor);
    painter.translate(-c);
}

void icon(QPainter& painter, const QString& name, const QPointF& topLeft, qreal size, const QColor& color,
          qreal strokeWidth)
{
    if (size <= 0 || name.isEmpty())
        return;
    const qreal dpr = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
    painter.drawPixmap(topLeft, Icon::pixmap(name, size, color, strokeWidth, dpr));
}

int shadowRoom(Elevation level)
{
    if (level == Elevation::None)
        return 0;
    // The blur's reach past the sides; below, the offset adds a sliver too
    // faint to see.
    return Shadow::margins(level).left();
}

QEasingCurve easeOut()
{
    QEasingCurve curve(QEasingCurve::BezierSpline);
    curve.addCubicBezierSegment(QPointF(0.0, 0.0), QPointF(0.58, 1.0), QPointF(1.0, 1.0));
    return curve;
}

} // namespace ControlPaint
