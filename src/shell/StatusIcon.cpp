#include "shell/StatusIcon.h"

#include "design/Icon.h"

#include <QHash>
#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <functional>

namespace {

// The figure is drawn on an 18 x 18 grid with y growing upwards.
constexpr qreal grid = 18.0;

// Counter-clockwise arc in y-up coordinates, from one angle to another.
void arc(QPainterPath& path, qreal cx, qreal cy, qreal r, qreal from, qreal to)
{
    qreal sweep = std::fmod(to - from + 360.0, 360.0);
    if (sweep == 0.0)
        sweep = 360.0;
    // QPainterPath angles run counter-clockwise on a y-down page: mirror them.
    path.arcTo(QRectF(cx - r, cy - r, 2 * r, 2 * r), -from, -sweep);
}

QPainterPath roundedRect(qreal x, qreal y, qreal w, qreal h, qreal radius)
{
    QPainterPath path;
    path.addRoundedRect(QRectF(x, y, w, h), radius, radius);
    return path;
}

void paintMascot(QPainter& p, const QRectF& target, const QColor& colour)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(target.topLeft());
    p.scale(target.width() / grid, target.height() / grid);
    // Flip to y-up, then turn the figure 22 degrees clockwise about the
    // centre and shrink it to 92 %.
    p.translate(0, grid);
    p.scale(1, -1);
    p.translate(9, 9);
    p.rotate(-22);
    p.scale(0.92, 0.92);
    p.translate(-9, -9);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);

    QPainterPath head;
    head.moveTo(6, 10);
    head.lineTo(12, 10);
    arc(head, 12, 10.8, 0.8, 270, 0);
    head.lineTo(12.8, 12.8);
    arc(head, 9, 12.8, 3.8, 0, 180);
    head.lineTo(5.2, 10.8);
    arc(head, 6, 10.8, 0.8, 180, 270);
    head.closeSubpath();
    p.drawPath(head);

    p.drawPath(roundedRect(4.8, 8, 8.4, 1.5, 0.6));

    QPainterPath body;
    body.moveTo(5.5, 8);
    body.lineTo(12.5, 8);
    body.lineTo(11.5, 2.6);
    body.lineTo(6.5, 2.6);
    body.closeSubpath();
    p.drawPath(body);

    p.drawPath(roundedRect(7.6, 0.8, 2.8, 1.4, 0.6));

    // The level bars are punched out of the body.
    p.setCompositionMode(QPainter::CompositionMode_Clear);
    p.drawPath(roundedRect(7, 4.4, 1, 1.8, 0.5));
    p.drawPath(roundedRect(8.5, 3.6, 1, 3.4, 0.5));
    p.drawPath(roundedRect(10, 4.4, 1, 1.8, 0.5));
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    p.restore();
}

// Renders one picture at the size asked for.
using Render = std::function<QImage(int size)>;

class MascotEngine final : public QIconEngine
{
public:
    explicit MascotEngine(Render render)
        : m_render(std::move(render))
    {
    }

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode, QIcon::State) override
    {
        const qreal dpr = painter->device() ? painter->device()->devicePixelRatioF() : 1.0;
        const int side = qMax(1, int(std::lround(qMin(rect.width(), rect.height()) * dpr)));
        QImage image = m_render(side);
        image.setDevicePixelRatio(dpr);
        const QSizeF logical(side / dpr, side / dpr);
        painter->drawImage(QRectF(QPointF(rect.x() + (rect.width() - logical.width()) / 2,
                                          rect.y() + (rect.height() - logical.height()) / 2),
                                  logical),
                           image);
    }

    QPixmap pixmap(const QSize& size, QIcon::Mode, QIcon::State) override
    {
        return QPixmap::fromImage(m_render(qMin(size.width(), size.height())));
    }

    QIconEngine* clone() const override { return new MascotEngine(m_render); }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override
    {
        return {QSize(16, 16), QSize(18, 18), QSize(22, 22), QSize(24, 24), QSize(32, 32), QSize(36, 36),
                QSize(48, 48), QSize(64, 64)};
    }

private:
    Render m_render;
};

} // namespace

namespace StatusIcon {

QImage render(int size, const QColor& colour)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    paintMascot(painter, QRectF(0, 0, size, size), colour);
    return image;
}

QIcon mascot(const QColor& colour)
{
    // Made once per colour and shared afterwards.
    static QHash<QRgb, QIcon> cache;
    auto it = cache.find(colour.rgba());
    if (it == cache.end())
        it = cache.insert(colour.rgba(), QIcon(new MascotEngine([colour](int size) { return render(size, colour); })));
    return *it;
}

QImage renderOnPlate(int size, const QColor& plate, const QString& figure)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(plate);
    const qreal radius = size * 0.24;
    painter.drawRoundedRect(QRectF(0, 0, size, size), radius, radius);
    // The figure keeps a margin of a sixth of the plate on every side; the
    // mascot's level bars show the plate through them.
    const int inset = int(std::lround(size / 6.0));
    const int inner = size - 2 * inset;
    if (figure.isEmpty()) {
        painter.drawImage(QPoint(inset, inset), render(inner, Qt::white));
    } else {
        const QPixmap line = Icon::pixmap(figure, inner, Qt::white, 2.75);
        painter.drawPixmap(QRectF(inset, inset, inner, inner), line, QRectF(line.rect()));
    }
    return image;
}

QIcon onPlate(const QColor& plate, const QString& figure)
{
    static QHash<QString, QIcon> cache;
    const QString key = figure + QLatin1Char('/') + plate.name(QColor::HexArgb);
    auto it = cache.find(key);
    if (it == cache.end())
        it = cache.insert(key, QIcon(new MascotEngine([plate, figure](int size) { return renderOnPlate(size, plate, figure); })));
    return *it;
}

} // namespace StatusIcon
