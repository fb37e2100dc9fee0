#pragma once

#include <QWidget>

class AnimatedValue;

// One dot per wizard step: the current one a wide brand capsule, passed ones
// light blue, later ones grey. Only a passed dot is clickable: the dots lead
// back, never forward.
class ProgressDots final : public QWidget
{
    Q_OBJECT

public:
    explicit ProgressDots(int total, QWidget* parent = nullptr);

    int current() const { return m_current; }
    void setCurrent(int current);
    int total() const { return m_total; }
    // The click area of dot index, in widget coordinates.
    QRectF dotRect(int index) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

Q_SIGNALS:
    // A passed dot was clicked.
    void picked(int index);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    qreal dotWidth(int index) const;

    int m_total;
    int m_current = 0;
    // The current index, eased between steps.
    AnimatedValue* m_position;
};
