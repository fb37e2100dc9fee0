#pragma once

#include <QWidget>

// The product's name as a logo: "kesto" in plain text, then the second word
// white on a blue tile. Every measure follows from the font size.
class Wordmark final : public QWidget {
    Q_OBJECT

public:
    explicit Wordmark(const QString& product, qreal size = 20, QWidget* parent = nullptr);

    QString product() const { return m_product; }
    qreal fontSize() const { return m_size; }

    // The tile of the second word, in widget coordinates.
    QRectF tileRect() const;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QFont font() const;
    qreal firstWidth() const;

    QString m_product;
    qreal m_size;
};
