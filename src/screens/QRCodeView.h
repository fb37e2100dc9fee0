#pragma once

#include "screens/QRCode.h"

#include <QWidget>

// Draws the dark modules of a code from the top-left corner over the largest
// square that fits, every edge on a device pixel so neighbouring modules
// meet without hairlines. The light ones are left to the background.
class QRCodeView final : public QWidget {
    Q_OBJECT

public:
    explicit QRCodeView(const QRCode& code, QWidget* parent = nullptr);

    const QRCode& code() const { return m_code; }
    // Where module edge i lies for a side of side points at a device pixel ratio.
    static qreal edge(int i, int modules, qreal side, qreal scale);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QRCode m_code;
};
