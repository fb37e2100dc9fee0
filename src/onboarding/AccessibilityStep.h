#pragma once

#include <QWidget>

class AppState;
class Capabilities;
class PermissionCard;
class StepTrail;
class TextLabel;

// The third step: whether the X11 session lets Kesto Viruz watch the talk
// key and type, and how to get such a session when it does not. It follows
// the application's own check, which repeats every 2 s until access is there.
class AccessibilityStep final : public QWidget
{
    Q_OBJECT

public:
    AccessibilityStep(AppState& state, Capabilities& capabilities, QWidget* parent = nullptr);

    PermissionCard* card() const { return m_card; }
    TextLabel* hint() const { return m_hint; }
    StepTrail* trail() const { return m_trail; }

private:
    void refresh();

    AppState& m_state;
    Capabilities& m_capabilities;
    PermissionCard* m_card;
    TextLabel* m_hint;
    StepTrail* m_trail;
};
