#include "design/components/PopupMenu.h"

#include "design/Palette.h"
#include "design/Theme.h"
#include "design/components/ControlStyle.h"
#include "design/components/MenuAnchor.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QPainter>
#include <QPointer>
#include <QProxyStyle>
#include <QStyleOptionMenuItem>

#include <cmath>

const PopupMenu::Metrics PopupMenu::metrics{};

namespace {

// The label as given: "&&" is how a menu text keeps a plain "&".
QString shownText(const QStyleOptionMenuItem& item)
{
    return QString(item.text).replace(QStringLiteral("&&"), QStringLiteral("&"));
}

// Draws the menu from the tokens at paint time, so it is always in the
// current theme; sizes and the rest stay the platform style's.
class MenuStyle final : public QProxyStyle {
public:
    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override
    {
        const PopupMenu::Metrics& m = PopupMenu::metrics;
        switch (metric) {
        case PM_MenuPanelWidth:
            return m.border;
        case PM_MenuHMargin:
        case PM_MenuVMargin:
            return m.inset;
        case PM_MenuDesktopFrameWidth:
        case PM_MenuTearoffHeight:
            return 0;
        default:
            return QProxyStyle::pixelMetric(metric, option, widget);
        }
    }

    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                           const QWidget* widget) const override
    {
        const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
        if (type != CT_MenuItem || !item)
            return QProxyStyle::sizeFromContents(type, option, size, widget);
        const PopupMenu::Metrics& m = PopupMenu::metrics;
        if (item->menuItemType == QStyleOptionMenuItem::Separator)
            return {m.textX, 2 * m.inset + 1};
        const QFontMetricsF font(MenuAnchor::menuFont());
        const int text = int(std::ceil(font.horizontalAdvance(shownText(*item))));
        return {m.textX + text + m.trailing, m.itemHeight};
    }

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override
    {
        switch (element) {
        case PE_PanelMenu:
            painter->fillRect(option->rect, Palette::surfaceCard.color());
            return;
        case PE_FrameMenu: {
            painter->save();
            painter->setPen(Palette::borderDefault.color());
            painter->setBrush(Qt::NoBrush);
            painter->drawRect(QRectF(option->rect).adjusted(0.5, 0.5, -0.5, -0.5));
            painter->restore();
            return;
        }
        default:
            QProxyStyle::drawPrimitive(element, option, painter, widget);
        }
    }

    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override
    {
        if (element == CE_MenuEmptyArea) {
            painter->fillRect(option->rect, Palette::surfaceCard.color());
            return;
        }
        const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
        if (element != CE_MenuItem || !item) {
            QProxyStyle::drawControl(element, option, painter, widget);
            return;
        }
        drawItem(*item, painter);
    }

private:
    static void drawItem(const QStyleOptionMenuItem& item, QPainter* painter)
    {
        const PopupMenu::Metrics& m = PopupMenu::metrics;
        const QRectF box = item.rect;
        painter->save();
        painter->setRenderHint(QPainter::Antialiasing);
        painter->fillRect(item.rect, Palette::surfaceCard.color());
        if (item.menuItemType == QStyleOptionMenuItem::Separator) {
            painter->fillRect(QRectF(box.left(), box.center().y(), box.width(), 1), Palette::borderSubtle.color());
            painter->restore();
            return;
        }
        const bool enabled = item.state & State_Enabled;
        if (enabled && (item.state & State_Selected))
            ControlPaint::fill(*painter, box, m.itemRadius, Palette::surfaceSunken.color());
        const QColor ink = (enabled ? Palette::textPrimary : Palette::textTertiary).color();
        if (item.checkType != QStyleOptionMenuItem::NotCheckable && item.checked)
            ControlPaint::icon(*painter, QStringLiteral("check"),
                               QPointF(box.left() + m.tickInset, box.center().y() - m.tickSize / 2.0), m.tickSize, ink, 2);
        const QFont font = MenuAnchor::menuFont();
        const QFontMetricsF metrics(font);
        const qreal room = box.width() - m.textX - m.trailing;
        painter->setFont(font);
        painter->setPen(ink);
        painter->drawText(QPointF(box.left() + m.textX, box.center().y() - metrics.height() / 2 + metrics.ascent()),
                          metrics.elidedText(shownText(item), Qt::ElideRight, std::max<qreal>(0, room)));
        painter->restore();
    }
};

QStyle* menuStyle()
{
    static QPointer<MenuStyle> style;
    if (!style) {
        style = new MenuStyle;
        // Goes with the application, never after it.
        style->setParent(qApp);
    }
    return style;
}

} // namespace

PopupMenu::PopupMenu(QWidget* parent)
    : QMenu(parent)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setStyle(menuStyle());
    setFont(MenuAnchor::menuFont());
    connect(&Theme::instance(), &Theme::changed, this, qOverload<>(&QWidget::update));
}

QAction* PopupMenu::addItem(const QString& label, bool ticked)
{
    QAction* action = addAction(MenuAnchor::menuText(label));
    // Checkable only to carry the tick; the style draws no box for the others.
    action->setCheckable(true);
    action->setChecked(ticked);
    return action;
}

void PopupMenu::popUp(QWidget* anchor, const QPoint& point, QAction* item)
{
    QPoint corner = anchor->mapToGlobal(point);
    if (item) {
        const QRect geometry = actionGeometry(item);
        // The item goes over the point; the menu's edge stays at its left.
        corner -= QPoint(0, geometry.bottom() + 1);
    }
    popup(corner);
    if (item)
        setActiveAction(item);
}
