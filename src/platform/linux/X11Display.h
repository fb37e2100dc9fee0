#pragma once

#include <QString>

// Xlib's display type, named here without pulling in Xlib's macros.
struct _XDisplay;

// Opening private X connections for the desktop services. Protocol errors on
// them are recorded instead of ending the process, as Xlib would by default.
namespace X11Display {

// Opens a new connection to $DISPLAY; on failure returns null and fills error.
_XDisplay* open(QString* error);
void close(_XDisplay* display);

// Whether the server offers an extension, by its protocol name.
bool hasExtension(_XDisplay* display, const char* name);

// Whether the server offers XInput 2.2 or later.
bool hasXInput2(_XDisplay* display);

// Whether a connection opened here broke (the server went away). Such a
// connection no longer ends the process, as Xlib would by default.
bool connectionLost();
// The same for a connection opened elsewhere (Qt's).
void keepProcessOnLoss(_XDisplay* display);

// Clears and reads the last recorded protocol error code (0 for none).
int takeLastError();

} // namespace X11Display
