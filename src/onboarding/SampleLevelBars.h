#pragma once

#include "design/LevelWave.h"
#include "platform/Clock.h"

#include <QWidget>

class QTimer;

// The live microphone level as a row of bars: breathing with the level while
// animated, one still height otherwise.
class SampleLevelBars final : public QWidget
{
    Q_OBJECT

public:
    SampleLevelBars(int count, qreal barWidth, qreal height, qreal spacing, Clock& clock, QWidget* parent = nullptr);

    double level() const { return m_level; }
    void setLevel(double level);
    bool isAnimated() const { return m_animated; }
    // Off while animations are off or motion is reduced, whatever is asked.
    void setAnimated(bool animated);

    qreal opacity() const { return m_opacity; }
    void setOpacity(qreal opacity);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void follow();

    LevelWave m_wave;
    Clock& m_clock;
    QTimer* m_frames;
    double m_level = 0;
    bool m_wanted = false;
    bool m_animated = false;
    qreal m_opacity = 1.0;
};
