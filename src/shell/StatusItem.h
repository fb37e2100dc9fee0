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
// as before; a tray that appears later (one started after us at login)
// receives the icon then.
class StatusItem final : public QObject
{
    Q_OBJECT

public:
    explicit StatusItem(QObject* parent = nullptr);
    ~StatusItem() override;

    void refresh(Phase phase, bool accessibilityGranted, const QList<StatusMenuItem>& items);

    // The picture: the mascot on a grey plate, red while recording and blue
    // while working; a crossed-out microphone without the typing permission;
    // a warning sign on amber after a failure.
    static QIcon picture(Phase phase, bool accessibilityGranted);

    QSystemTrayIcon* tray() const { return m_tray.get(); }
    QMenu* menu() const { return m_menu.get(); }

    // An item of the menu was chosen.
    std::function<void(const StatusMenuItem&)> onChosen;

private:
    QMenu* buildMenu(const QList<StatusMenuItem>& items, QWidget* parent);

    void showPicture();

    std::unique_ptr<QSystemTrayIcon> m_tray;
    Phase m_phase = Phase::idle;
    bool m_accessibilityGranted = true;
    std::unique_ptr<QMenu> m_menu;
};
