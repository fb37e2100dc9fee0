#include "settings/SettingsChip.h"

#include "design/Palette.h"
#include "design/TypeModifier.h"
#include "design/components/ControlStyle.h"

#include <QPainter>

#include <cmath>

namespace {

constexpr int chipHeight = 32;
constexpr int chipPadding = 12;
const TypeModifier caption{13, QFont::DemiBold, 20};

} // namespace

SettingsChip::SettingsChip(const QString& label, bool on, QWidget* parent)
    : AbstractControl(parent)
    , m_label(label)
    , m_on(on)
{
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setAccessibleName(label);
}

void SettingsChip::setOn(bool on)
{
    if (on == m_on)
        return;
    m_on = on;
    update();
}

QSize SettingsChip::sizeHint() const
{
    return QSize(int(std::ceil(caption.measure(m_label).width())) + 2 * chipPadding, chipHeight);
}

void SettingsChip::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    applyDisabledOpacity(painter);
    const QRectF box(0, (height() - chipHeight) / 2.0, width(), chipHeight);
    const qreal radius = chipHeight / 2.0;
    const QColor fill = m_on ? Palette::surfaceBrandSoft.color()
                             : ControlPaint::hot(Palette::surfaceCard, Palette::surfaceHover, hoverProgress());
    ControlPaint::fill(painter, box, radius, fill);
    ControlPaint::innerBorder(painter, box, radius, (m_on ? Palette::blue300 : Palette::borderDefault).color());
    caption.draw(painter, box.adjusted(chipPadding, 0, -chipPadding, 0), m_label,
                 m_on ? Palette::brand : Palette::textBody, Qt::AlignHCenter, false);
}

QPainterPath SettingsChip::focusShape() const
{
    return ControlPaint::rounded(QRectF(0, (height() - chipHeight) / 2.0, width(), chipHeight), chipHeight / 2.0);
}
