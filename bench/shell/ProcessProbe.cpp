#include "ProcessProbe.h"

#include <QElapsedTimer>
#include <QFile>
#include <QThread>

namespace ProcessProbe {

double residentMb(qint64 pid)
{
    QFile status(QStringLiteral("/proc/%1/status").arg(pid));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
    return 0;
}

Figures measure(const QString& program, const QProcessEnvironment& env, const std::function<bool(QProcess&)>& ready,
                int idleMs, int timeoutMs)
{
    Figures figures;
    QProcess process;
    process.setProcessEnvironment(env);
    QElapsedTimer clock;
    clock.start();
    process.start(program, {});
    if (!process.waitForStarted(5000)) {
        figures.error = QStringLiteral("did not start: ") + process.errorString();
        return figures;
    }
    // Without an event loop the process's end is noticed by asking.
    const auto alive = [&process] { return !process.waitForFinished(0) && process.state() == QProcess::Running; };
    bool isReady = false;
    while (!(isReady = ready(process)) && alive() && clock.elapsed() < timeoutMs)
        QThread::usleep(500);
    const double readyMs = double(clock.nsecsElapsed()) / 1e6;
    if (isReady) {
        QThread::msleep(ulong(idleMs));
        figures.idleRssMb = alive() ? residentMb(process.processId()) : 0;
    }
    if (!isReady && process.state() != QProcess::Running)
        figures.error = QStringLiteral("ended before it was ready (exit code %1)").arg(process.exitCode());
    else if (!isReady)
        figures.error = QStringLiteral("not ready within %1 ms").arg(timeoutMs);
    else if (figures.idleRssMb <= 0)
        figures.error = QStringLiteral("ended while idling");
    else
        figures.readyMs = readyMs;
    process.terminate();
    if (!process.waitForFinished(10000))
        process.kill();
    process.waitForFinished(2000);
    return figures;
}

} // namespace ProcessProbe
