#pragma once

// Whether the desktop composites windows, so that a translucent window shows
// what lies behind its transparent parts. On X11 that is the case exactly when
// the screen's "_NET_WM_CM_S0" selection has an owner; other window systems
// always composite.
namespace Compositor {

bool isRunning();

} // namespace Compositor
