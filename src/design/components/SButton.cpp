#include "design/components/SButton.h"

#include "design/Onest.h"
#include "design/Palette.h"
#include "design/Tokens.h"

#include <QFontMetricsF>
#include <QPainter>

#include <cmath>

ButtonMetrics ButtonMetrics::of(ControlSize size)
{
    switch (size) {
    case ControlSize::Sm:
        return {32, 13, 8, 13, 16};
    case ControlSize::Md:
        return {40, 17, 10, 14, 18};
    case ControlSize::Lg:
        return {48, 21, 12, 16, 20};
    }
    return {};
}

ButtonColors ButtonColors::of(ButtonVariant variant)
{
    using namespace Palette;
    switch (variant) {
    case ButtonVariant::Primary:
        return {.text = white, .textHot = white, .fill = brand, .fillHot = brandHover, .fillPressed = brandPress};
    case ButtonVariant::Secondary:
        return {.text = textPrimary, .textHot = textPrimary, .fill = surfaceCard, .fillHot = surfaceHover,
                .border = borderDefault, .borderHot = borderStrong, .shadow = Elevation::Xs};
    case ButtonVariant::Soft:
        return {.text = brand, .textHot = brand, .fill = surfaceBrandSoft, .fillHot = blue100};
    case ButtonVariant::Ghost:
        return {.text = textBody, .textHot = textPrimary, .fill = ControlPaint::clear, .fillHot = surfaceSunken};
    case ButtonVariant::Danger:
        return {.text = white, .textHot = white, .fill = red600, .fillHot = red700};
    }
    return {};
}

ButtonStyle ButtonStyle::of(ButtonVariant variant, ControlSize size)
{
    return {ButtonMetrics::of(size), ButtonColors::of(variant)};
}

SButton::SButton(const QString& text, ButtonVariant variant, ControlSize size, QWidget* parent)
    : AbstractControl(parent)
    , m_text(text)
    , m_variant(variant)
    , m_size(size)
{
    setAccessibleName(text);
    restyle();
}

void SButton::setText(const QString& text)
{
    if (text == m_text)
        return;
    m_text = text;
    setAccessibleName(text);
    updateGeometry();
    update();
}

void SButton::setVariant(ButtonVariant variant)
{
    m_variant = variant;
    restyle();
}

void SButton::setControlSize(ControlSize size)
{
    m_size = size;
    restyle();
}

void SButton::setIcon(const QString& name)
{
    m_icon = name;
    updateGeometry();
    update();
}

void SButton::setIconRight(const QString& name)
{
    m_iconRight = name;
    updateGeometry();
    update();
}

void SButton::setBlock(bool block)
{
    m_block = block;
    restyle();
}

void SButton::restyle()
{
    m_style = ButtonStyle::of(m_variant, m_size);
    // Not block: hugs the label and may shrink (the caption then truncates).
    setSizePolicy(m_block ? QSizePolicy::Expanding : QSizePolicy::Maximum, QSizePolicy::Fixed);
    updateGeometry();
    update();
}

QFont SButton::captionFont() const
{
    return Onest::font(m_style.metrics.captionSize, QFont::DemiBold);
}

qreal SButton::contentWidth() const
{
    const ButtonMetrics& m = m_style.metrics;
    qreal width = std::ceil(QFontMetricsF(captionFont()).horizontalAdvance(m_text));
    if (!m_icon.isEmpty())
        width += m.iconSize + m.spacing;
    if (!m_iconRight.isEmpty())
        width += m.iconSize + m.spacing;
    return width;
}

QRectF SButton::boxRect() const
{
    const ButtonMetrics& m = m_style.metrics;
    // Room for the shadow above and below only: the box reaches the
    // control's sides, in line with the other controls of a column.
    const int room = ControlPaint::shadowRoom(m_style.colors.shadow);
    const QRectF area = QRectF(rect()).adjusted(0, room, 0, -room);
    return QRectF(area.left(), area.top() + (area.height() - m.height) / 2.0, area.width(), m.height);
}

QSize SButton::sizeHint() const
{
    const ButtonMetrics& m = m_style.metrics;
    const int room = 2 * ControlPaint::shadowRoom(m_style.colors.shadow);
    return QSize(int(contentWidth()) + 2 * m.padding, m.height + room);
}

QSize SButton::minimumSizeHint() const
{
    const ButtonMetrics& m = m_style.metrics;
    int icons = 0;
    if (!m_icon.isEmpty())
        icons += m.iconSize + m.spacing;
    if (!m_iconRight.isEmpty())
        icons += m.iconSize + m.spacing;
    const int room = 2 * ControlPaint::shadowRoom(m_style.colors.shadow);
    return QSize(icons + 2 * m.padding, m.height + room);
}

void SButton::paintEvent(QPaintEvent*)
{
    const ButtonMetrics& m = m_style.metrics;
    const ButtonColors& c = m_style.colors;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    applyDisabledOpacity(painter);

    const QRectF box = boxRect();
    const bool held = isPressed() && isEnabled();
    ControlPaint::scaleAbout(painter, box, held ? Tokens::pressedScaleText : 1.0);

    const qreal hover = isEnabled() ? hoverProgress() : 0.0;
    const QColor fill = held && c.fillPressed ? c.fillPressed->color() : ControlPaint::hot(c.fill, c.fillHot, hover);
    Shadow::paint(painter, box, m.radius, c.shadow);
    ControlPaint::fill(painter, box, m.radius, fill);
    ControlPaint::innerBorder(painter, box, m.radius, ControlPaint::hot(c.border, c.borderHot, hover));

    // The content is centred; a caption too long for the width truncates.
    const QColor ink = ControlPaint::hot(c.text, c.textHot, hover);
    const qreal room = box.width() - 2 * m.padding;
    const qreal content = std::min(contentWidth(), room);
    qreal x = box.left() + (box.width() - content) / 2;
    const qreal iconTop = box.center().y() - m.iconSize / 2.0;
    if (!m_icon.isEmpty()) {
        ControlPaint::icon(painter, m_icon, QPointF(x, iconTop), m.iconSize, ink, 2.0);
        x += m.iconSize + m.spacing;
    }
    qreal captionWidth = content;
    if (!m_icon.isEmpty())
        captionWidth -= m.iconSize + m.spacing;
    if (!m_iconRight.isEmpty())
        captionWidth -= m.iconSize + m.spacing;
    captionWidth = std::max<qreal>(0, captionWidth);
    const QFont font = captionFont();
    const QFontMetricsF metrics(font);
    painter.setFont(font);
    painter.setPen(ink);
    const QString caption = metrics.elidedText(m_text, Qt::ElideRight, captionWidth + 0.5);
    const qreal baseline = box.center().y() - metrics.height() / 2 + metrics.ascent();
    painter.drawText(QPointF(x, baseline), caption);
    x += captionWidth;
    if (!m_iconRight.isEmpty())
        ControlPaint::icon(painter, m_iconRight, QPointF(x + m.spacing, iconTop), m.iconSize, ink, 2.0);
}

QPainterPath SButton::focusShape() const
{
    return ControlPaint::rounded(boxRect(), m_style.metrics.radius);
}
