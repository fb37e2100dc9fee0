#include "settings/SettingsMenu.h"

#include "design/components/MenuAnchor.h"

#include <QMenu>
#include <QWidget>

namespace SettingsMenu {

QMenu* popUp(const QStringList& titles, std::optional<int> checked, QWidget* anchor, std::function<void(int)> pick)
{
    if (!anchor)
        return nullptr;
    auto* menu = new QMenu(anchor);
    menu->setObjectName(QStringLiteral("settingsMenu"));
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->setFont(MenuAnchor::menuFont());
    for (int index = 0; index < titles.size(); ++index) {
        QAction* action = menu->addAction(MenuAnchor::menuText(titles.at(index)));
        action->setCheckable(checked.has_value());
        action->setChecked(checked == index);
        QObject::connect(action, &QAction::triggered, anchor, [pick, index] { pick(index); });
    }
    menu->popup(anchor->mapToGlobal(QPoint(0, anchor->height() + 4)));
    return menu;
}

} // namespace SettingsMenu
