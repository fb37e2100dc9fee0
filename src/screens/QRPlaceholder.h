#pragma once

#include <QWidget>

class QVariantAnimation;

// What the QR box shows without a code: a still QR glyph when the link is off
// or failed, else a loader turning once a second while a link is awaited.
class QRPlaceholder final : public QWidget {
    Q_OBJECT

public:
    explicit QRPlaceholder(bool still, QWidget* parent = nullptr);

    bool isStill() const { return m_still; }
    bool isSpinning() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool m_still;
    qreal m_angle = 0;
    QVariantAnimation* m_spin = nullptr;
};
