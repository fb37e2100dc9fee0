#pragma once

#include <QList>
#include <QWidget>

class AppState;
class ModelInstructions;
class SButton;
class SSelect;
class SettingsRow;
class SettingsSwitch;
class ShortcutSetup;
class TwoStepConfirm;

// The Advanced tab: how text gets into applications, keeping recordings, the
// phone link, the user's data (retention, folder, export, deleting it all)
// and the model instructions.
class SettingsAdvancedTab final : public QWidget
{
    Q_OBJECT

public:
    explicit SettingsAdvancedTab(AppState& state, QWidget* parent = nullptr);

    // Forever, 90, 30 and 7 days, then the stored value when it is none of them.
    static QList<qint64> keepDays(qint64 current);
    // The data folder with the home folder written as "~".
    static QString displayPath(const QString& path);

private:
    void refresh();
    void exportAll();
    void wipeAll();
    SettingsSwitch* addSwitch(const QString& name, const QString& title, const QString& description);

    AppState& m_state;
    SSelect* m_insertion;
    SettingsRow* m_lineBreakRow;
    SSelect* m_lineBreak;
    SettingsSwitch* m_keepAudio;
    SettingsSwitch* m_phoneServer;
    SettingsSwitch* m_phoneInserts;
    SettingsSwitch* m_phonePlain;
    ShortcutSetup* m_shortcutSetup;
    SSelect* m_history;
    SettingsRow* m_wipeRow;
    SButton* m_wipeButton;
    TwoStepConfirm* m_wipe;
    ModelInstructions* m_instructions;
};
