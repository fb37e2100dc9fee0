#pragma once

#include <QImage>
#include <QList>
#include <QRect>
#include <QString>

// What another process shows on the test X display, for the end-to-end
// tests: its windows, and pictures of them compared with ones made here.
namespace ScreenWindows {

struct Window
{
    QString id;
    QRect frame;
};

// The visible windows of process pid, as xdotool finds them.
QList<Window> ofProcess(qint64 pid);

// Pixels of a and b that differ visibly, where the two overlap.
int differingPixels(const QImage& a, const QImage& b);

} // namespace ScreenWindows
