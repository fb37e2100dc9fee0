// Sends raw key presses and releases by X keycode with XTest, with no
// modifier added (as xdotool does for a modifier keysym):
//   kesto-test-fake-key 108+ 108-     press, then release keycode 108
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
