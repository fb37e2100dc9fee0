#pragma once

#include <QWidget>

// The microphone test's meter: 24 bars, lit from the left by the level; the
// last four light amber.
class MicTestBars final : public QWidget
{
    Q_OBJECT

public:
    static constexpr int count = 24;

    explicit MicTestBars(QWidget* parent = nullptr);

    double level() const { return m_level; }
    void setLevel(double level);
    // Bars lit for a level: clamped to 0..1, times 24, rounded half up.
    static int lit(double level);

    QSize sizeHint() const override { return QSize(count * 12, 22); }
    QSize minimumSizeHint() const override { return QSize(count * 6, 22); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    double m_level = 0;
};
