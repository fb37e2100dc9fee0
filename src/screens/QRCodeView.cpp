#include "screens/QRCodeView.h"

#include "design/ColorToken.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace {

// The symbol stays dark on white in both themes, so phones read it alike.
constexpr ColorToken ink = fixed(0x111522);

} // namespace

QRCodeView::QRCodeView(const QRCode& code, QWidget* parent)
    : QWidget(parent)
    , m_code(code)
{
}

qreal QRCodeView::edge(int i, int modules, qreal side, qreal scale)
{
    return std::round(i * side / modules * scale) / scale;
}

void QRCodeView::paintEvent(QPaintEvent*)
{
    const int n = m_code.size;
    if (n <= 0)
        return;
    QPainter painter(this);
    const qreal side = std::min(width(), height());
    // The device painted on: a screen, or a picture of another pixel ratio.
    const qreal scale = painter.device()->devicePixelRatioF();
    QPainterPath path;
    path.setFillRule(Qt::WindingFill);
    for (int y = 0; y < n; ++y) {
        const qreal top = edge(y, n, side, scale);
        const qreal bottom = edge(y + 1, n, side, scale);
        for (int x = 0; x < n; ++x) {
            if (!m_code.isDark(x, y))
                continue;
            const qreal left = edge(x, n, side, scale);
            path.addRect(QRectF(left, top, edge(x + 1, n, side, scale) - left, bottom - top));
        }
    }
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillPath(path, ink.color());
}
