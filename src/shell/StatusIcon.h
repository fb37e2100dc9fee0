#pragma once

#include <QColor>
#include <QIcon>
#include <QImage>

// The drawn tray mascot. It is painted for every size the tray asks for, so
// it stays sharp at any scale; its three level bars are holes, not paint.
namespace StatusIcon {

// The mascot in one colour.
QIcon mascot(const QColor& colour);

// One rendering, size x size device pixels, transparent around the figure.
QImage render(int size, const QColor& colour);

// The tray's picture: a white figure (the mascot, or the line icon named
// figure) on a rounded plate of colour. Nothing tells the application the
// panel's colour, so the plate is a middle tone that stands out on a black
// panel and on a white one alike.
QIcon onPlate(const QColor& plate, const QString& figure = QString());

// One rendering of that picture, size x size device pixels.
QImage renderOnPlate(int size, const QColor& plate, const QString& figure = QString());

} // namespace StatusIcon
