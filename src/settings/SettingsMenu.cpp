#include "settings/SettingsMenu.h"

#include "design/components/PopupMenu.h"

#include <QWidget>

namespace SettingsMenu {

QMenu* popUp(const QStringList& titles, std::optional<int> checked, QWidget* anchor, std::function<void(int)> pick)
{
    if (!anchor)
        return nullptr;
    auto* menu = new PopupMenu(anchor);
    menu->setObjectName(QStringLiteral("settingsMenu"));
    // Hangs from the button: never narrower than it.
    menu->setMinimumWidth(anchor->width());
    for (int index = 0; index < titles.size(); ++index) {
        QAction* action = menu->addItem(titles.at(index), checked == index);
        QObject::connect(action, &QAction::triggered, anchor, [pick, index] { pick(index); });
    }
    menu->popUp(anchor, QPoint(0, anchor->height() + 4));
    return menu;
}

} // namespace SettingsMenu
