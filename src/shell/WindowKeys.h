#pragma once

class QWidget;

// The desktop's window commands, the same in every window of the
// application: Ctrl+W closes the window, Ctrl+M minimises it and Ctrl+Q
// quits.
namespace WindowKeys {

void install(QWidget* window);

} // namespace WindowKeys
