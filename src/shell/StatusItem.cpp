#include "shell/StatusItem.h"

#include "core/Log.h"
#include "design/Palette.h"
#include "design/components/PopupMenu.h"
#include "shell/StatusIcon.h"

#include <QApplication>
#include <QCursor>
#include <QMenu>
#include <QSystemTrayIcon>

namespace {

// Menus read "&" as a mnemonic marker; titles carry user text.
QString menuText(const QString& title)
{
    return QString(title).replace(QLatin1Char('&'), QStringLiteral("&&"));
}

} // namespace

StatusItem::StatusItem(QObject* parent)
    : QObject(parent)
    , m_tray(std::make_unique<QSystemTrayIcon>())
{
    m_tray->setToolTip(QStringLiteral("Kesto Viruz"));
    // A left click opens the menu too, as a menu-bar item would.
    connect(m_tray.get(), &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason reason) {
        if (reason == QSystemTrayIcon::Trigger && m_menu)
            m_menu->popup(QCursor::pos());
    });
    // Shown also without a tray: Qt docks the icon once a tray appears.
    if (!QSystemTrayIcon::isSystemTrayAvailable())
        Log::write(QStringLiteral("no system tray yet; starting the application again opens its window"));
    // Qt refuses to show an item without a picture.
    showPicture();
    m_tray->show();
}

StatusItem::~StatusItem() = default;

void StatusItem::showPicture()
{
    m_tray->setIcon(picture(m_phase, m_accessibilityGranted));
}

QIcon StatusItem::picture(Phase phase, bool accessibilityGranted)
{
    // Middle tones of the light theme: each stands out 3:1 or more on a black
    // panel and on a white one, and the white figure on it.
    const QColor plain = Palette::textSecondary.resolve(false);
    switch (phase) {
    case Phase::idle:
        return accessibilityGranted ? StatusIcon::onPlate(plain) : StatusIcon::onPlate(plain, QStringLiteral("mic-off"));
    case Phase::recording:
        return StatusIcon::onPlate(Palette::red600.resolve(false));
    case Phase::working:
        return StatusIcon::onPlate(Palette::blue600.resolve(false));
    case Phase::failed:
        return StatusIcon::onPlate(Palette::warning.resolve(false), QStringLiteral("triangle-alert"));
    }
    return StatusIcon::onPlate(plain);
}

void StatusItem::refresh(Phase phase, bool accessibilityGranted, const QList<StatusMenuItem>& items)
{
    m_phase = phase;
    m_accessibilityGranted = accessibilityGranted;
    showPicture();
    std::unique_ptr<QMenu> old = std::move(m_menu);
    m_menu.reset(buildMenu(items, nullptr));
    // Drawn by the application where the tray lets it (an XEmbed tray); a
    // tray that draws menus itself takes only the items.
    PopupMenu::dress(m_menu.get());
    m_tray->setContextMenu(m_menu.get());
    // A menu the user has open stays as it was until it closes.
    if (old) {
        QMenu* menu = old.release();
        if (menu->isVisible())
            connect(menu, &QMenu::aboutToHide, menu, &QObject::deleteLater);
        else
            menu->deleteLater();
    }
}

QMenu* StatusItem::buildMenu(const QList<StatusMenuItem>& items, QWidget* parent)
{
    auto* menu = new QMenu(parent);
    for (const StatusMenuItem& item : items) {
        switch (item.kind) {
        case StatusMenuItem::Kind::separator:
            menu->addSeparator();
            break;
        case StatusMenuItem::Kind::disabled:
            menu->addAction(menuText(item.title))->setEnabled(false);
            break;
        case StatusMenuItem::Kind::submenu: {
            QMenu* submenu = buildMenu(item.children, menu);
            submenu->setTitle(menuText(item.title));
            menu->addMenu(submenu);
            break;
        }
        case StatusMenuItem::Kind::action: {
            QAction* action = menu->addAction(menuText(item.title));
            action->setCheckable(item.checkable);
            action->setChecked(item.checked);
            connect(action, &QAction::triggered, this, [this, item] {
                if (onChosen)
                    onChosen(item);
            });
            break;
        }
        }
    }
    return menu;
}
