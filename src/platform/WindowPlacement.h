#pragma once

class QWindow;

// Where the desktop shows a top-level window.
namespace WindowPlacement {

// Shows the window on every virtual desktop, as a floating panel should be.
// Call it before each showing: the window manager forgets the choice when the
// window is hidden. Elsewhere than on X11 it does nothing.
void onAllDesktops(QWindow* window);

} // namespace WindowPlacement
