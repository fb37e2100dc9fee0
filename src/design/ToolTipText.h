#pragma once

#include <QString>

// Tooltips render markup; user and remote text must show as typed.
namespace ToolTipText {

// A tooltip that shows text literally, line breaks and spaces kept; empty
// for an empty text.
QString plain(const QString& text);

} // namespace ToolTipText
