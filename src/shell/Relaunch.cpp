#include "shell/Relaunch.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QThread>

#include <cerrno>
#include <csignal>

namespace {

const QString afterOption = QStringLiteral("--after");

bool running(qint64 pid)
{
    if (::kill(pid_t(pid), 0) != 0 && errno == ESRCH)
        return false;
    // An ended process its parent has not reaped yet holds nothing any more.
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (stat.open(QIODevice::ReadOnly)) {
        const QByteArray line = stat.readAll();
        const qsizetype close = line.lastIndexOf(')');
        if (close >= 0 && close + 2 < line.size() && line.at(close + 2) == 'Z')
            return false;
    }
    return true;
}

} // namespace

namespace Relaunch {

bool start(const QString& program)
{
    return QProcess::startDetached(program, {afterOption, QString::number(QCoreApplication::applicationPid())});
}

std::optional<qint64> waitingFor(const QStringList& arguments)
{
    const qsizetype at = arguments.indexOf(afterOption);
    if (at < 0 || at + 1 >= arguments.size())
        return std::nullopt;
    bool ok = false;
    const qint64 pid = arguments.at(at + 1).toLongLong(&ok);
    return ok && pid > 0 ? std::optional<qint64>(pid) : std::nullopt;
}

void waitForExit(qint64 pid)
{
    QElapsedTimer waited;
    waited.start();
    while (running(pid) && waited.elapsed() < 60000)
        QThread::msleep(20);
}

} // namespace Relaunch
