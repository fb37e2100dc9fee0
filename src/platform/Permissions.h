#pragma once

#include <QString>

// The two permissions dictation needs, as this desktop grants them.
namespace Permissions {

struct Check
{
    bool granted = false;
    // When not granted: a short translated sentence saying why.
    QString reason;
    // When not granted: the desktop lacks the whole service (no sound server,
    // no X11 session), not just a part the user can add or choose.
    bool unavailable = false;

    bool operator==(const Check&) const = default;
};

// Typing into other applications and the global talk key: the application
// is connected to an X server with the XTEST and XInput 2.2 extensions.
Check accessibility();
// Recording: the sound server answers and has an input that is not the
// monitor of an output. Asks the server, so takes a few milliseconds.
Check microphone();

} // namespace Permissions
