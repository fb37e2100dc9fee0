#pragma once

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>

// Checks on pictures of windows: whether what shows is the application's own
// colours or Qt's stock palette, which shows through wherever a widget fills
// itself with a default (the grey of a scroll area's page, a pale tooltip).
namespace ThemePixels {

struct Patch
{
    int pixels = 0; // top-left corners of filled squares
    QRect bounds;   // in device pixels
};

// The squares of 4 x 4 points of image filled with one of Qt's stock
// background colours (window, button, alternate base, tooltip).
Patch stockPalette(const QImage& image);
// Empty when image holds no such square; else a sentence that says where.
QString stockPaletteProblem(const QImage& image);

// The colour at a point given in logical pixels.
QColor at(const QImage& image, QPoint logical);
// Whether two colours are the same within tolerance per channel.
bool same(const QColor& a, const QColor& b, int tolerance = 1);

// Pixels that differ visibly between two pictures of the same size.
int differing(const QImage& a, const QImage& b);

} // namespace ThemePixels
