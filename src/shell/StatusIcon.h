#pragma once

#include <QColor>
#include <QIcon>
#include <QImage>

// The drawn tray mascot. It is painted for every size the tray asks for, so
// it stays sharp at any scale; its three level bars are holes, not paint.
namespace StatusIcon {

// The mascot in one colour (the tray has no template images: the caller
// picks the colour for the panel).
QIcon mascot(const QColor& colour);

// One rendering, size x size device pixels, transparent around the figure.
QImage render(int size, const QColor& colour);

} // namespace StatusIcon
