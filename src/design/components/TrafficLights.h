#pragma once

#include <QWidget>

// The three window-control dots (close, minimize, zoom). The frameless main
// window uses them as its window buttons: while the pointer is over the
// group, each dot shows its glyph (a cross, a bar, a plus), and each names
// its command in a tooltip.
class TrafficLights final : public QWidget {
    Q_OBJECT

public:
    explicit TrafficLights(QWidget* parent = nullptr);

    QSize sizeHint() const override { return QSize(52, 12); }
    QSize minimumSizeHint() const override { return sizeHint(); }
    // The dot of index 0..2, in widget coordinates.
    QRectF dotRect(int index) const;
    // The dot under a point, or -1.
    int dotAt(const QPointF& point) const;
    // The command of a dot, in the interface language.
    static QString commandName(int index);
    bool glyphsShown() const { return m_hovered; }

Q_SIGNALS:
    void closeClicked();
    void minimizeClicked();
    void zoomClicked();

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool m_hovered = false;
};
