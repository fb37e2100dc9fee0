#pragma once

#include <QFont>

// What every menu of the app's windows shares: its face and how a label
// becomes a menu text.
namespace MenuAnchor {

// Onest regular 14, or the system font of that size without Onest.
QFont menuFont();
// A menu text: "&" stays a character instead of marking a shortcut.
QString menuText(const QString& label);

} // namespace MenuAnchor
