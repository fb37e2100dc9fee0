#pragma once

#include <QWidget>

class AppState;
class KeyCheck;
class SButton;
class SInput;
class StatusLine;
class StepTrail;
class TextLabel;

// The fourth step: the way to a Gemini key, the key itself (hidden as typed)
// and "Check", which asks the service for the key's models.
class GeminiStep final : public QWidget
{
    Q_OBJECT

public:
    // The page where a key is made.
    static QUrl keyPage();

    GeminiStep(AppState& state, KeyCheck& check, QWidget* parent = nullptr);

    SInput* input() const { return m_input; }
    SButton* checkButton() const { return m_button; }
    TextLabel* errorHint() const { return m_error; }
    StatusLine* statusLine() const { return m_status; }

private:
    void refresh();

    AppState& m_state;
    KeyCheck& m_check;
    StepTrail* m_trail;
    SInput* m_input;
    TextLabel* m_error;
    SButton* m_button;
    StatusLine* m_status;
};
