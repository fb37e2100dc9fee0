#include "screens/NotesListRow.h"

#include "design/Icon.h"
#include "design/Palette.h"
#include "design/components/ControlStyle.h"

#include <QPainter>

#include <cmath>

NotesRowLook NotesRowLook::action()
{
    return {38, Palette::textPrimary, QFont::DemiBold, ControlPaint::clear, Palette::surfaceHover};
}

NotesRowLook NotesRowLook::choice(bool on)
{
    if (on)
        return {36, Palette::brand, QFont::DemiBold, Palette::surfaceBrandSoft, Palette::surfaceBrandSoft};
    return {36, Palette::textBody, QFont::Medium, ControlPaint::clear, Palette::surfaceHover};
}

NotesListRow::NotesListRow(const QString& icon, int iconSize, const QString& text, bool action, QWidget* parent)
    : AbstractControl(parent)
    , m_icon(icon)
    , m_iconSize(iconSize)
    , m_text(text)
    , m_action(action)
{
    setAccessibleName(text);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void NotesListRow::setText(const QString& text)
{
    if (text == m_text)
        return;
    m_text = text;
    setAccessibleName(text);
    update();
}

void NotesListRow::setIcon(const QString& icon)
{
    if (icon == m_icon)
        return;
    m_icon = icon;
    update();
}

void NotesListRow::setCount(std::optional<int> count)
{
    if (count == m_count)
        return;
    m_count = count;
    update();
}

void NotesListRow::setOn(bool on)
{
    if (on == m_on)
        return;
    m_on = on;
    update();
}

NotesRowLook NotesListRow::look() const
{
    return m_action ? NotesRowLook::action() : NotesRowLook::choice(m_on);
}

QSize NotesListRow::sizeHint() const
{
    return QSize(2 * padding + m_iconSize + spacing + 80, look().height);
}

QSize NotesListRow::minimumSizeHint() const
{
    return QSize(2 * padding + m_iconSize, look().height);
}

QRectF NotesListRow::labelRect() const
{
    const NotesRowLook l = look();
    qreal right = width() - padding;
    if (m_count) {
        const QString digits = QString::number(*m_count);
        right -= std::ceil(countType(l.weight).measure(digits).width()) + spacing;
    }
    const qreal left = padding + m_iconSize + spacing;
    return QRectF(left, 0, std::max<qreal>(0, right - left), height());
}

void NotesListRow::paintEvent(QPaintEvent*)
{
    const NotesRowLook l = look();
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    applyDisabledOpacity(painter);
    const QRectF box = rect();
    ControlPaint::fill(painter, box, radius, (isHovered() && isEnabled() ? l.fillHover : l.fill).color());

    Icon::paint(painter, m_icon, QPointF(padding, (height() - m_iconSize) / 2.0), m_iconSize, l.foreground, 1.75);
    if (paintsLabel())
        labelType(l.weight).draw(painter, labelRect(), m_text, l.foreground, Qt::AlignLeft, false);
    if (m_count) {
        const QRectF countBox(labelRect().right() + spacing, 0, width() - padding - labelRect().right() - spacing, height());
        countType(l.weight).draw(painter, countBox, QString::number(*m_count), Palette::textTertiary, Qt::AlignRight, false);
    }
}
