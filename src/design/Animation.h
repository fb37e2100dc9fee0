#pragma once

#include <QEasingCurve>
#include <QObject>

class QVariantAnimation;
class QWidget;

// One switch for every animation of the design: off, values jump straight to
// their targets. It starts off when KESTO_ANIMATIONS=off (the tests).
// Beside it, the desktop's "reduce motion": it stills what moves on its own
// (pulses, spinners, live level bars) and leaves transitions alone.
namespace Animation {

bool enabled();
void setEnabled(bool on);

bool reduceMotion();
void setReduceMotion(bool on);

// Whether motion that runs on its own may run: both switches allow it.
bool looping();

// Tells the controls that either switch changed, so that a running loop
// stops, or starts again, at once.
class Switch final : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

Q_SIGNALS:
    void changed();
};

Switch& changes();

} // namespace Animation

// One animated visual property of a control (hover 0..1, a knob position):
// animateTo() eases towards a target, setValue() jumps. The owner repaints on
// every step.
class AnimatedValue final : public QObject {
    Q_OBJECT

public:
    explicit AnimatedValue(QWidget* owner, qreal initial = 0.0);

    qreal value() const { return m_value; }
    qreal target() const { return m_target; }
    bool isRunning() const;

    void setValue(qreal value);
    void animateTo(qreal target, int durationMs, QEasingCurve curve = QEasingCurve::OutCubic);

Q_SIGNALS:
    void valueChanged(qreal value);

private:
    void apply(qreal value);

    QWidget* m_owner;
    QVariantAnimation* m_animation = nullptr;
    qreal m_value;
    qreal m_target;
};
