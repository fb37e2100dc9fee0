#include "design/components/IconTile.h"

#include "design/Icon.h"
#include "design/Theme.h"
#include "design/ToneColors.h"
#include "design/components/ControlStyle.h"

#include <QPainter>

#include <cmath>

IconTileStyle IconTileStyle::of(Tone tone, int size, std::optional<qreal> radius, std::optional<qreal> iconSize)
{
    IconTileStyle style;
    style.iconSize = iconSize.value_or(std::round(size * 0.5));
    style.radius = radius.value_or(std::round(size * 0.3));
    style.icon = ToneColors::foreground(tone);
    style.fill = ToneColors::background(tone);
    return style;
}

IconTile::IconTile(const QString& icon, Tone tone, int size, QWidget* parent)
    : QWidget(parent)
    , m_icon(icon)
    , m_tone(tone)
    , m_size(size)
{
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    connect(&Theme::instance(), &Theme::changed, this, qOverload<>(&QWidget::update));
    restyle();
}

void IconTile::setIcon(const QString& name)
{
    m_icon = name;
    update();
}

void IconTile::setTone(Tone tone)
{
    m_tone = tone;
    restyle();
}

void IconTile::setTileSize(int size)
{
    m_size = size;
    updateGeometry();
    restyle();
}

void IconTile::setRadius(std::optional<qreal> radius)
{
    m_radius = radius;
    restyle();
}

void IconTile::setIconSize(std::optional<qreal> size)
{
    m_iconSize = size;
    restyle();
}

void IconTile::restyle()
{
    m_style = IconTileStyle::of(m_tone, m_size, m_radius, m_iconSize);
    update();
}

void IconTile::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF tile(QPointF((width() - m_size) / 2.0, (height() - m_size) / 2.0), QSizeF(m_size, m_size));
    paint(painter, tile, m_icon, m_style);
}

void IconTile::paint(QPainter& painter, const QRectF& tile, const QString& icon, const IconTileStyle& style)
{
    ControlPaint::fill(painter, tile, style.radius, style.fill.color());
    Icon::paint(painter, icon, tile, style.iconSize, style.icon, style.strokeWidth);
}
