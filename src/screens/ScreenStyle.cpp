#include "screens/ScreenStyle.h"

#include <QPointF>

namespace ScreenStyle {

QEasingCurve overlayCurve()
{
    QEasingCurve curve(QEasingCurve::BezierSpline);
    curve.addCubicBezierSegment(QPointF(0.22, 0.61), QPointF(0.36, 1.0), QPointF(1.0, 1.0));
    return curve;
}

} // namespace ScreenStyle
