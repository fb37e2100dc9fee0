#include "phone/PhoneConnection.h"

#include "core/Log.h"
#include "phone/PhoneHttp.h"
#include "phone/PhoneWorker.h"

#include <QSslConfiguration>
#include <QSslSocket>

namespace {

// One chunk is at most this much, so a big upload arrives in many reads.
constexpr qint64 readChunk = 1048576;

} // namespace

PhoneConnection::PhoneConnection(quint64 id, qintptr descriptor, const QSslConfiguration* ssl, Mode mode,
                                 PhoneWorker* worker)
    : QObject(worker)
    , m_id(id)
    , m_mode(mode)
    , m_worker(worker)
{
    QSslSocket* secure = nullptr;
    if (ssl) {
        secure = new QSslSocket(this);
        secure->setSslConfiguration(*ssl);
        m_socket = secure;
    } else {
        m_socket = new QTcpSocket(this);
    }
    m_socket->setReadBufferSize(readChunk);
    if (!m_socket->setSocketDescriptor(descriptor)) {
        QMetaObject::invokeMethod(this, &QObject::deleteLater, Qt::QueuedConnection);
        return;
    }

    connect(m_socket, &QAbstractSocket::disconnected, this, &PhoneConnection::onPeerFinished);
    connect(m_socket, &QAbstractSocket::errorOccurred, this, [this](QAbstractSocket::SocketError error) {
        if (m_answering || error == QAbstractSocket::RemoteHostClosedError) {
            onPeerFinished();
            return;
        }
        Log::write(QStringLiteral("phone server read error: ") + m_socket->errorString());
        drop();
    });

    const PhoneWorker::Settings& settings = m_worker->settings();
    m_idle.setSingleShot(true);
    m_deadline.setSingleShot(true);
    connect(&m_idle, &QTimer::timeout, this, [this] {
        Log::write(QStringLiteral("phone server: closing a connection that stopped sending"));
        drop();
    });
    connect(&m_deadline, &QTimer::timeout, this, [this] {
        refuse(QStringLiteral("408 Request Timeout"), QStringLiteral("The request took too long."));
    });
    // The handshake and the whole head must come within the idle time.
    m_idle.start(settings.limits.idleTimeoutMs);

    if (m_mode == Mode::TurnAway) {
        const auto turnAway = [this] {
            refuse(QStringLiteral("503 Service Unavailable"), QStringLiteral("Too many connections. Try again in a moment."));
        };
        if (secure)
            connect(secure, &QSslSocket::encrypted, this, turnAway);
        else
            QMetaObject::invokeMethod(this, turnAway, Qt::QueuedConnection);
    } else {
        m_deadline.start(settings.limits.requestDeadlineMs);
        connect(m_socket, &QIODevice::readyRead, this, &PhoneConnection::onReadyRead);
    }
    if (secure)
        secure->startServerEncryption();
}

void PhoneConnection::onReadyRead()
{
    if (m_complete)
        return;
    m_buffer.append(m_socket->read(readChunk));
    const PhoneHttp::Parsed parsed = PhoneHttp::parse(m_buffer, m_worker->settings().token);
    switch (parsed.kind) {
    case PhoneHttp::Parsed::Kind::NeedHeaders:
        break;
    case PhoneHttp::Parsed::Kind::NeedBody:
        m_idle.start();
        break;
    case PhoneHttp::Parsed::Kind::Reject:
        refuse(parsed.status, parsed.message);
        return;
    case PhoneHttp::Parsed::Kind::Request:
        m_complete = true;
        m_idle.stop();
        m_deadline.stop();
        m_buffer.clear();
        m_worker->route(this, parsed.request);
        return;
    }
    // More may already wait in the socket beyond this chunk.
    if (m_socket->bytesAvailable() > 0)
        QMetaObject::invokeMethod(this, &PhoneConnection::onReadyRead, Qt::QueuedConnection);
}

void PhoneConnection::onPeerFinished()
{
    // The peer went away: before a whole request it gets no answer; after,
    // there is nobody left to answer.
    drop();
}

void PhoneConnection::refuse(const QString& status, const QString& message)
{
    m_complete = true;
    m_deadline.stop();
    Log::write(QStringLiteral("phone server: answered ") + status);
    answer(PhoneHttp::jsonResponse({{QStringLiteral("error"), message}}, status));
}

void PhoneConnection::answer(const QByteArray& bytes)
{
    if (m_answering)
        return;
    m_answering = true;
    m_complete = true;
    m_deadline.stop();
    // A client that does not read its answer is not waited for forever.
    m_idle.start(m_worker->settings().limits.idleTimeoutMs);
    disconnect(&m_idle, nullptr, this, nullptr);
    connect(&m_idle, &QTimer::timeout, this, &PhoneConnection::drop);
    m_socket->write(bytes);
    m_socket->disconnectFromHost();
    if (m_socket->state() == QAbstractSocket::UnconnectedState)
        drop();
}

void PhoneConnection::drop()
{
    m_idle.stop();
    m_deadline.stop();
    m_complete = true;
    m_answering = true;
    m_socket->disconnect(this);
    m_socket->abort();
    deleteLater();
}
