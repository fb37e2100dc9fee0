#include "ThemePixels.h"

#include <QGuiApplication>
#include <QList>
#include <QPalette>

namespace ThemePixels {

namespace {

QList<QRgb> stockColours()
{
    // The application never changes its palette: what it holds is Qt's.
    const QPalette stock = QGuiApplication::palette();
    QList<QRgb> colours;
    for (const QPalette::ColorRole role :
         {QPalette::Window, QPalette::Button, QPalette::AlternateBase, QPalette::ToolTipBase}) {
        const QRgb rgb = stock.color(QPalette::Active, role).rgb();
        if (!colours.contains(rgb))
            colours.append(rgb);
    }
    return colours;
}

} // namespace

Patch stockPalette(const QImage& image)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    const QList<QRgb> stock = stockColours();
    // A stray pixel of text or an edge can hit a stock colour; a filled
    // area is a square of them.
    const int side = std::max(4, qRound(4 * image.devicePixelRatio()));
    auto isStock = [&](int x, int y) {
        return stock.contains(reinterpret_cast<const QRgb*>(rgb.constScanLine(y))[x] | 0xff000000);
    };
    auto square = [&](int x, int y) {
        for (int dy = 0; dy < side; ++dy) {
            for (int dx = 0; dx < side; ++dx) {
                if (!isStock(x + dx, y + dy))
                    return false;
            }
        }
        return true;
    };
    Patch patch;
    for (int y = 0; y + side <= rgb.height(); ++y) {
        for (int x = 0; x + side <= rgb.width(); ++x) {
            if (isStock(x, y) && square(x, y)) {
                ++patch.pixels;
                patch.bounds |= QRect(x, y, side, side);
            }
        }
    }
    return patch;
}

QString stockPaletteProblem(const QImage& image)
{
    const Patch patch = stockPalette(image);
    if (patch.pixels == 0)
        return {};
    const QRect b = patch.bounds;
    return QStringLiteral("Qt's stock palette fills %1 squares within %2,%3 %4x%5 (device pixels)")
        .arg(patch.pixels)
        .arg(b.x())
        .arg(b.y())
        .arg(b.width())
        .arg(b.height());
}

QColor at(const QImage& image, QPoint logical)
{
    return image.pixelColor((QPointF(logical) * image.devicePixelRatio()).toPoint());
}

bool same(const QColor& a, const QColor& b, int tolerance)
{
    return std::abs(a.red() - b.red()) <= tolerance && std::abs(a.green() - b.green()) <= tolerance
        && std::abs(a.blue() - b.blue()) <= tolerance;
}

int differing(const QImage& a, const QImage& b)
{
    if (a.size() != b.size())
        return std::max(a.width() * a.height(), b.width() * b.height());
    const QImage left = a.convertToFormat(QImage::Format_RGB32);
    const QImage right = b.convertToFormat(QImage::Format_RGB32);
    int count = 0;
    for (int y = 0; y < left.height(); ++y) {
        const auto* p = reinterpret_cast<const QRgb*>(left.constScanLine(y));
        const auto* q = reinterpret_cast<const QRgb*>(right.constScanLine(y));
        for (int x = 0; x < left.width(); ++x) {
            if (std::abs(qRed(p[x]) - qRed(q[x])) + std::abs(qGreen(p[x]) - qGreen(q[x]))
                    + std::abs(qBlue(p[x]) - qBlue(q[x])) > 24)
                ++count;
        }
    }
    return count;
}

} // namespace ThemePixels
