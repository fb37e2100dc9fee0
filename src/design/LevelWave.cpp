#include "design/LevelWave.h"

#include <QEasingCurve>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <vector>

double LevelSmoother::step(double target, const QDateTime& now)
{
    double dt = 0.0;
    if (m_last)
        dt = std::clamp(m_last->msecsTo(now) / 1000.0, 0.0, 0.1);
    m_last = now;
    const double tau = target > m_value ? 0.06 : 0.18;
    m_value += (target - m_value) * (1.0 - std::exp(-dt / tau));
    return m_value;
}

LevelWave::LevelWave(int count, qreal barWidth, qreal height, qreal spacing)
    : m_count(count)
    , m_barWidth(barWidth)
    , m_height(height)
    , m_spacing(spacing)
{
}

double LevelWave::target(double level)
{
    if (std::isnan(level))
        return 0.0;
    return std::clamp((level - 0.2) / 0.55, 0.0, 1.0);
}

double LevelWave::animatedFraction(int index, double timeSeconds, double smoothed)
{
    const double phase = (timeSeconds + 0.09 * index) / (0.6 + 0.14 * (index % 4));
    const double f = phase - std::trunc(phase);
    const double tri = f < 0.5 ? 2 * f : 2 - 2 * f;
    return 0.25 + 0.75 * smoothed * Easing::easeInOut(tri);
}

QSizeF LevelWave::size() const
{
    const qreal width = m_count > 0 ? m_count * m_barWidth + (m_count - 1) * m_spacing : 0.0;
    return {width, m_height + 2};
}

void LevelWave::paintAnimated(QPainter& painter, QPointF origin, const QColor& colour, double level,
                              const QDateTime& now)
{
    const double s = m_smoother.step(target(level), now);
    const double time = now.toMSecsSinceEpoch() / 1000.0;
    std::vector<double> fractions(size_t(std::max(0, m_count)));
    for (int i = 0; i < m_count; ++i)
        fractions[size_t(i)] = animatedFraction(i, time, s);
    paintBars(painter, origin, colour, fractions.data());
}

void LevelWave::paintStill(QPainter& painter, QPointF origin, const QColor& colour, double shownLevel) const
{
    std::vector<double> fractions(size_t(std::max(0, m_count)), stillFraction(shownLevel));
    paintBars(painter, origin, colour, fractions.data());
}

void LevelWave::paintBars(QPainter& painter, QPointF origin, const QColor& colour, const double* fractions) const
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    const qreal middle = origin.y() + (m_height + 2) / 2;
    for (int i = 0; i < m_count; ++i) {
        const qreal h = m_height * fractions[i];
        const QRectF bar(origin.x() + i * (m_barWidth + m_spacing), middle - h / 2, m_barWidth, h);
        painter.drawRoundedRect(bar, m_barWidth / 2, m_barWidth / 2);
    }
    painter.restore();
}

namespace PulseDot {

std::pair<double, double> ring(double timeSeconds)
{
    const double p = std::fmod(timeSeconds, 1.4) / 1.4;
    const double e = Easing::easeOut(p);
    return {1.0 + 1.2 * e, 0.55 * (1.0 - e)};
}

void paint(QPainter& painter, QPointF centre, const QColor& colour, bool animated, double timeSeconds)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    const qreal r = size / 2;
    painter.drawEllipse(centre, r, r);
    if (animated) {
        const auto [scale, opacity] = ring(timeSeconds);
        painter.setOpacity(painter.opacity() * opacity);
        painter.drawEllipse(centre, r * scale, r * scale);
    }
    painter.restore();
}

} // namespace PulseDot

namespace Elapsed {

qint64 seconds(const std::optional<QDateTime>& since, const QDateTime& now)
{
    if (!since)
        return 0;
    return std::max<qint64>(0, since->msecsTo(now) / 1000);
}

} // namespace Elapsed

namespace Easing {

namespace {

QEasingCurve bezier(qreal x1, qreal y1, qreal x2, qreal y2)
{
    QEasingCurve curve(QEasingCurve::BezierSpline);
    curve.addCubicBezierSegment(QPointF(x1, y1), QPointF(x2, y2), QPointF(1, 1));
    return curve;
}

} // namespace

double easeInOut(double x)
{
    static const QEasingCurve curve = bezier(0.42, 0, 0.58, 1);
    return curve.valueForProgress(std::clamp(x, 0.0, 1.0));
}

double easeOut(double x)
{
    static const QEasingCurve curve = bezier(0, 0, 0.58, 1);
    return curve.valueForProgress(std::clamp(x, 0.0, 1.0));
}

double pillTransition(double x)
{
    static const QEasingCurve curve = bezier(0.22, 0.61, 0.36, 1.0);
    return curve.valueForProgress(std::clamp(x, 0.0, 1.0));
}

} // namespace Easing
