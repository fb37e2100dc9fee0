#pragma once

#include "design/ColorToken.h"
#include "design/Elevation.h"
#include "design/Palette.h"

#include <QWidget>

// A card: a rounded rectangle of surfaceCard with a 1-point border inside its
// edge; its content goes into a layout set on it. The shadow reaches past the
// card, where the card cannot paint: a CardHost around it paints it.
class CardFrame : public QWidget {
    Q_OBJECT

public:
    explicit CardFrame(qreal radius = 20, Elevation elevation = Elevation::Xs,
                       const ColorToken& border = Palette::borderDefault, QWidget* parent = nullptr);

    qreal radius() const { return m_radius; }
    Elevation elevation() const { return m_elevation; }

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    qreal m_radius;
    Elevation m_elevation;
    ColorToken m_border;
};
