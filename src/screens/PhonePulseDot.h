#pragma once

#include "design/ColorToken.h"

#include <QWidget>

class QVariantAnimation;

// The link's status dot: an 8-point dot under a halo that grows to 2.2 times
// its size while fading out, every 1.4 s. With animations off or motion
// reduced the halo stays still over the dot. The widget leaves room around the dot for the halo.
class PhonePulseDot final : public QWidget {
    Q_OBJECT

public:
    static constexpr int dot = 8;
    static constexpr int room = 18; // the widest halo

    // pulse: false for a plain dot that never pulses.
    explicit PhonePulseDot(bool pulse = true, QWidget* parent = nullptr);

    // Changing colours keeps the running pulse.
    void setColors(const ColorToken& color, const ColorToken& ring);
    ColorToken color() const { return m_color; }
    bool isPulsing() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void follow();

    ColorToken m_color;
    ColorToken m_ring;
    qreal m_progress = 0;
    QVariantAnimation* m_pulse = nullptr;
};
