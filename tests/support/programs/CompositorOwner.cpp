// Stands in for a compositing manager: owns the screen's "_NET_WM_CM_S0"
// selection, prints "owned", and gives it up (by ending) when stdin closes.
#include <X11/Xlib.h>

#include <cstdio>

int main()
{
    Display* display = XOpenDisplay(nullptr);
    if (!display)
        return 1;
    const Window window = XCreateSimpleWindow(display, DefaultRootWindow(display), 0, 0, 1, 1, 0, 0, 0);
    const Atom selection = XInternAtom(display, "_NET_WM_CM_S0", False);
    XSetSelectionOwner(display, selection, window, CurrentTime);
    XSync(display, False);
    if (XGetSelectionOwner(display, selection) != window)
        return 1;
    std::puts("owned");
    std::fflush(stdout);
    while (std::getchar() != EOF) {
    }
    XCloseDisplay(display);
    return 0;
}
