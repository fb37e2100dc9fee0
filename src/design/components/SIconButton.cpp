#include "design/components/SIconButton.h"

#include "design/Palette.h"
#include "design/Tokens.h"

#include <QPainter>

#include <cmath>

ButtonColors SIconButton::colorsOf(IconButtonVariant variant)
{
    using namespace Palette;
    switch (variant) {
    case IconButtonVariant::Ghost:
        return {.text = textBody, .textHot = textPrimary, .fill = ControlPaint::clear, .fillHot = surfaceSunken};
    case IconButtonVariant::Outline:
        return {.text = textBody, .textHot = textPrimary, .fill = surfaceCard, .fillHot = surfaceHover,
                .border = borderDefault, .borderHot = borderStrong, .shadow = Elevation::Xs};
    case IconButtonVariant::Primary:
        return {.text = white, .textHot = white, .fill = brand, .fillHot = brandHover};
    }
    return {};
}

int SIconButton::defaultIconSize(int size)
{
    return int(std::lround(size * 0.48));
}

SIconButton::SIconButton(const QString& icon, IconButtonVariant variant, int size, QWidget* parent)
    : AbstractControl(parent)
    , m_icon(icon)
    , m_variant(variant)
    , m_size(size)
    , m_colors(colorsOf(variant))
{
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
}

QSize SIconButton::sizeHint() const
{
    const int side = m_size + 2 * ControlPaint::shadowRoom(m_colors.shadow);
    return QSize(side, side);
}

void SIconButton::setIcon(const QString& name)
{
    m_icon = name;
    update();
}

void SIconButton::setVariant(IconButtonVariant variant)
{
    m_variant = variant;
    m_colors = colorsOf(variant);
    updateGeometry();
    update();
}

void SIconButton::setDiameter(int size)
{
    m_size = size;
    updateGeometry();
    update();
}

void SIconButton::setIconSize(std::optional<int> size)
{
    m_iconSize = size;
    update();
}

int SIconButton::iconSize() const
{
    return m_iconSize.value_or(defaultIconSize(m_size));
}

void SIconButton::setHelp(const QString& help)
{
    setToolTip(help);
    setAccessibleName(help);
}

void SIconButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    applyDisabledOpacity(painter);

    const QRectF circle(QPointF((width() - m_size) / 2.0, (height() - m_size) / 2.0), QSizeF(m_size, m_size));
    ControlPaint::scaleAbout(painter, circle, isPressed() && isEnabled() ? Tokens::pressedScaleIcon : 1.0);
    const qreal hover = isEnabled() ? hoverProgress() : 0.0;
    const qreal radius = m_size / 2.0;
    Shadow::paint(painter, circle, radius, m_colors.shadow);
    ControlPaint::fill(painter, circle, radius, ControlPaint::hot(m_colors.fill, m_colors.fillHot, hover));
    ControlPaint::innerBorder(painter, circle, radius, ControlPaint::hot(m_colors.border, m_colors.borderHot, hover));
    const qreal side = iconSize();
    ControlPaint::icon(painter, m_icon, circle.center() - QPointF(side / 2, side / 2), side,
                       ControlPaint::hot(m_colors.text, m_colors.textHot, hover), 1.75);
}

QPainterPath SIconButton::focusShape() const
{
    QPainterPath circle;
    circle.addEllipse(QRectF(QPointF((width() - m_size) / 2.0, (height() - m_size) / 2.0), QSizeF(m_size, m_size)));
    return circle;
}
