#pragma once

#include <QObject>
#include <QString>

#include <memory>

// The keyboard and mouse of the whole desktop, as seen by the talk key: which
// modifier keys are down, other key presses and mouse clicks. Keys are only
// watched, never grabbed, so every application still sees them. Signals come
// on the thread that called start().
class KeySource : public QObject
{
    Q_OBJECT

public:
    // What the talk-key logic calls each modifier: Option is the left Alt,
    // Command the Right Alt (AltGr included), Function either Super key.
    enum Modifier {
        Shift = 0x1,
        Control = 0x2,
        Option = 0x4,
        Command = 0x8,
        Function = 0x10,
    };
    Q_DECLARE_FLAGS(Modifiers, Modifier)

    using QObject::QObject;

    // Begins watching; on failure returns false and fills error with a
    // lower-case sentence for the log. Calling it again starts afresh.
    virtual bool start(QString* error) = 0;
    virtual void stop() = 0;
    virtual bool isRunning() const = 0;

    // The desktop's own source (XInput2 raw events on X11).
    static std::unique_ptr<KeySource> create();

Q_SIGNALS:
    // A modifier key went down or up; flags are the modifiers down now.
    // rightCommandKey: the key that changed is the Right Alt key.
    void flagsChanged(KeySource::Modifiers flags, bool rightCommandKey);
    // A key that is not a modifier went down (auto-repeat is not reported).
    void keyDown(bool escape);
    // The left or right mouse button went down.
    void mouseDown();
};

Q_DECLARE_OPERATORS_FOR_FLAGS(KeySource::Modifiers)
