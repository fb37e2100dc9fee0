#pragma once

#include <QProcess>
#include <QString>

#include <functional>

// Whole-process figures of a program: the time from starting it until it
// says it is ready, and its resident memory once it idles.
namespace ProcessProbe {

struct Figures
{
    double readyMs = 0;
    double idleRssMb = 0;
};

// Starts program with env, waits until ready() is true (polled every
// millisecond), idles idleMs, reads the memory, then ends the process.
Figures measure(const QString& program, const QProcessEnvironment& env, const std::function<bool(QProcess&)>& ready,
                int idleMs = 1000);

double residentMb(qint64 pid);

} // namespace ProcessProbe
