#pragma once

#include <QFont>

class QAction;
class QMenu;
class QWidget;

// Pops a menu up over a field: the ticked item (or, without one, the menu's
// top-left corner) lands at the field's left edge, 4 points above its bottom.
// Selects and the settings' own pickers share it.
namespace MenuAnchor {

// Onest regular 14, or the system font of that size without Onest.
QFont menuFont();
// A menu text: "&" stays a character instead of marking a shortcut.
QString menuText(const QString& label);
// Shows menu (non-blocking) positioned on anchor.
void popUp(QMenu* menu, QWidget* anchor, QAction* positioning);

} // namespace MenuAnchor
