#include "design/components/Chip.h"

#include "design/Animation.h"
#include "design/Onest.h"
#include "design/Palette.h"
#include "design/Tokens.h"
#include "design/components/ControlStyle.h"

#include <QFontMetricsF>
#include <QPainter>

#include <cmath>

ChipStyle ChipStyle::standard()
{
    using namespace Palette;
    ChipStyle style;
    style.text = textBody;
    style.textHot = textPrimary;
    style.fill = surfaceCard;
    style.border = borderDefault;
    style.borderHot = borderStrong;
    style.selectedText = white;
    style.selectedFill = brand;
    style.selectedBorder = brand;
    return style;
}

Chip::Chip(const QString& text, bool selected, const QString& icon, QWidget* parent)
    : AbstractControl(parent)
    , m_text(text)
    , m_selected(selected)
    , m_icon(icon)
    , m_selection(new AnimatedValue(this, selected ? 1.0 : 0.0))
{
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setAccessibleName(text);
}

void Chip::setText(const QString& text)
{
    m_text = text;
    setAccessibleName(text);
    updateGeometry();
    update();
}

void Chip::setSelected(bool selected)
{
    if (selected == m_selected)
        return;
    m_selected = selected;
    m_selection->animateTo(selected ? 1.0 : 0.0, Tokens::hoverDurationMs, ControlPaint::easeOut());
}

void Chip::setIcon(const QString& name)
{
    m_icon = name;
    updateGeometry();
    update();
}

QFont Chip::captionFont() const
{
    return Onest::font(m_style.captionSize, QFont::Medium);
}

QSize Chip::sizeHint() const
{
    qreal width = std::ceil(QFontMetricsF(captionFont()).horizontalAdvance(m_text));
    if (!m_icon.isEmpty())
        width += m_style.iconSize + m_style.spacing;
    return QSize(int(width) + 2 * m_style.padding, m_style.height);
}

void Chip::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF box(0, (height() - m_style.height) / 2.0, width(), m_style.height);
    ControlPaint::scaleAbout(painter, box, isPressed() ? Tokens::pressedScaleChip : 1.0);

    // Hover blends the unselected look; selection blends towards brand over it.
    const qreal hover = hoverProgress();
    const qreal selection = m_selection->value();
    const QColor ink = ControlPaint::mix(ControlPaint::hot(m_style.text, m_style.textHot, hover),
                                         m_style.selectedText.color(), selection);
    const QColor fill = ControlPaint::mix(m_style.fill.color(), m_style.selectedFill.color(), selection);
    const QColor border = ControlPaint::mix(ControlPaint::hot(m_style.border, m_style.borderHot, hover),
                                            m_style.selectedBorder.color(), selection);
    const qreal radius = box.height() / 2;
    ControlPaint::fill(painter, box, radius, fill);
    ControlPaint::innerBorder(painter, box, radius, border);

    const QFont font = captionFont();
    const QFontMetricsF metrics(font);
    const qreal iconRoom = m_icon.isEmpty() ? 0 : m_style.iconSize + m_style.spacing;
    const QString caption =
        metrics.elidedText(m_text, Qt::ElideRight, std::max<qreal>(0, box.width() - 2 * m_style.padding - iconRoom) + 0.5);
    const qreal content = iconRoom + metrics.horizontalAdvance(caption);
    qreal x = box.left() + (box.width() - content) / 2;
    if (!m_icon.isEmpty()) {
        ControlPaint::icon(painter, m_icon, QPointF(x, box.center().y() - m_style.iconSize / 2.0), m_style.iconSize, ink, 2.0);
        x += iconRoom;
    }
    painter.setFont(font);
    painter.setPen(ink);
    painter.drawText(QPointF(x, box.center().y() - metrics.height() / 2 + metrics.ascent()), caption);
}

QPainterPath Chip::focusShape() const
{
    return ControlPaint::rounded(QRectF(0, (height() - m_style.height) / 2.0, width(), m_style.height), m_style.height / 2.0);
}
