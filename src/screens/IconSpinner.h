#pragma once

#include "design/ColorToken.h"

#include <QWidget>

class QVariantAnimation;

// A line icon that keeps turning clockwise, one turn a second, while shown.
class IconSpinner final : public QWidget {
    Q_OBJECT

public:
    IconSpinner(const QString& icon, int size, const ColorToken& color, QWidget* parent = nullptr);

    void setColor(const ColorToken& color);
    bool isTurning() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    QString m_icon;
    int m_size;
    ColorToken m_color;
    QVariantAnimation* m_turn;
    qreal m_angle = 0;
};
