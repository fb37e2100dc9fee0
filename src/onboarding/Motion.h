#pragma once

#include <QEasingCurve>

namespace Motion {

// The wizard's settling curve, cubic (0.22, 0.61, 0.36, 1.0): quick out, soft in.
inline QEasingCurve settle()
{
    QEasingCurve curve(QEasingCurve::BezierSpline);
    curve.addCubicBezierSegment(QPointF(0.22, 0.61), QPointF(0.36, 1.0), QPointF(1.0, 1.0));
    return curve;
}

} // namespace Motion
