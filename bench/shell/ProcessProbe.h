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
    // Why there are no figures: the program did not start, died, or never
    // said it was ready in time. Empty when measured.
    QString error;
};

// Starts program with env, waits until ready() is true (polled every half
// millisecond, at most timeoutMs), idles idleMs, reads the memory of the
// still running process, then ends it.
Figures measure(const QString& program, const QProcessEnvironment& env, const std::function<bool(QProcess&)>& ready,
                int idleMs = 1000, int timeoutMs = 30000);

// The resident memory of a running process; 0 when it cannot be read.
double residentMb(qint64 pid);

} // namespace ProcessProbe
