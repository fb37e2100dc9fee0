#pragma once

#include <QWidget>

class AppState;
class SButton;
class SelectableLine;
class SettingsRow;

// The iOS Shortcuts block of the Advanced tab: the plain-HTTP upload address
// with a Copy button, and the six steps that build the shortcut.
class ShortcutSetup final : public QWidget
{
    Q_OBJECT

public:
    explicit ShortcutSetup(AppState& state, QWidget* parent = nullptr);

    // The address to show and copy: the first published one while the phone
    // server is on, else empty.
    static QString url(bool serverEnabled, const QStringList& shortcutURLs);
    static QStringList steps();

private:
    void refresh();
    void copy();

    AppState& m_state;
    SettingsRow* m_address;
    SelectableLine* m_addressLine;
    SButton* m_copy;
};
