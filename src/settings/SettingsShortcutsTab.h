#pragma once

#include <QList>
#include <QWidget>

class AppState;
class QHBoxLayout;
class SButton;
class SSegmented;
class SSelect;
class SettingsRow;

// The Shortcuts tab: the talk key and its keycaps, the fixed cancel and find
// keys, hold or press-once mode, and in hold mode the hold time.
class SettingsShortcutsTab final : public QWidget
{
    Q_OBJECT

public:
    explicit SettingsShortcutsTab(AppState& state, QWidget* parent = nullptr);

    // The hold-time choices: 150 to 600 ms and the stored value, ascending.
    static QList<qint64> holdTimes(qint64 current);
    // The talk-key menu, one title per key in order.
    static QStringList keyTitles();

private:
    void refresh();
    void chooseKeys();

    AppState& m_state;
    SettingsRow* m_dictation;
    QWidget* m_dictationKeys;
    SettingsRow* m_modeRow;
    SSegmented* m_mode;
    SButton* m_changeKeys;
    QWidget* m_holdBlock;
    SSelect* m_holdTime;
};
