#include "design/components/Keycap.h"

#include "design/Onest.h"
#include "design/Palette.h"
#include "design/Theme.h"
#include "design/components/ControlStyle.h"

#include <QFontMetricsF>
#include <QPainter>

#include <cmath>

KeycapStyle KeycapStyle::of(bool large, bool active)
{
    using namespace Palette;
    KeycapStyle style;
    if (large) {
        style.captionSize = 14;
        style.padding = 11;
        style.minWidth = 44;
        style.height = 34;
        style.radius = 10;
    }
    style.text = active ? brand : textPrimary;
    style.face = active ? surfaceBrandSoft : surfaceCard;
    style.outline = active ? blue300 : borderDefault;
    style.lowerEdge = borderDefault;
    return style;
}

Keycap::Keycap(const QString& label, bool large, bool active, QWidget* parent)
    : QWidget(parent)
    , m_label(label)
    , m_large(large)
    , m_active(active)
{
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setAccessibleName(label);
    connect(&Theme::instance(), &Theme::changed, this, qOverload<>(&QWidget::update));
    restyle();
}

void Keycap::setLabel(const QString& label)
{
    m_label = label;
    setAccessibleName(label);
    updateGeometry();
    update();
}

void Keycap::setLarge(bool large)
{
    m_large = large;
    restyle();
}

void Keycap::setActive(bool active)
{
    m_active = active;
    restyle();
}

void Keycap::restyle()
{
    m_style = KeycapStyle::of(m_large, m_active);
    updateGeometry();
    update();
}

QSize Keycap::sizeHint() const
{
    const QFontMetricsF metrics(Onest::font(m_style.captionSize, QFont::DemiBold));
    const int width = int(std::ceil(metrics.horizontalAdvance(m_label))) + 2 * m_style.padding;
    return QSize(std::max(m_style.minWidth, width), m_style.height + m_style.edge);
}

QRectF Keycap::faceRect() const
{
    return QRectF(0, 0, width(), m_style.height);
}

void Keycap::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF face = faceRect();
    ControlPaint::fill(painter, face.translated(0, m_style.edge), m_style.radius, m_style.lowerEdge.color());
    ControlPaint::fill(painter, face, m_style.radius, m_style.face.color());
    ControlPaint::innerBorder(painter, face, m_style.radius, m_style.outline.color());
    const QFont font = Onest::font(m_style.captionSize, QFont::DemiBold);
    const QFontMetricsF metrics(font);
    painter.setFont(font);
    painter.setPen(m_style.text.color());
    const qreal x = face.left() + (face.width() - metrics.horizontalAdvance(m_label)) / 2;
    painter.drawText(QPointF(x, face.center().y() - metrics.height() / 2 + metrics.ascent()), m_label);
}
