#pragma once

#include <QString>

// The two permissions dictation needs, as this desktop grants them.
namespace Permissions {

struct Check
{
    bool granted = false;
    // When not granted: a short translated sentence saying why.
    QString reason;

    bool operator==(const Check&) const = default;
};

// Typing into other applications and the global talk key: the application
// is connected to an X server with the XTEST and XInput2 extensions.
Check accessibility();
// Recording: the sound server answers and has an input that is not the
// monitor of an output. Asks the server, so takes a few milliseconds.
Check microphone();

} // namespace Permissions
