#include "platform/WindowPlacement.h"

#include "platform/linux/X11Display.h"

#include <QGuiApplication>
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
