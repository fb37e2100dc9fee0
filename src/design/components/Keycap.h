#pragma once

#include "design/ColorToken.h"

#include <QWidget>

struct KeycapStyle {
    int captionSize = 13;
    int padding = 10;
    int minWidth = 32;
    int height = 30;
    int radius = 8;
    int edge = 2;
    ColorToken text{};
    ColorToken face{};
    ColorToken outline{};
    ColorToken lowerEdge{};

    static KeycapStyle of(bool large, bool active);
    friend bool operator==(const KeycapStyle&, const KeycapStyle&) = default;
};

// One key of a shortcut, its label shown verbatim, with a 2-point lower edge
// below the face. The widget is the face plus that edge.
class Keycap final : public QWidget {
    Q_OBJECT

public:
    explicit Keycap(const QString& label = {}, bool large = false, bool active = false, QWidget* parent = nullptr);

    QString label() const { return m_label; }
    void setLabel(const QString& label);
    bool isLarge() const { return m_large; }
    void setLarge(bool large);
    bool isActive() const { return m_active; }
    void setActive(bool active);

    QRectF faceRect() const;
    const KeycapStyle& keycapStyle() const { return m_style; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void restyle();

    QString m_label;
    bool m_large;
    bool m_active;
    KeycapStyle m_style;
};
