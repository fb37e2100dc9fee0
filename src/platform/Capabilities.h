#pragma once

#include "platform/Permissions.h"

#include <QObject>

#include <functional>

// What the first-run wizard and the permissions window watch of the desktop:
// the microphone and the X11 session dictation needs, and the desktop's sound
// settings that can bring a microphone back. Main thread only.
class Capabilities
{
public:
    virtual ~Capabilities() = default;

    // Asks the sound server without blocking the caller; done runs on the
    // main thread, unless context is gone by then.
    virtual void readMicrophone(QObject* context, std::function<void(const Permissions::Check&)> done) = 0;
    virtual Permissions::Check accessibility() = 0;

    // Whether a sound settings application is installed; opening does
    // nothing without one.
    virtual bool hasSoundSettings() = 0;
    virtual void openSoundSettings() = 0;

    // This desktop's.
    static Capabilities& system();
};
