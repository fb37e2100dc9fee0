#include "design/components/PopupMenu.h"

#include "design/Palette.h"
#include "design/Theme.h"
#include "design/components/ControlStyle.h"
#include "design/components/MenuAnchor.h"

#include <QActionEvent>
#include <QApplication>
#include <QFontMetricsF>
#include <QPainter>
#include <QPointer>
#include <QProxyStyle>
#include <QStyleOptionMenuItem>

#include <cmath>

const PopupMenu::Metrics PopupMenu::metrics{};

namespace {

// A menu text as shown: a single "&" marks a mnemonic and is not drawn,
// "&&" is a plain "&".
QString withoutMnemonics(const QString& text)
{
    QString shown;
    shown.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) == u'&' && i + 1 < text.size())
            ++i;
        shown.append(text.at(i));
    }
    return shown;
}

// The label; Qt puts a key combination after a tab.
QString shownText(const QStyleOptionMenuItem& item)
{
    return withoutMnemonics(item.text.section(u'\t', 0, 0));
}

QString shortcutText(const QStyleOptionMenuItem& item)
{
    return item.text.section(u'\t', 1);
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
        int text = int(std::ceil(font.horizontalAdvance(shownText(*item))));
        if (const QString keys = shortcutText(*item); !keys.isEmpty())
            text += m.shortcutGap + int(std::ceil(font.horizontalAdvance(keys)));
        if (item->menuItemType == QStyleOptionMenuItem::SubMenu)
            text += m.shortcutGap / 2 + m.arrowSize;
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
        const qreal baseline = box.center().y() - metrics.height() / 2 + metrics.ascent();
        qreal end = box.right() + 1 - m.trailing;
        if (item.menuItemType == QStyleOptionMenuItem::SubMenu) {
            ControlPaint::icon(*painter, QStringLiteral("chevron-right"),
                               QPointF(end - m.arrowSize + 4, box.center().y() - m.arrowSize / 2.0), m.arrowSize,
                               Palette::textTertiary.color(), 2);
            end -= m.arrowSize;
        }
        painter->setFont(font);
        if (const QString keys = shortcutText(item); !keys.isEmpty()) {
            const qreal width = metrics.horizontalAdvance(keys);
            painter->setPen(Palette::textTertiary.color());
            painter->drawText(QPointF(end - width, baseline), keys);
            end -= width + m.shortcutGap;
        }
        painter->setPen(ink);
        painter->drawText(QPointF(box.left() + m.textX, baseline),
                          metrics.elidedText(shownText(item), Qt::ElideRight, std::max<qreal>(0, end - box.left() - m.textX)));
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

// Dresses the submenus a menu gets, whoever adds them.
class SubmenuDresser final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::ActionAdded) {
            if (QMenu* sub = static_cast<QActionEvent*>(event)->action()->menu(); sub && sub->style() != menuStyle())
                PopupMenu::dress(sub);
        }
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

PopupMenu::PopupMenu(QWidget* parent)
    : QMenu(parent)
{
    setAttribute(Qt::WA_DeleteOnClose);
    dress(this);
}

void PopupMenu::dress(QMenu* menu)
{
    menu->setStyle(menuStyle());
    menu->setFont(MenuAnchor::menuFont());
    connect(&Theme::instance(), &Theme::changed, menu, qOverload<>(&QWidget::update));
    menu->installEventFilter(new SubmenuDresser(menu));
    for (QAction* action : menu->actions()) {
        if (QMenu* sub = action->menu(); sub && sub->style() != menuStyle())
            dress(sub);
    }
}

QAction* PopupMenu::addItem(const QString& label, bool ticked)
{
    QAction* action = addAction(MenuAnchor::menuText(label));
    // Checkable only to carry the tick; the style draws no box for the others.
    action->setCheckable(true);
    action->setChecked(ticked);
    return action;
}

QAction* PopupMenu::addCommand(const QString& label)
{
    return addAction(MenuAnchor::menuText(label));
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
