#include "shell/SingleInstance.h"

#include "core/Log.h"
#include "core/LoggedError.h"

#include <QCryptographicHash>
#include <QDir>
#include <QElapsedTimer>
#include <QLocalServer>
#include <QLocalSocket>
#include <QThread>

#include <unistd.h>

namespace {

const QByteArray activateMessage = "activate\n";

} // namespace

SingleInstance::SingleInstance(const QString& dataFolder, QObject* parent)
    : QObject(parent)
    , m_name(serverName(dataFolder))
{
}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::serverName(const QString& dataFolder)
{
    const QByteArray key = QByteArray::number(uint(getuid())) + '\n'
        + QDir::cleanPath(QDir(dataFolder).absolutePath()).toUtf8();
    return QStringLiteral("kesto-viruz-")
        + QString::fromLatin1(QCryptographicHash::hash(key, QCryptographicHash::Sha256).toHex().left(20));
}

bool SingleInstance::claim()
{
    // The lock decides who runs, so two starts at the same moment cannot both
    // listen; the socket only carries the request to come forward. A lock
    // left by a process that died is taken over.
    m_lock = std::make_unique<QLockFile>(QDir::temp().filePath(m_name + QStringLiteral(".lock")));
    m_lock->setStaleLockTime(0);
    QElapsedTimer waited;
    waited.start();
    while (!m_lock->tryLock(0)) {
        if (m_lock->error() != QLockFile::LockFailedError) {
            Log::write(QStringLiteral("single-instance lock unavailable; running anyway"));
            break;
        }
        if (notifyRunning())
            return false;
        // The running one may still be starting its server.
        if (waited.elapsed() > 5000)
            return false;
        QThread::msleep(100);
    }
    QLocalServer::removeServer(m_name);
    m_server = new QLocalServer(this);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    if (!m_server->listen(m_name))
        Log::write(QStringLiteral("single-instance server failed: ") + LoggedError::of(m_server->serverError()));
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* socket = m_server->nextPendingConnection()) {
            connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
                if (!socket->canReadLine())
                    return;
                if (socket->readLine() == activateMessage)
                    Q_EMIT activated();
                socket->disconnectFromServer();
            });
        }
    });
    return true;
}

bool SingleInstance::notifyRunning() const
{
    QLocalSocket socket;
    socket.connectToServer(m_name);
    if (!socket.waitForConnected(500))
        return false;
    socket.write(activateMessage);
    socket.waitForBytesWritten(500);
    socket.disconnectFromServer();
    if (socket.state() != QLocalSocket::UnconnectedState)
        socket.waitForDisconnected(500);
    return true;
}
