#pragma once

#include <QWidget>

// The three window-control dots (close, minimize, zoom). The frameless main
// window uses them as its window buttons.
class TrafficLights final : public QWidget {
    Q_OBJECT

public:
    explicit TrafficLights(QWidget* parent = nullptr);

    QSize sizeHint() const override { return QSize(52, 12); }
    QSize minimumSizeHint() const override { return sizeHint(); }
    // The dot of index 0..2, in widget coordinates.
    QRectF dotRect(int index) const;

Q_SIGNALS:
    void closeClicked();
    void minimizeClicked();
    void zoomClicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};
