#pragma once

#include "design/components/AbstractControl.h"

// The small round "More info" button beside a step's title; highlighted
// while its card is open or the pointer is over it.
class InfoButton final : public AbstractControl
{
    Q_OBJECT

public:
    static constexpr int side = 28;

    explicit InfoButton(QWidget* parent = nullptr);

    bool isOpen() const { return m_open; }
    void setOpen(bool open);
    bool isActive() const { return m_open || isHovered(); }

    QSize sizeHint() const override { return QSize(side, side); }
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    QPainterPath focusShape() const override;

private:
    bool m_open = false;
};
