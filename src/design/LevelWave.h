#pragma once

#include <QColor>
#include <QDateTime>
#include <QPointF>
#include <QSizeF>

#include <optional>

class QPainter;

// Smooths the microphone level for the bars: quick to rise, slower to fall,
// and never jumping more than 0.1 s at once after a gap between frames.
class LevelSmoother final
{
public:
    double step(double target, const QDateTime& now);
    double value() const { return m_value; }

private:
    double m_value = 0.0;
    std::optional<QDateTime> m_last;
};

// A row of bars that follows the microphone level, drawn by the pill and by
// the microphone views. Animated bars breathe with four staggered periods and
// a depth that follows the smoothed level; still bars share one height.
class LevelWave final
{
public:
    LevelWave(int count, qreal barWidth, qreal height, qreal spacing);

    // The level 0..1 mapped to the bars' depth: quiet rooms stay flat.
    static double target(double level);
    // Bar i's height as a fraction of the full height at a moment (seconds
    // since the epoch) for a smoothed depth.
    static double animatedFraction(int index, double timeSeconds, double smoothed);
    static double stillFraction(double level) { return 0.25 + 0.75 * target(level); }

    // Width from the bars; height + 2 so the row does not clip its bars.
    QSizeF size() const;

    // Draws the bars with their top-left row corner at origin. Animated
    // drawing advances the smoother to now.
    void paintAnimated(QPainter& painter, QPointF origin, const QColor& colour, double level, const QDateTime& now);
    void paintStill(QPainter& painter, QPointF origin, const QColor& colour, double shownLevel) const;

    LevelSmoother& smoother() { return m_smoother; }
    void resetSmoother() { m_smoother = LevelSmoother(); }

private:
    void paintBars(QPainter& painter, QPointF origin, const QColor& colour, const double* fractions) const;

    int m_count;
    qreal m_barWidth;
    qreal m_height;
    qreal m_spacing;
    LevelSmoother m_smoother;
};

// The red recording dot with its ring that grows and fades every 1.4 s.
namespace PulseDot {

constexpr qreal size = 10.0;
// The ring's scale and opacity at a moment (seconds since the epoch).
std::pair<double, double> ring(double timeSeconds);
void paint(QPainter& painter, QPointF centre, const QColor& colour, bool animated, double timeSeconds);

} // namespace PulseDot

// The elapsed recording time in whole seconds, counted from the start (or
// from now when the start is not known).
namespace Elapsed {

qint64 seconds(const std::optional<QDateTime>& since, const QDateTime& now);

} // namespace Elapsed

// The design's easing curves (cubic Bezier timing functions).
namespace Easing {

double easeInOut(double x);
double easeOut(double x);
double pillTransition(double x);

} // namespace Easing
