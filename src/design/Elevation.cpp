#include "design/Elevation.h"

#include "design/Theme.h"

#include <QCache>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QPaintDevice>

#include <cmath>

namespace {

QColor tinted(qreal alpha)
{
    QColor color(16, 24, 40);
    color.setAlphaF(float(alpha));
    return color;
}

QColor black(qreal alpha)
{
    QColor color(Qt::black);
    color.setAlphaF(float(alpha));
    return color;
}

// How far a layer reaches past the surface on each side.
struct Reach {
    int top = 0;
    int bottom = 0;
    int side = 0;
};

Reach reach(const QList<ShadowLayer>& layers)
{
    Reach r;
    for (const ShadowLayer& layer : layers) {
        // Three sigmas (1.5 x blur) holds all but a sliver of the Gaussian.
        const int extent = int(std::ceil(layer.blur * 1.5 + layer.spread));
        r.side = std::max(r.side, extent);
        r.top = std::max(r.top, int(std::ceil(extent - layer.y)));
        r.bottom = std::max(r.bottom, int(std::ceil(extent + layer.y)));
    }
    return r;
}

// Three box blurs approximate a Gaussian of the given sigma.
void blurAlpha(QImage& image, qreal sigma)
{
    if (sigma <= 0)
        return;
    const int radius = std::max(1, int(std::lround(sigma * std::sqrt(3.0))));
    const int w = image.width();
    const int h = image.height();
    std::vector<int> line(std::max(w, h));
    auto pass = [&](bool horizontal) {
        const int outer = horizontal ? h : w;
        const int inner = horizontal ? w : h;
        for (int o = 0; o < outer; ++o) {
            auto at = [&](int i) -> uchar& {
                return horizontal ? image.scanLine(o)[i] : image.scanLine(i)[o];
            };
            for (int i = 0; i < inner; ++i)
                line[i] = at(i);
            int sum = 0;
            const int window = 2 * radius + 1;
            for (int i = -radius; i <= radius; ++i)
                sum += (i >= 0 && i < inner) ? line[i] : 0;
            for (int i = 0; i < inner; ++i) {
                at(i) = uchar(sum / window);
                const int out = i - radius;
                const int in = i + radius + 1;
                sum += (in < inner ? line[in] : 0) - (out >= 0 ? line[out] : 0);
            }
        }
    };
    for (int k = 0; k < 3; ++k) {
        pass(true);
        pass(false);
    }
}

QImage colouredBy(const QImage& mask, const QColor& color)
{
    QImage colored(mask.size(), QImage::Format_ARGB32_Premultiplied);
    colored.fill(color);
    QPainter p(&colored);
    p.setCompositionMode(QPainter::CompositionMode_DestinationIn);
    p.drawImage(0, 0, mask);
    return colored;
}

struct Slices {
    QImage image;   // device pixels
    QMarginsF edge; // logical size of the fixed border of the nine-slice
};

// The shadow of a small surface whose middle row and column can stretch.
Slices render(Elevation level, qreal radius, bool dark, qreal dpr)
{
    const QList<ShadowLayer> layers = Shadow::layers(level, dark);
    const Reach r = reach(layers);
    qreal shrink = 0;
    for (const ShadowLayer& layer : layers)
        shrink = std::max(shrink, -layer.spread);
    // The corners must hold the rounded corner and every layer's reach.
    const qreal core = std::ceil(radius + shrink) + 2;
    const QSizeF surface(2 * core + 1, 2 * core + 1);
    const QSizeF logical(surface.width() + 2 * r.side, surface.height() + r.top + r.bottom);
    const QSize pixels((logical * dpr).toSize());

    QImage result(pixels, QImage::Format_ARGB32_Premultiplied);
    result.fill(Qt::transparent);
    for (const ShadowLayer& layer : layers) {
        QImage mask(pixels, QImage::Format_Alpha8);
        mask.fill(0);
        {
            QPainter p(&mask);
            p.setRenderHint(QPainter::Antialiasing);
            p.scale(dpr, dpr);
            const QRectF shape = QRectF(QPointF(r.side, r.top + layer.y), surface)
                                     .adjusted(-layer.spread, -layer.spread, layer.spread, layer.spread);
            const qreal rr = std::max<qreal>(0, radius + layer.spread);
            p.setPen(Qt::NoPen);
            p.setBrush(Qt::black);
            p.drawRoundedRect(shape, rr, rr);
        }
        blurAlpha(mask, layer.blur * 0.5 * dpr);
        QPainter p(&result);
        p.drawImage(0, 0, colouredBy(mask, layer.color));
    }
    result.setDevicePixelRatio(dpr);
    return {result, QMarginsF(r.side + core, r.top + core, r.side + core, r.bottom + core)};
}

QString key(Elevation level, qreal radius, bool dark, qreal dpr)
{
    return QString::number(int(level)) + u':' + QString::number(radius) + u':' + QString::number(int(dark)) + u':'
        + QString::number(dpr);
}

} // namespace

namespace Shadow {

QList<ShadowLayer> layers(Elevation level, bool dark)
{
    switch (level) {
    case Elevation::None:
        return {};
    case Elevation::Xs:
        if (dark)
            return {};
        return {{1, 2, 0, tinted(0.04)}};
    case Elevation::Sm:
        if (dark)
            return {{1, 3, 0, black(0.4)}};
        return {{1, 3, 0, tinted(0.06)}, {1, 2, 0, tinted(0.04)}};
    case Elevation::Md:
        if (dark)
            return {{6, 16, -4, black(0.5)}};
        return {{4, 12, -2, tinted(0.08)}, {2, 4, -2, tinted(0.04)}};
    case Elevation::Lg:
        return {{16, 32, -8, tinted(0.12)}, {4, 8, -4, tinted(0.04)}};
    }
    return {};
}

QMargins margins(Elevation level)
{
    const Reach light = reach(layers(level, false));
    const Reach dark = reach(layers(level, true));
    const int side = std::max(light.side, dark.side);
    return QMargins(side, std::max(light.top, dark.top), side, std::max(light.bottom, dark.bottom));
}

void paint(QPainter& painter, const QRectF& rect, qreal radius, Elevation level, bool opaqueSurface)
{
    const bool dark = Theme::instance().isDark();
    if (Shadow::layers(level, dark).isEmpty() || rect.isEmpty())
        return;
    const qreal dpr = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
    // Radii beyond half the short side draw the same shape.
    radius = std::min(radius, std::min(rect.width(), rect.height()) / 2);
    radius = std::round(radius * 2) / 2;

    static QCache<QString, Slices> cache(64);
    const QString k = key(level, radius, dark, dpr);
    Slices* slices = cache.object(k);
    if (!slices) {
        slices = new Slices(render(level, radius, dark, dpr));
        cache.insert(k, slices);
    }
    const Reach r = reach(Shadow::layers(level, dark));
    const QRectF target = rect.adjusted(-r.side, -r.top, r.side, r.bottom);
    const QImage& image = slices->image;
    const QMarginsF e = slices->edge;
    const QSizeF logical = QSizeF(image.size()) / dpr;
    // Column and row edges in the image (logical) and on the target.
    const qreal sx[4] = {0, e.left(), logical.width() - e.right(), logical.width()};
    const qreal sy[4] = {0, e.top(), logical.height() - e.bottom(), logical.height()};
    const qreal halfW = target.width() / 2;
    const qreal halfH = target.height() / 2;
    const qreal left = std::min(e.left(), halfW);
    const qreal right = std::min(e.right(), halfW);
    const qreal top = std::min(e.top(), halfH);
    const qreal bottom = std::min(e.bottom(), halfH);
    // Slice edges on whole device pixels: two slices meeting inside a pixel
    // would each cover only part of it and leave a light seam across the shadow.
    auto snap = [dpr](qreal v) { return std::round(v * dpr) / dpr; };
    const qreal tx[4] = {snap(target.left()), snap(target.left() + left), snap(target.right() - right), snap(target.right())};
    const qreal ty[4] = {snap(target.top()), snap(target.top() + top), snap(target.bottom() - bottom), snap(target.bottom())};
    for (int row = 0; row < 3; ++row) {
        for (int col = 0; col < 3; ++col) {
            const QRectF to(QPointF(tx[col], ty[row]), QPointF(tx[col + 1], ty[row + 1]));
            if (to.width() <= 0 || to.height() <= 0)
                continue;
            // The corners hold the rounded corner, so the middle is inside
            // the surface: under an opaque one, nothing of it would show.
            if (opaqueSurface && row == 1 && col == 1)
                continue;
            const QRectF from(QPointF(sx[col] * dpr, sy[row] * dpr), QPointF(sx[col + 1] * dpr, sy[row + 1] * dpr));
            painter.drawImage(to, image, from);
        }
    }
}

int blurReach(qreal sigma)
{
    return int(std::ceil(sigma * 3));
}

QImage ofShape(const QImage& shape, qreal sigma, const QColor& color)
{
    // Blurring the alpha alone and colouring it afterwards keeps every pixel
    // a valid premultiplied colour of exactly that hue.
    const int pad = blurReach(sigma);
    QImage mask(shape.width() + 2 * pad, shape.height() + 2 * pad, QImage::Format_Alpha8);
    mask.fill(0);
    {
        QImage alpha = shape.convertToFormat(QImage::Format_Alpha8);
        alpha.setDevicePixelRatio(1);
        QPainter p(&mask);
        p.drawImage(pad, pad, alpha);
    }
    blurAlpha(mask, sigma);
    QImage result = colouredBy(mask, color);
    result.setDevicePixelRatio(shape.devicePixelRatio());
    return result;
}

} // namespace Shadow
