#pragma once

#include "platform/KeySource.h"

#include <QString>

// Synthetic input for the focused window of the desktop: key strokes with
// modifiers and Unicode text. Safe to call from any one thread at a time;
// typing runs on a worker thread.
class KeyInjector
{
public:
    enum class Key { V, Return, Insert };

    virtual ~KeyInjector() = default;

    // False, with a lower-case sentence for the log, when nothing can be sent.
    virtual bool isAvailable(QString* error) = 0;
    // Presses and releases key with the modifiers held around it
    // (Shift, Control and Option only).
    virtual void pressKey(Key key, KeySource::Modifiers modifiers) = 0;
    // The whole text about to be typed in pieces by typeText(), so that the
    // characters the keyboard lacks can be given keys ahead, in few changes.
    virtual void prepareTyping(const QString&) {}
    // Sends every character of text as key strokes, whatever the layout.
    virtual void typeText(const QString& text) = 0;
    // Typing is over: once the target has read the keys, the keyboard is
    // put back as it was.
    virtual void finishTyping() {}

    // The desktop's injector (XTest on X11).
    static KeyInjector& system();
};
