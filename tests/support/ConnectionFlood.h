#pragma once

#include <QHostAddress>
#include <QObject>
#include <QTimer>

#include <memory>
#include <vector>

class QTcpSocket;

// A hostile neighbour on loopback: connections that never send a request
// (idle), and connections that send a head without a token one byte at a
// time (dribbling), over TLS or plain TCP. Whatever the server closes is
// opened again on the next tick, as a device reconnecting would.
class ConnectionFlood final : public QObject
{
    Q_OBJECT

public:
    struct Target
    {
        quint16 port = 0;
        bool secure = false;
        // Another loopback address than the test's own clients: a device of its own.
        QHostAddress source = QHostAddress(QStringLiteral("127.0.0.2"));
    };

    ConnectionFlood(const Target& target, int idle, int dribbling, QObject* parent = nullptr);
    ~ConnectionFlood() override;

    // Connections open right now, and how many times one was reopened.
    int open() const;
    qint64 reopened() const { return m_reopened; }

private:
    struct Member;

    void tick();
    void connectMember(Member& member);

    Target m_target;
    std::vector<std::unique_ptr<Member>> m_members;
    QTimer m_dribble;
    QTimer m_reopen;
    qint64 m_reopened = 0;
};
