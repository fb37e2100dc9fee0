#pragma once

#include "core/AppStateTypes.h"
#include "shell/StatusMenu.h"

#include <QIcon>
#include <QObject>

#include <functional>
#include <memory>

class QMenu;
class QSystemTrayIcon;

// The tray item: its picture tells the dictation phase at a glance, and its
// menu is a snapshot of the state, rebuilt on every refresh. Where the
// desktop has no tray nothing is shown and the rest of the application works
// as before.
class StatusItem final : public QObject
{
    Q_OBJECT

public:
    explicit StatusItem(QObject* parent = nullptr);
    ~StatusItem() override;

    void refresh(Phase phase, bool accessibilityGranted, const QList<StatusMenuItem>& items);

    // The picture: the mascot, tinted while recording (red) and working
    // (blue); a crossed-out microphone without the typing permission; a
    // warning sign after a failure.
    static QIcon picture(Phase phase, bool accessibilityGranted);

    QSystemTrayIcon* tray() const { return m_tray.get(); }
    QMenu* menu() const { return m_menu.get(); }

    // An item of the menu was chosen.
    std::function<void(const StatusMenuItem&)> onChosen;

private:
    QMenu* buildMenu(const QList<StatusMenuItem>& items, QWidget* parent);

    std::unique_ptr<QSystemTrayIcon> m_tray;
    std::unique_ptr<QMenu> m_menu;
};
