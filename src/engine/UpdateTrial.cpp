#include "engine/UpdateTrial.h"

#include "core/Log.h"
#include "engine/UpdateTree.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QProcess>
#include <QThread>
#include <QUuid>

#include <cerrno>
#include <csignal>

namespace {

std::optional<UpdateTrial::Plan>& pending()
{
    static std::optional<UpdateTrial::Plan> plan;
    return plan;
}

bool alive(qint64 pid)
{
    return pid > 0 && (::kill(pid_t(pid), 0) == 0 || errno != ESRCH);
}

} // namespace

namespace UpdateTrial {

Outcome run(const Plan& plan, int timeoutMs)
{
    QLocalServer server;
    server.setSocketOptions(QLocalServer::UserAccessOption);
    const QString name = QStringLiteral("kesto-update-") + QUuid::createUuid().toString(QUuid::WithoutBraces);
    bool ready = false;
    qint64 pid = 0;
    if (!server.listen(name)) {
        Log::write(QStringLiteral("update trial cannot listen: ") + server.errorString());
    } else if (!QProcess::startDetached(plan.program, {QLatin1String(readyOption), name}, QString(), &pid)) {
        Log::write(QStringLiteral("the new version could not be started: ") + plan.program);
    } else {
        QElapsedTimer waited;
        waited.start();
        QLocalSocket* socket = nullptr;
        while (!ready && waited.elapsed() < timeoutMs) {
            if (!socket && server.waitForNewConnection(50))
                socket = server.nextPendingConnection();
            if (socket) {
                socket->waitForReadyRead(50);
                ready = socket->readAll().contains("ready");
            }
            if (!ready && !alive(pid))
                break;
        }
        if (!ready) {
            Log::write(alive(pid) ? QStringLiteral("the new version was not ready in %1 s").arg(timeoutMs / 1000)
                                  : QStringLiteral("the new version ended before it was ready"));
            if (alive(pid))
                ::kill(pid_t(pid), SIGKILL);
            QElapsedTimer ending;
            ending.start();
            while (alive(pid) && ending.elapsed() < 5000)
                QThread::msleep(10);
        }
    }
    QString reason;
    if (ready) {
        if (!UpdateTree::commit(plan.root, &reason))
            Log::write(QStringLiteral("the old files of the update stay until the next start: ") + reason);
        Log::write(QStringLiteral("the new version is running"));
        return Outcome::started;
    }
    const bool back = UpdateTree::rollBack(plan.root, &reason);
    Log::write(back ? QStringLiteral("the previous version was put back") : QStringLiteral("update not undone: ") + reason);
    // The next start, and its recovery, must not wait for this process.
    if (plan.lock)
        plan.lock->unlock();
    if (!QProcess::startDetached(plan.program, {QLatin1String(revertedOption)}))
        Log::write(QStringLiteral("the previous version could not be started again"));
    return back ? Outcome::reverted : Outcome::mixed;
}

void setPending(Plan plan)
{
    pending() = std::move(plan);
}

std::optional<Plan> takePending()
{
    std::optional<Plan> plan = std::move(pending());
    pending().reset();
    return plan;
}

bool reportReady(const QStringList& arguments, const QString& root)
{
    const qsizetype at = arguments.indexOf(QLatin1String(readyOption));
    if (at < 0 || at + 1 >= arguments.size())
        return false;
    QLocalSocket socket;
    socket.connectToServer(arguments.at(at + 1));
    if (!socket.waitForConnected(5000)) {
        Log::write(QStringLiteral("the previous version is not waiting: ") + socket.errorString());
        const std::shared_ptr<QLockFile> held = UpdateTree::lock(root);
        QString reason;
        if (!held || !UpdateTree::commit(root, &reason)) {
            Log::write(QStringLiteral("the update is left to the next start: ") + reason);
            return false;
        }
        return true;
    }
    socket.write("ready\n");
    const bool sent = socket.waitForBytesWritten(5000);
    socket.disconnectFromServer();
    return sent;
}

bool wasReverted(const QStringList& arguments)
{
    return arguments.contains(QLatin1String(revertedOption));
}

} // namespace UpdateTrial
