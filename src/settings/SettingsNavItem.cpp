#include "settings/SettingsNavItem.h"

#include "design/Palette.h"
#include "design/TypeModifier.h"
#include "design/components/ControlStyle.h"
#include "settings/SettingsTabs.h"

#include <QPainter>

#include <cmath>

namespace {

constexpr int itemHeight = 38;
constexpr int padding = 12;
constexpr int iconSize = 18;

TypeModifier titleType(bool on)
{
    return TypeModifier{14, on ? QFont::DemiBold : QFont::Medium, 20};
}

} // namespace

SettingsNavItem::SettingsNavItem(SettingsTab tab, QWidget* parent)
    : AbstractControl(parent)
    , m_tab(tab)
{
    setObjectName(QStringLiteral("nav-") + rawValue(tab));
    setAccessibleName(SettingsTabs::title(tab));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void SettingsNavItem::setOn(bool on)
{
    if (on == m_on)
        return;
    m_on = on;
    update();
}

QSize SettingsNavItem::sizeHint() const
{
    const qreal text = titleType(true).measure(SettingsTabs::title(m_tab)).width();
    return QSize(int(std::ceil(text)) + 2 * padding + iconSize + padding, itemHeight);
}

QSize SettingsNavItem::minimumSizeHint() const
{
    return QSize(2 * padding + iconSize, itemHeight);
}

void SettingsNavItem::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF box(0, (height() - itemHeight) / 2.0, width(), itemHeight);
    if (m_on)
        ControlPaint::fill(painter, box, 10, Palette::surfaceBrandSoft.color());
    else if (showsHover())
        ControlPaint::fill(painter, box, 10, ControlPaint::hot(Palette::surfaceSubtle, Palette::surfaceHover, hoverProgress()));
    const ColorToken ink = m_on ? Palette::brand : Palette::textBody;
    ControlPaint::icon(painter, SettingsTabs::icon(m_tab), QPointF(padding, box.center().y() - iconSize / 2.0), iconSize,
                       ink.color(), 1.75);
    const qreal x = padding + iconSize + padding;
    titleType(m_on).draw(painter, QRectF(x, box.top(), box.right() - padding - x, box.height()),
                         SettingsTabs::title(m_tab), ink, Qt::AlignLeft, false);
}
