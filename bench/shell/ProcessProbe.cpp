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
                int idleMs)
{
    Figures figures;
    QProcess process;
    process.setProcessEnvironment(env);
    QElapsedTimer clock;
    clock.start();
    process.start(program, {});
    if (!process.waitForStarted(5000))
        return figures;
    while (!ready(process) && clock.elapsed() < 30000)
        QThread::usleep(500);
    figures.readyMs = double(clock.nsecsElapsed()) / 1e6;
    QThread::msleep(ulong(idleMs));
    figures.idleRssMb = residentMb(process.processId());
    process.terminate();
    if (!process.waitForFinished(10000))
        process.kill();
    process.waitForFinished(2000);
    return figures;
}

} // namespace ProcessProbe
