#include "phone/PhoneConnection.h"

#include "core/Log.h"
#include "core/LoggedError.h"
#include "phone/PhoneHttp.h"
#include "phone/PhoneWorker.h"

#include <QSslConfiguration>
#include <QSslSocket>

#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>
#include <utility>

namespace {

// One chunk is at most this much, so a big upload arrives in many reads.
constexpr qint64 readChunk = 1048576;

} // namespace

PhoneConnection::PhoneConnection(quint64 id, qintptr descriptor, const QSslConfiguration* ssl, PhoneWorker* worker)
    : QObject(worker)
    , m_id(id)
    , m_worker(worker)
    , m_secure(ssl != nullptr)
{
    m_acceptedAt = m_lastActivity = m_worker->now();
    QSslSocket* secure = nullptr;
    if (ssl) {
        secure = new QSslSocket(this);
        secure->setSslConfiguration(*ssl);
        m_socket = secure;
    } else {
        m_socket = new QTcpSocket(this);
    }
    m_socket->setReadBufferSize(readChunk);
    const bool adopted = m_socket->setSocketDescriptor(descriptor);
    m_peer = m_socket->peerAddress();
    m_worker->pendingChanged(*this, 1);
    if (!adopted) {
        drop();
        return;
    }
    connect(m_socket, &QAbstractSocket::disconnected, this, [this] {
        if (!m_peerDone)
            drop();
    });
    connect(m_socket, &QAbstractSocket::errorOccurred, this, [this](QAbstractSocket::SocketError error) {
        // A client that has sent its whole request and closed its side still
        // reads: the answer goes out through the kept descriptor.
        if (error == QAbstractSocket::RemoteHostClosedError && m_spare >= 0) {
            if (m_stage == Stage::Routed) {
                m_peerDone = true;
                return;
            }
            // Qt drops what it had not written yet when the peer's side closes.
            if (m_stage == Stage::Answering)
                sendToClosedPeer(m_answer.mid(m_written));
        }
        // A peer that goes away, before or after its answer, is no fault.
        if (error != QAbstractSocket::RemoteHostClosedError && m_stage != Stage::Lingering
            && m_stage != Stage::Answering)
            m_worker->refusals().note(QStringLiteral("read error: ") + LoggedError::of(error));
        drop();
    });
    connect(m_socket, &QIODevice::readyRead, this, &PhoneConnection::onReadyRead);
    connect(m_socket, &QIODevice::bytesWritten, this, [this](qint64 bytes) { m_written += bytes; });
    connect(m_socket, &QIODevice::bytesWritten, this, &PhoneConnection::onBytesWritten);
    if (secure) {
        connect(secure, &QSslSocket::encryptedBytesWritten, this, &PhoneConnection::onBytesWritten);
        secure->startServerEncryption();
    }
}

void PhoneConnection::setStage(Stage stage)
{
    const bool wasPending = isPending();
    m_stage = stage;
    if (wasPending != isPending())
        m_worker->pendingChanged(*this, isPending() ? 1 : -1);
}

void PhoneConnection::onReadyRead()
{
    if (m_dropped)
        return;
    const qint64 now = m_worker->now();
    if (m_stage == Stage::Lingering || m_stage == Stage::Answering || m_stage == Stage::Routed) {
        // Nothing after the request is read as a request: it is discarded.
        const qint64 skipped = m_socket->skip(m_socket->bytesAvailable());
        if (m_stage == Stage::Lingering) {
            m_discarded += qMax<qint64>(0, skipped);
            m_lastActivity = now;
            if (m_discarded > m_worker->limits().lingerBytes)
                drop();
        }
        return;
    }
    const QByteArray chunk = m_socket->read(readChunk);
    if (chunk.isEmpty())
        return;
    m_lastActivity = now;
    m_buffer.append(chunk);
    const PhoneHttp::Parsed parsed = PhoneHttp::parse(m_buffer, m_worker->settings().token);
    switch (parsed.kind) {
    case PhoneHttp::Parsed::Kind::NeedHeaders:
        break;
    case PhoneHttp::Parsed::Kind::NeedBody:
        if (m_stage == Stage::Head) {
            m_windowStart = now;
            m_windowBytes = m_buffer.size() - (m_buffer.indexOf("\r\n\r\n") + 4);
            setStage(Stage::Body);
        } else {
            m_windowBytes += chunk.size();
        }
        break;
    case PhoneHttp::Parsed::Kind::Reject:
        refuse(parsed.status, parsed.message);
        return;
    case PhoneHttp::Parsed::Kind::Request:
        // Qt closes a socket whose peer half-closes; a second descriptor keeps
        // the connection for the answer. TLS has no half-close to keep.
        if (!m_secure)
            m_spare = ::fcntl(int(m_socket->socketDescriptor()), F_DUPFD_CLOEXEC, 0);
        setStage(Stage::Routed);
        m_buffer.clear();
        m_worker->route(this, parsed.request);
        return;
    }
    // More may already wait in the socket beyond this chunk.
    if (m_socket->bytesAvailable() > 0)
        QMetaObject::invokeMethod(this, &PhoneConnection::onReadyRead, Qt::QueuedConnection);
}

void PhoneConnection::checkDeadlines(qint64 now)
{
    if (m_dropped)
        return;
    const PhoneServer::Limits& limits = m_worker->limits();
    switch (m_stage) {
    case Stage::Head:
        // The handshake and the whole head, from the accept.
        if (now - m_acceptedAt >= limits.headTimeoutMs) {
            m_worker->refusals().note(QStringLiteral("closing a connection that sent no request in time"));
            drop();
        }
        break;
    case Stage::Body:
        if (now - m_lastActivity >= limits.idleTimeoutMs) {
            m_worker->refusals().note(QStringLiteral("closing a connection that stopped sending"));
            drop();
        } else if (now - m_windowStart >= limits.rateWindowMs) {
            if (m_windowBytes < limits.minBodyBytesPerWindow) {
                refuse(QStringLiteral("408 Request Timeout"), QStringLiteral("The request took too long."));
                return;
            }
            m_windowStart = now;
            m_windowBytes = 0;
        }
        break;
    case Stage::Routed:
        break;
    case Stage::Answering:
        // A client that does not read its answer is not waited for forever.
        if (now - m_lastActivity >= limits.idleTimeoutMs)
            drop();
        break;
    case Stage::Lingering:
        if (now - m_lastActivity >= limits.lingerMs || now - m_lingerStart >= limits.lingerTotalMs)
            drop();
        break;
    }
}

void PhoneConnection::refuse(const QString& status, const QString& message)
{
    m_worker->refusals().note(QStringLiteral("answered ") + status);
    answer(PhoneHttp::jsonResponse({{QStringLiteral("error"), message}}, status), true);
}

void PhoneConnection::answer(const QByteArray& bytes, bool linger)
{
    if (m_dropped || m_stage == Stage::Answering || m_stage == Stage::Lingering)
        return;
    m_lingers = linger;
    m_buffer.clear();
    m_buffer.squeeze();
    if (m_peerDone) {
        sendToClosedPeer(bytes);
        drop();
        return;
    }
    if (m_spare >= 0) {
        m_answer = bytes;
        m_written = 0;
    }
    setStage(Stage::Answering);
    m_lastActivity = m_worker->now();
    m_socket->write(bytes);
    onBytesWritten();
}

void PhoneConnection::onBytesWritten()
{
    if (m_stage != Stage::Answering)
        return;
    m_lastActivity = m_worker->now();
    qint64 waiting = m_socket->bytesToWrite();
    if (m_secure)
        waiting += static_cast<QSslSocket*>(m_socket)->encryptedBytesToWrite();
    if (waiting > 0)
        return;
    if (m_lingers) {
        linger();
        return;
    }
    m_socket->disconnectFromHost();
    if (m_socket->state() == QAbstractSocket::UnconnectedState)
        drop();
}

void PhoneConnection::linger()
{
    setStage(Stage::Lingering);
    m_lingerStart = m_lastActivity = m_worker->now();
    // A plain client learns at once that nothing more comes; TLS has no
    // half-close, its client reads the answer by its length.
    if (!m_secure)
        ::shutdown(int(m_socket->socketDescriptor()), SHUT_WR);
    onReadyRead();
}

void PhoneConnection::sendToClosedPeer(const QByteArray& bytes)
{
    // An answer is a few hundred bytes: the socket's buffer takes it at once,
    // the wait is only for a peer that reads nothing.
    qsizetype sent = 0;
    while (sent < bytes.size()) {
        const ssize_t n = ::send(m_spare, bytes.constData() + sent, size_t(bytes.size() - sent), MSG_NOSIGNAL);
        if (n > 0) {
            sent += n;
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        pollfd writable{m_spare, POLLOUT, 0};
        if (n < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)
            && ::poll(&writable, 1, int(m_worker->limits().idleTimeoutMs)) > 0)
            continue;
        break;
    }
    ::shutdown(m_spare, SHUT_WR);
}

void PhoneConnection::drop()
{
    if (m_dropped)
        return;
    m_dropped = true;
    if (m_spare >= 0)
        ::close(std::exchange(m_spare, -1));
    m_worker->closed(*this);
    m_stage = Stage::Routed; // no longer counted anywhere
    m_socket->disconnect(this);
    m_socket->abort();
    deleteLater();
}
