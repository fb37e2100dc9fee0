#pragma once

#include "core/AppStateTypes.h"

#include <QList>
#include <QWidget>

class AppState;
struct AppActions;
class MicTestBars;
class SButton;
class SSelect;
class SettingsSwitch;
class TextLabel;
struct ChoiceOption;

// The Microphone tab: which microphone, a live test with a level meter, and
// the noise-reduction and pause-shortening switches. Leaving it stops a
// running test.
class SettingsMicrophoneTab final : public QWidget
{
    Q_OBJECT

public:
    SettingsMicrophoneTab(AppState& state, const AppActions& actions, QWidget* parent = nullptr);
    ~SettingsMicrophoneTab() override;

    // "System default", the listed microphones, and the saved one when it is
    // not among them ("Microphone not connected").
    static QList<ChoiceOption> microphones(const QList<Microphone>& inputs, const QString& saved);

private:
    void refresh();
    void refreshTest();

    AppState& m_state;
    const AppActions& m_actions;
    // Listed once, when the tab is made.
    QList<Microphone> m_inputs;
    SSelect* m_microphone;
    SButton* m_test;
    MicTestBars* m_bars;
    TextLabel* m_hint;
    SettingsSwitch* m_noiseReduction;
    SettingsSwitch* m_trimSilence;
};
