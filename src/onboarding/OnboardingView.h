#pragma once

#include "core/Config.h"
#include "onboarding/OnboardingStep.h"

#include <QWidget>

#include <functional>

class AppState;
class Capabilities;
class Clock;
class KeyCheck;
class MicrophoneWatch;
class OnboardingHeader;
class QVBoxLayout;
class SButton;
class StepIntro;
class TextLabel;

// The first-run wizard: languages, microphone, keys and typing, the Gemini
// key and a first try, one step at a time under a header with progress dots.
// "Next" opens only once the step is satisfied; every change of step stores
// and applies the settings through onSave, and "Done" marks the setup
// finished before onFinish.
class OnboardingView final : public QWidget
{
    Q_OBJECT

public:
    using Step = OnboardingStep;

    struct Callbacks
    {
        // Stores the whole settings record and applies it at once.
        std::function<void(const Config&)> onSave;
        // Ends the wizard (the window closes).
        std::function<void()> onFinish;
    };

    static constexpr QSize designSize{680, 640};

    OnboardingView(AppState& state, Callbacks callbacks, Capabilities& capabilities, Clock& clock,
                   QWidget* parent = nullptr);
    ~OnboardingView() override;

    Step step() const { return m_step; }
    // Shows the step of an index, after storing the settings; an index
    // outside the steps is ignored. The gate does not apply here: "Next" is
    // disabled instead, and the dots only lead back.
    void go(int index);
    bool canContinue() const;

    // The step texts, by the talk mode in force.
    static QString title(Step step);
    static QString subtitle(Step step, HotkeyMode mode);
    static QString info(Step step);

    OnboardingHeader* header() const { return m_header; }
    StepIntro* intro() const { return m_intro; }
    QWidget* content() const { return m_content; }
    SButton* backButton() const { return m_back; }
    SButton* primaryButton() const { return m_primary; }
    TextLabel* counter() const { return m_counter; }
    KeyCheck& keyCheck() const { return *m_keyCheck; }
    MicrophoneWatch& microphone() const { return *m_microphone; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void showStep();
    void refreshFooter();
    void primaryClicked();
    QWidget* makeContent();

    AppState& m_state;
    Callbacks m_callbacks;
    Capabilities& m_capabilities;
    Clock& m_clock;
    Step m_step = Step::languages;
    KeyCheck* m_keyCheck;
    MicrophoneWatch* m_microphone;
    OnboardingHeader* m_header;
    QWidget* m_stepArea;
    StepIntro* m_intro;
    QVBoxLayout* m_contentFrame;
    QWidget* m_content = nullptr;
    QWidget* m_footer;
    SButton* m_back;
    TextLabel* m_counter;
    SButton* m_primary;
};
