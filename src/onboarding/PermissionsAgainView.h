#pragma once

#include <QWidget>

#include <functional>

class AppState;
class Capabilities;
class Clock;
class MicrophoneWatch;
class PermissionRow;
class SButton;
class TextLabel;

// The small window of a later start that found the microphone or the X11
// session gone: a row for each with what is missing and how to bring it
// back, and "Later", which turns into "Done" once all is back. Only the
// user closes it.
class PermissionsAgainView final : public QWidget
{
    Q_OBJECT

public:
    static constexpr QSize designSize{520, 440};

    PermissionsAgainView(AppState& state, std::function<void()> onDone, Capabilities& capabilities, Clock& clock,
                         QWidget* parent = nullptr);
    ~PermissionsAgainView() override;

    // The names of what is missing now: "microphone" first, then
    // "accessibility".
    QStringList missing() const;

    PermissionRow* microphoneRow() const { return m_micRow; }
    PermissionRow* accessibilityRow() const { return m_keysRow; }
    SButton* footerButton() const { return m_button; }
    MicrophoneWatch& microphone() const { return *m_microphone; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void refresh();

    AppState& m_state;
    std::function<void()> m_onDone;
    Capabilities& m_capabilities;
    MicrophoneWatch* m_microphone;
    PermissionRow* m_micRow;
    PermissionRow* m_keysRow;
    SButton* m_soundSettings;
    SButton* m_button;
};
