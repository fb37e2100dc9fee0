#include "platform/linux/X11Display.h"

#include <X11/Xlib.h>
#include <X11/extensions/XInput2.h>

#include <QByteArray>

#include <atomic>
#include <mutex>

namespace {

std::atomic<int> lastError{0};

int recordError(Display*, XErrorEvent* event)
{
    lastError = event->error_code;
    return 0;
}

std::atomic<bool> lost{false};

// Returning from both keeps Xlib from ending the process when a connection
// breaks (the default handler would exit on the spot).
int ignoreIOError(Display*)
{
    return 0;
}

void recordLoss(Display*, void*)
{
    lost = true;
}

void installErrorHandler()
{
    static std::once_flag once;
    std::call_once(once, [] {
        XSetErrorHandler(recordError);
    });
}

} // namespace

namespace X11Display {

_XDisplay* open(QString* error)
{
    installErrorHandler();
    const QByteArray name = qgetenv("DISPLAY");
    if (name.isEmpty()) {
        if (error)
            *error = QStringLiteral("no X display (DISPLAY is not set)");
        return nullptr;
    }
    Display* display = XOpenDisplay(name.constData());
    if (display)
        keepProcessOnLoss(display);
    if (!display && error)
        *error = QStringLiteral("cannot connect to the X display %1").arg(QString::fromLocal8Bit(name));
    return display;
}

void close(_XDisplay* display)
{
    if (display)
        XCloseDisplay(display);
}

bool hasExtension(_XDisplay* display, const char* name)
{
    int opcode = 0;
    int event = 0;
    int error = 0;
    return display && XQueryExtension(display, name, &opcode, &event, &error);
}

bool hasXInput2(_XDisplay* display)
{
    // Announcing 2.2 (the server answers with what it has) makes the server
    // send raw events even while another client grabs the keyboard, as a
    // desktop does while the Super key is down; 2.0 clients miss them.
    int major = 2;
    int minor = 2;
    return hasExtension(display, "XInputExtension") && XIQueryVersion(display, &major, &minor) == Success
        && (major > 2 || (major == 2 && minor >= 2));
}

void keepProcessOnLoss(_XDisplay* display)
{
    // Qt puts in its own handler, which calls the default; this one goes
    // in front of it every time, since the handler is the process's.
    XSetIOErrorHandler(ignoreIOError);
    XSetIOErrorExitHandler(display, recordLoss, nullptr);
}

bool connectionLost()
{
    return lost;
}

int takeLastError()
{
    return lastError.exchange(0);
}

} // namespace X11Display
