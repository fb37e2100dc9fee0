#pragma once

#include <QList>
#include <QPainterPath>
#include <QPointer>
#include <QWidget>

#include <functional>

// The keyboard-focus ring of a control: a band of the ring colour just
// outside the control's shape. The control keeps its exact size; the ring
// lies over its surroundings. It is drawn by a widget of the control's
// window (or of the scrolled view the control scrolls in, which cuts off
// what is scrolled away), kept above its siblings, so no container edge
// cuts it and no neighbour paints over it. It follows the control wherever
// the control or its containers move, and ignores the mouse.
class FocusRing final : public QWidget {
    Q_OBJECT

public:
    static constexpr int width = 3;

    // shape: the control's outline now, in the control's own coordinates;
    // colour: the band's colour now (the ring token when not given).
    FocusRing(QWidget* control, std::function<QPainterPath()> shape, std::function<QColor()> colour = {});

    // Where a ring of control is drawn: the viewport of the nearest scroll
    // area it scrolls in, else its window.
    static QWidget* hostOf(const QWidget* control);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void follow();
    void watchContainers();

    QPointer<QWidget> m_control;
    std::function<QPainterPath()> m_shape;
    std::function<QColor()> m_colour;
    QList<QPointer<QWidget>> m_watched;
};
