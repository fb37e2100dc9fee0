#pragma once

// Tooltips in the application's own look: the card colour with a hairline
// border, the Onest face, and the theme in force (followed when it changes).
namespace ToolTipLook {

// Installs the look for the whole application; later calls do nothing.
void install();

} // namespace ToolTipLook
