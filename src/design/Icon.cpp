#include "design/Icon.h"

#include "design/LucideIcons.h"
#include "design/SvgPath.h"

#include <QHash>
#include <QMutex>
#include <QPaintDevice>
#include <QPainter>
#include <QPixmapCache>

#include <cmath>

namespace {

const LucideIcons::Entry* find(const QString& name)
{
    static const QHash<QString, const LucideIcons::Entry*> index = [] {
        QHash<QString, const LucideIcons::Entry*> result;
        for (const LucideIcons::Entry& entry : LucideIcons::table())
            result.insert(QString::fromLatin1(entry.name), &entry);
        return result;
    }();
    return index.value(name);
}

} // namespace

namespace Icon {

QStringList names()
{
    QStringList result;
    for (const LucideIcons::Entry& entry : LucideIcons::table())
        result << QString::fromLatin1(entry.name);
    return result;
}

QPainterPath base(const QString& name)
{
    static QMutex mutex;
    static QHash<QString, QPainterPath> cache;
    QMutexLocker lock(&mutex);
    const auto found = cache.constFind(name);
    if (found != cache.constEnd())
        return *found;
    QPainterPath result;
    if (const LucideIcons::Entry* entry = find(name)) {
        for (const char* data : entry->paths)
            result.addPath(SvgPath::parse(QString::fromLatin1(data)));
    }
    cache.insert(name, result);
    return result;
}

QPainterPath path(const QString& name, const QRectF& rect)
{
    const qreal scale = std::min(rect.width(), rect.height()) / 24.0;
    QTransform transform;
    transform.translate(rect.left(), rect.top());
    transform.scale(scale, scale);
    return transform.map(base(name));
}

QPixmap pixmap(const QString& name, qreal size, const QColor& color, qreal strokeWidth, qreal dpr)
{
    const QString key = QStringLiteral("kesto-icon:") + name + u':' + QString::number(color.rgba(), 16) + u':'
        + QString::number(size) + u':' + QString::number(strokeWidth) + u':' + QString::number(dpr);
    QPixmap result;
    if (QPixmapCache::find(key, &result))
        return result;
    const int side = std::max(1, int(std::ceil(size * dpr)));
    result = QPixmap(side, side);
    result.setDevicePixelRatio(dpr);
    result.fill(Qt::transparent);
    const QPainterPath shape = path(name, QRectF(0, 0, size, size));
    if (!shape.isEmpty()) {
        QPainter painter(&result);
        painter.setRenderHint(QPainter::Antialiasing);
        QPen pen(color, strokeWidth * size / 24.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
        pen.setMiterLimit(10);
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(shape);
    }
    QPixmapCache::insert(key, result);
    return result;
}

void paint(QPainter& painter, const QString& name, const QPointF& topLeft, qreal size, const ColorToken& color,
           qreal strokeWidth)
{
    if (size <= 0 || !find(name))
        return;
    const qreal dpr = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
    painter.drawPixmap(topLeft, pixmap(name, size, color.color(), strokeWidth, dpr));
}

void paint(QPainter& painter, const QString& name, const QRectF& rect, qreal size, const ColorToken& color,
           qreal strokeWidth)
{
    paint(painter, name, rect.center() - QPointF(size / 2, size / 2), size, color, strokeWidth);
}

} // namespace Icon
