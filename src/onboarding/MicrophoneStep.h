#pragma once

#include <QWidget>

class Capabilities;
class MicrophoneWatch;
class PermissionCard;
class SButton;
class TextLabel;

// The second step: whether the sound server answers and offers a
// microphone, and what to do when it does not.
class MicrophoneStep final : public QWidget
{
    Q_OBJECT

public:
    MicrophoneStep(MicrophoneWatch& watch, Capabilities& capabilities, QWidget* parent = nullptr);

    PermissionCard* card() const { return m_card; }
    SButton* openButton() const { return m_open; }
    TextLabel* hint() const { return m_hint; }

private:
    void refresh();

    MicrophoneWatch& m_watch;
    Capabilities& m_capabilities;
    PermissionCard* m_card;
    SButton* m_open;
    TextLabel* m_hint;
};
