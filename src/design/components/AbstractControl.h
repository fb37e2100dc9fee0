#pragma once

#include <QPainterPath>
#include <QPointer>
#include <QWidget>

class AnimatedValue;
class FocusRing;
class QPainter;

// The base of every control that paints itself: it owns the hover, pressed,
// focus and disabled state, repaints on every change of them and of the
// theme, and turns a press released inside (or Space/Return with focus) into
// clicked(). The second press of a double click counts only on the control
// the first press went to. Subclasses paint from the state in paintEvent().
class AbstractControl : public QWidget {
    Q_OBJECT

public:
    explicit AbstractControl(QWidget* parent = nullptr);
    ~AbstractControl() override;

    bool isHovered() const { return m_hovered; }
    bool isPressed() const { return m_pressed; }
    // Keyboard focus, shown as a ring; a mouse click gives no ring.
    bool hasFocusRing() const { return m_focusRing; }
    // Hover shows only while enabled.
    bool showsHover() const { return m_hovered && isEnabled(); }
    // 0..1, eased over the hover duration (instant with animations off).
    qreal hoverProgress() const;

Q_SIGNALS:
    void clicked();

protected:
    // Called after any state change, before the repaint.
    virtual void stateChanged() {}
    // Paints disabled controls at the shared reduced opacity.
    void applyDisabledOpacity(QPainter& painter) const;
    // The outline the keyboard-focus ring goes around, in this control's
    // coordinates; the whole rectangle unless a control says otherwise.
    virtual QPainterPath focusShape() const;
    // For a control that moves under a still pointer: Qt sends it no leave
    // until the pointer moves, so it would stay lit where the pointer is not.
    void dropHoverIfPointerLeft();

    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void setHovered(bool hovered);
    void setPressed(bool pressed);
    void notify();
    void updateFocusRing();

    AnimatedValue* m_hover;
    QPointer<FocusRing> m_ring;
    bool m_hovered = false;
    bool m_pressed = false;
    bool m_focusRing = false;
    bool m_ringBeforePopup = false;
    bool m_keyDown = false;
};
