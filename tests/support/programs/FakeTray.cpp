// Stands in for a desktop's system tray (the XEmbed tray protocol): takes
// the screen's "_NET_SYSTEM_TRAY_S0" selection, announces itself, and prints
// "docked <window id>" for each icon that asks to dock. Ends on SIGTERM.
#include <X11/Xlib.h>

#include <cstdio>

int main()
{
    Display* display = XOpenDisplay(nullptr);
    if (!display)
        return 1;
    const Window root = DefaultRootWindow(display);
    const Window tray = XCreateSimpleWindow(display, root, 0, 0, 1, 1, 0, 0, 0);
    const Atom selection = XInternAtom(display, "_NET_SYSTEM_TRAY_S0", False);
    const Atom opcode = XInternAtom(display, "_NET_SYSTEM_TRAY_OPCODE", False);
    XSetSelectionOwner(display, selection, tray, CurrentTime);
    if (XGetSelectionOwner(display, selection) != tray)
        return 1;
    XEvent manager{};
    manager.xclient.type = ClientMessage;
    manager.xclient.window = root;
    manager.xclient.message_type = XInternAtom(display, "MANAGER", False);
    manager.xclient.format = 32;
    manager.xclient.data.l[0] = CurrentTime;
    manager.xclient.data.l[1] = long(selection);
    manager.xclient.data.l[2] = long(tray);
    XSendEvent(display, root, False, StructureNotifyMask, &manager);
    XFlush(display);
    std::puts("ready");
    std::fflush(stdout);
    for (;;) {
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == ClientMessage && event.xclient.message_type == opcode && event.xclient.data.l[1] == 0) {
            std::printf("docked %lu\n", static_cast<unsigned long>(event.xclient.data.l[2]));
            std::fflush(stdout);
        }
    }
}
