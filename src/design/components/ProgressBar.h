#pragma once

#include <QWidget>

// A thin rounded bar that fills with the brand colour as work advances.
class ProgressBar final : public QWidget {
    Q_OBJECT

public:
    explicit ProgressBar(QWidget* parent = nullptr);

    // 0 to 1; values outside are clamped.
    qreal value() const { return m_value; }
    void setValue(qreal value);

    QSize sizeHint() const override { return QSize(240, barHeight); }
    QSize minimumSizeHint() const override { return QSize(24, barHeight); }

    static constexpr int barHeight = 6;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    qreal m_value = 0;
};
