#pragma once

#include <QWidget>

class QVariantAnimation;

// A 12-point ring with an amber quarter arc that turns once every 0.8 s
// while the program waits; still when animations are off or the desktop
// asks for reduced motion.
class WaitingSpinner final : public QWidget
{
    Q_OBJECT

public:
    static constexpr int side = 12;

    explicit WaitingSpinner(QWidget* parent = nullptr);

    bool isTurning() const;
    // The arc's turn, in degrees.
    qreal angle() const { return m_angle; }

    QSize sizeHint() const override { return QSize(side, side); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void follow();

    QVariantAnimation* m_turn;
    qreal m_angle = 0;
};
