#include "platform/WindowPlacement.h"

#include "platform/linux/X11Display.h"

#include <QGuiApplication>
#include <QList>
#include <QWindow>

#include <X11/Xatom.h>
#include <X11/Xlib.h>

void WindowPlacement::onAllDesktops(QWindow* window)
{
    if (!window || QGuiApplication::platformName() != QLatin1String("xcb"))
        return;
    Display* display = X11Display::open(nullptr);
    if (!display)
        return;
    // Desktop 0xFFFFFFFF is every desktop; window managers read the property
    // when the window is mapped.
    const Atom desktop = XInternAtom(display, "_NET_WM_DESKTOP", False);
    const unsigned long all = 0xFFFFFFFFUL;
    XChangeProperty(display, Window(window->winId()), desktop, XA_CARDINAL, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(&all), 1);
    XSync(display, False);
    X11Display::close(display);
}

void WindowPlacement::outOfTaskbar(QWindow* window)
{
    if (!window || QGuiApplication::platformName() != QLatin1String("xcb"))
        return;
    Display* display = X11Display::open(nullptr);
    if (!display)
        return;
    // Set on the unmapped window: Qt adds its own states (above) to what it
    // finds there when it maps it, and the window manager reads them then.
    const Atom state = XInternAtom(display, "_NET_WM_STATE", False);
    QList<Atom> atoms;
    Atom type = 0;
    int format = 0;
    unsigned long count = 0;
    unsigned long after = 0;
    unsigned char* data = nullptr;
    if (XGetWindowProperty(display, Window(window->winId()), state, 0, 1024, False, XA_ATOM, &type, &format, &count,
                           &after, &data)
            == Success
        && data) {
        if (type == XA_ATOM && format == 32) {
            const auto* held = reinterpret_cast<const Atom*>(data);
            atoms = QList<Atom>(held, held + count);
        }
        XFree(data);
    }
    for (const char* name : {"_NET_WM_STATE_SKIP_TASKBAR", "_NET_WM_STATE_SKIP_PAGER"}) {
        const Atom wanted = XInternAtom(display, name, False);
        if (!atoms.contains(wanted))
            atoms.append(wanted);
    }
    XChangeProperty(display, Window(window->winId()), state, XA_ATOM, 32, PropModeReplace,
                    reinterpret_cast<const unsigned char*>(atoms.constData()), int(atoms.size()));
    XSync(display, False);
    X11Display::close(display);
}
