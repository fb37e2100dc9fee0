#pragma once

#include <QList>
#include <QRect>
#include <QString>

// The windows a process shows on the test X server, read with xdotool from
// the outside (end-to-end tests).
namespace XWindows {

struct Window
{
    QString id;
    QRect frame;
};

// The visible windows of process pid.
QList<Window> visible(qint64 pid);

} // namespace XWindows
