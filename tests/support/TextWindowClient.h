#pragma once

#include <QProcess>
#include <QString>

// Runs the test program "kesto-test-text-window" (a window with one text
// field) and talks to it: its text, its clipboard, keyboard focus.
class TextWindowClient final
{
public:
    TextWindowClient() = default;
    ~TextWindowClient();

    // Starts the program and waits until its window is shown; appName, when
    // given, becomes its application name and WM_CLASS.
    bool start(const QString& program, const QString& appName = QString());
    quint64 windowId() const { return m_windowId; }

    // Gives the window the keyboard focus (xdotool windowfocus) and checks
    // with the X server that it has it.
    bool focus();
    QString text();
    bool clear();
    bool setClipboardText(const QString& text);
    bool setClipboardImage();
    // The clipboard as the program sees it: its text ("" when none) and the
    // key of its image ("-" when none).
    QString clipboardText();
    QString clipboardImageKey();

    // The key of the program's fixed clipboard image.
    static QString sampleImageKey();

private:
    QByteArray command(const QByteArray& line);

    QProcess m_process;
    QByteArray m_buffer;
    quint64 m_windowId = 0;
};
