#pragma once

#include <QStringList>

#include <functional>
#include <optional>

class QMenu;
class QWidget;

// The pop-up menu of the settings' pickers ("Add a language", "Change keys").
namespace SettingsMenu {

// Shows the titles in a menu whose top-left corner lies 4 points under the
// anchor's bottom-left corner, the checked one ticked; a choice reports its
// index through pick, dismissing reports nothing. Without an anchor nothing
// is shown. Returns the menu while it is open (it deletes itself on closing).
QMenu* popUp(const QStringList& titles, std::optional<int> checked, QWidget* anchor, std::function<void(int)> pick);

} // namespace SettingsMenu
