#pragma once

#include "platform/KeySource.h"

#include <QString>

// Synthetic input for the focused window of the desktop: key strokes with
// modifiers and Unicode text. Used on the main thread only.
class KeyInjector
{
public:
    enum class Key { V, Return };

    virtual ~KeyInjector() = default;

    // False, with a lower-case sentence for the log, when nothing can be sent.
    virtual bool isAvailable(QString* error) = 0;
    // Presses and releases key with the modifiers held around it
    // (Shift, Control and Option only).
    virtual void pressKey(Key key, KeySource::Modifiers modifiers) = 0;
    // Sends every character of text as key strokes, whatever the layout.
    virtual void typeText(const QString& text) = 0;

    // The desktop's injector (XTest on X11).
    static KeyInjector& system();
};
