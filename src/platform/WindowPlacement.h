#pragma once

class QWindow;

// Where the desktop shows a top-level window.
namespace WindowPlacement {

// Shows the window on every virtual desktop, as a floating panel should be.
// Call it before each showing: the window manager forgets the choice when the
// window is hidden. Elsewhere than on X11 it does nothing.
void onAllDesktops(QWindow* window);

// Keeps the window out of the taskbar and the pager: a floating panel is not
// a window the user switches to. Call it before each showing, as above.
// Elsewhere than on X11 it does nothing.
void outOfTaskbar(QWindow* window);

} // namespace WindowPlacement
