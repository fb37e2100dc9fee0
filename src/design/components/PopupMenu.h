#pragma once

#include <QMenu>

// The one menu of the app (selects, pickers, the rows' context menus, text
// fields, the tray): drawn from the theme's tokens, light or dark as the app
// is, in Onest regular 14, with a tick before the chosen items and nothing
// before the others. Keyboard navigation, hover and closing are the platform
// menu's. It deletes itself once closed.
class PopupMenu final : public QMenu {
    Q_OBJECT

public:
    struct Metrics {
        int border = 1;
        int inset = 4;       // around the items, inside the border
        int itemHeight = 28;
        int itemRadius = 6;
        int tickInset = 8;   // from the item's left edge
        int tickSize = 16;
        int textX = 30;      // from the item's left edge
        int trailing = 16;   // after the text
        int shortcutGap = 24; // between the text and its key combination
        int arrowSize = 14;  // a submenu's chevron
    };
    static const Metrics metrics;

    explicit PopupMenu(QWidget* parent = nullptr);

    // Gives a menu made elsewhere (a text field's own, the tray's) this
    // look; its submenus get it when they are added to it.
    static void dress(QMenu* menu);

    // An item showing label exactly as given ("&" stays a character);
    // ticked items carry the tick (and report isChecked()).
    QAction* addItem(const QString& label, bool ticked);
    // A command: label exactly as given, no tick.
    QAction* addCommand(const QString& label);

    // Shows the menu without blocking, its left edge at point (in anchor's
    // coordinates). With an item, that item's bottom lands on point;
    // without one, the menu's top does. The item is also the one the keyboard
    // starts from.
    void popUp(QWidget* anchor, const QPoint& point, QAction* item = nullptr);
};
