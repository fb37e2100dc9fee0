// Sends raw key presses and releases by X keycode with XTest, with no
// modifier added (as xdotool does for a modifier keysym):
//   kesto-test-fake-key 108+ 108-     press, then release keycode 108
//   kesto-test-fake-key grab 133+ 133-  the same while this client grabs
//                                       the keyboard, as a desktop's
//                                       shortcut handler does
#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

int main(int argc, char** argv)
{
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "no X display\n");
        return 1;
    }
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "grab") == 0) {
            if (XGrabKeyboard(display, DefaultRootWindow(display), False, GrabModeAsync, GrabModeAsync, CurrentTime)
                != GrabSuccess) {
                std::fprintf(stderr, "cannot grab the keyboard\n");
                return 3;
            }
            continue;
        }
        const size_t length = std::strlen(argv[i]);
        if (length < 2 || (argv[i][length - 1] != '+' && argv[i][length - 1] != '-')) {
            std::fprintf(stderr, "bad step %s\n", argv[i]);
            return 2;
        }
        const unsigned keycode = unsigned(std::atoi(argv[i]));
        XTestFakeKeyEvent(display, keycode, argv[i][length - 1] == '+' ? True : False, CurrentTime);
    }
    XSync(display, False);
    XCloseDisplay(display);
    return 0;
}
