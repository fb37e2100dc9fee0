#pragma once

#include "design/ColorToken.h"
#include "design/components/AbstractControl.h"

class AnimatedValue;

struct SwitchStyle {
    int width = 40;
    int height = 24;
    int knob = 20;
    int inset = 2;
    ColorToken trackOn{};
    ColorToken trackOff{};
    ColorToken knobFill{};
    int durationMs = 180;

    static SwitchStyle standard();
    friend bool operator==(const SwitchStyle&, const SwitchStyle&) = default;
};

// The knob of a switch; the pill's and the settings' switches share it.
namespace SwitchKnob {
// A white circle with its soft shadow in rect.
void paint(QPainter& painter, const QRectF& rect, const QColor& fill);
} // namespace SwitchKnob

// An on/off switch: a capsule track whose knob slides right when on. Any
// change of the value, by click or by setChecked(), slides the knob.
class SSwitch final : public AbstractControl {
    Q_OBJECT
    Q_PROPERTY(bool checked READ isChecked WRITE setChecked NOTIFY toggled)

public:
    explicit SSwitch(bool checked = false, QWidget* parent = nullptr);

    bool isChecked() const { return m_checked; }
    void setChecked(bool checked);
    // 0 (left, off) to 1 (right, on); moves with the animation.
    qreal knobPosition() const;
    QRectF knobRect() const;

    QSize sizeHint() const override { return QSize(m_style.width, m_style.height); }
    QSize minimumSizeHint() const override { return sizeHint(); }

Q_SIGNALS:
    void toggled(bool checked);

protected:
    void paintEvent(QPaintEvent* event) override;
    QPainterPath focusShape() const override;

private:
    SwitchStyle m_style = SwitchStyle::standard();
    bool m_checked;
    AnimatedValue* m_position;
};
