#pragma once

#include <QPainterPath>
#include <QPointer>
#include <QWidget>

#include <functional>

// The keyboard-focus ring of a control: a band of the ring colour just
// outside the control's shape. It is a sibling drawn over the control, so the
// control keeps its exact size and the ring may lie over its surroundings.
// It follows the control's place and ignores the mouse.
class FocusRing final : public QWidget {
    Q_OBJECT

public:
    static constexpr int width = 3;

    // shape: the control's outline now, in the control's own coordinates;
    // colour: the band's colour now (the ring token when not given).
    FocusRing(QWidget* control, std::function<QPainterPath()> shape, std::function<QColor()> colour = {});

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void follow();

    QPointer<QWidget> m_control;
    std::function<QPainterPath()> m_shape;
    std::function<QColor()> m_colour;
};
