#include "EndlessServer.h"

#include <QFile>
#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

namespace {

const QByteArray head = "HTTP/1.1 200 OK\r\nContent-Type: application/octet-stream\r\nConnection: close\r\n\r\n";

} // namespace

EndlessServer::EndlessServer(Pace pace, QObject* parent)
    : QObject(parent)
    , m_pace(pace)
    , m_server(new QTcpServer(this))
    , m_timer(new QTimer(this))
{
    connect(m_server, &QTcpServer::newConnection, this, &EndlessServer::accept);
    m_timer->setInterval(20);
    connect(m_timer, &QTimer::timeout, this, [this] {
        for (const QPointer<QTcpSocket>& socket : std::as_const(m_clients)) {
            if (socket && socket->state() == QAbstractSocket::ConnectedState) {
                socket->write("<");
                ++m_sent;
            }
        }
    });
}

EndlessServer::~EndlessServer() = default;

bool EndlessServer::listen()
{
    return m_server->listen(QHostAddress::LocalHost);
}

QString EndlessServer::url() const
{
    return QStringLiteral("http://127.0.0.1:%1").arg(m_server->serverPort());
}

void EndlessServer::accept()
{
    while (QTcpSocket* socket = m_server->nextPendingConnection()) {
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        connect(socket, &QTcpSocket::readyRead, this, [this, socket] {
            // Answered once the request's head is in.
            if (socket->property("answered").toBool() || !socket->readAll().contains("\r\n\r\n"))
                return;
            socket->setProperty("answered", true);
            ++m_requests;
            socket->write(head);
            if (m_pace == Pace::trickle) {
                m_clients.append(socket);
                m_timer->start();
                return;
            }
            connect(socket, &QTcpSocket::bytesWritten, this, [this, socket] { feed(socket); });
            feed(socket);
        });
    }
}

void EndlessServer::feed(QTcpSocket* socket)
{
    static const QByteArray chunk(64 * 1024, 'x');
    // Keep a little ahead of the client, never more.
    while (socket->bytesToWrite() < 4 * chunk.size()) {
        socket->write(chunk);
        m_sent += chunk.size();
    }
}

qint64 residentBytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLongLong() * 1024;
    }
    return 0;
}
