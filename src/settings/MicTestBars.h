#pragma once

#include <QWidget>

#include <array>

class AnimatedValue;

// The microphone test's meter: 24 bars, lit from the left by the level; the
// last four light amber. A bar that goes on or off fades its fill linearly
// over 0.1 s (at once when animations are off); a level change that lights
// the same number of bars changes nothing.
class MicTestBars final : public QWidget
{
    Q_OBJECT

public:
    static constexpr int count = 24;
    static constexpr int fillMs = 100;

    explicit MicTestBars(QWidget* parent = nullptr);

    double level() const { return m_level; }
    void setLevel(double level);
    // Bars lit for a level: clamped to 0..1, times 24, rounded half up.
    static int lit(double level);
    // How far bar i has filled with its lit colour now: 0 (unlit) to 1.
    qreal fill(int bar) const;

    QSize sizeHint() const override { return QSize(count * 12, 22); }
    QSize minimumSizeHint() const override { return QSize(count * 6, 22); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    double m_level = 0;
    std::array<AnimatedValue*, count> m_fill{};
};
