#pragma once

#include "core/AppState.h"
#include "core/Config.h"

#include <QList>
#include <QString>
#include <QStringList>

// The tray menu as data: built fresh from the state on every refresh, so the
// table of items and their enabled states can be checked without a tray.
struct StatusMenuItem
{
    enum class Kind { action, disabled, separator, submenu };
    enum class Action {
        none,
        showMainWindow,
        showSettings,
        showOnboarding,
        toggleHUD,
        copyLast,
        insertLast,
        checkForUpdates,
        showUpdate,
        openLog,
        quit,
        pickMicrophone,
    };

    Kind kind = Kind::action;
    QString title;
    Action action = Action::none;
    bool checkable = false;
    bool checked = false;
    QString data;            // a microphone's device id
    QList<StatusMenuItem> children;

    bool enabled() const { return kind == Kind::action || kind == Kind::submenu; }
    bool operator==(const StatusMenuItem&) const = default;
};

struct StatusMenuInput
{
    AppState::Phase phase = AppState::Phase::idle;
    bool accessibilityGranted = true;
    QString message;
    HotkeyKind hotkey = HotkeyKind::controlFn;
    HotkeyMode hotkeyMode = HotkeyMode::hold;
    bool hudVisible = true;
    QString lastTranscript;
    QString inputDeviceID;
    QString microphoneName;                        // of inputDeviceID
    QList<std::pair<QString, QString>> inputs;     // (id, name) in the system's order
    bool updaterAvailable = false;
    QString updateOffer;                           // display version of a found update
    QString versionLabel;
};

namespace StatusMenu {

QList<StatusMenuItem> build(const StatusMenuInput& input);

// The status line at the top of the menu.
QString statusLine(const StatusMenuInput& input);
// The talk key's name as the user sees it ("Ctrl + Super", "Right Alt").
QString keyName(HotkeyKind kind);
// Splits each line of a text at spaces into lines of at most width
// characters; a longer word stands alone, whole; no line is empty.
QStringList wrapped(const QString& text, int width);
// "Kesto Viruz <version> (<build>)".
QString versionLabel();

} // namespace StatusMenu
