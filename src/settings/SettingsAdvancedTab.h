#pragma once

#include <QList>
#include <QWidget>

class AppState;
class ModelInstructions;
class SButton;
class SInput;
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
    // What is wrong with a typed port, given the other listener's port; empty
    // when it can be used.
    static QString portProblem(const QString& text, qint64 other);

private:
    void refresh();
    void exportAll();
    void wipeAll();
    SettingsSwitch* addSwitch(const QString& name, const QString& title, const QString& description);
    // A port field: the stored port it shows and the row's own description.
    struct PortField
    {
        SettingsRow* row = nullptr;
        SInput* input = nullptr;
        QString description;
        qint64 shown = -1;
    };
    void addPortRow(PortField& field, const QString& name, const QString& title, const QString& description, bool plain);
    void refreshPort(PortField& field, qint64 port, qint64 other);

    AppState& m_state;
    SSelect* m_insertion;
    SettingsRow* m_lineBreakRow;
    SSelect* m_lineBreak;
    SettingsSwitch* m_keepAudio;
    SettingsSwitch* m_phoneServer;
    SettingsSwitch* m_phoneInserts;
    SettingsSwitch* m_phonePlain;
    PortField m_port;
    PortField m_plainPort;
    ShortcutSetup* m_shortcutSetup;
    SSelect* m_history;
    SettingsRow* m_wipeRow;
    SButton* m_wipeButton;
    TwoStepConfirm* m_wipe;
    ModelInstructions* m_instructions;
};
