#pragma once

#include "design/ColorToken.h"

#include <QWidget>

// A line icon on its own, size x size, stroked in a colour token.
class IconLabel final : public QWidget {
    Q_OBJECT

public:
    explicit IconLabel(const QString& icon, int size, const ColorToken& color, qreal strokeWidth = 2.0,
                       QWidget* parent = nullptr);

    QString icon() const { return m_icon; }
    void setColor(const ColorToken& color);

    QSize sizeHint() const override { return QSize(m_size, m_size); }
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_icon;
    int m_size;
    ColorToken m_color;
    qreal m_stroke;
};
