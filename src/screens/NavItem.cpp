#include "screens/NavItem.h"

#include "design/Icon.h"
#include "design/Palette.h"
#include "design/TypeModifier.h"
#include "design/components/ControlStyle.h"

#include <QPainter>

namespace {

constexpr int rowHeight = 40;
constexpr int padding = 12;
constexpr int spacing = 12;
constexpr int iconSize = 19;
constexpr int radius = 10;

TypeModifier titleType(bool on)
{
    return {14, on ? QFont::DemiBold : QFont::Medium, {}};
}

} // namespace

NavItem::NavItem(const QString& title, const QString& icon, QWidget* parent)
    : AbstractControl(parent)
    , m_title(title)
    , m_icon(icon)
{
    setAccessibleName(title);
    setCursor(Qt::PointingHandCursor);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void NavItem::setOn(bool on)
{
    if (on == m_on)
        return;
    m_on = on;
    update();
}

QSize NavItem::sizeHint() const
{
    const qreal text = titleType(true).measure(m_title).width();
    return QSize(padding * 2 + iconSize + spacing + int(std::ceil(text)), rowHeight);
}

QSize NavItem::minimumSizeHint() const
{
    return QSize(padding * 2 + iconSize, rowHeight);
}

void NavItem::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    // The current row keeps its own fill under the pointer; hover shows at once.
    if (m_on)
        ControlPaint::fill(painter, rect(), radius, Palette::surfaceBrandSoft.color());
    else if (isHovered())
        ControlPaint::fill(painter, rect(), radius, Palette::surfaceHover.color());

    const ColorToken& colour = m_on ? Palette::brand : Palette::textBody;
    Icon::paint(painter, m_icon, QPointF(padding, (height() - iconSize) / 2.0), iconSize, colour, 1.75);
    const qreal textLeft = padding + iconSize + spacing;
    titleType(m_on).draw(painter, QRectF(textLeft, 0, width() - textLeft - padding, height()), m_title, colour,
                         Qt::AlignLeft, false);
}
