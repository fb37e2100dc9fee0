#pragma once

#include <functional>

// The end of the display connection (the X server went away, as at logout).
// Qt and Xlib would end the process on their own, running destructors that
// still talk to the lost display; instead the handler runs once on the main
// thread (to save what is pending, as at quit) and the process then ends at
// once with status 1.
namespace DisplayLoss {

// Starts watching; call once, after the application object exists.
void watch(std::function<void()> handler);

} // namespace DisplayLoss
