#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

class QTcpServer;
class QTcpSocket;
class QTimer;

// A loopback HTTP server whose answer never ends: a flood of bytes as fast
// as the client takes them, or a trickle of one byte at a time.
class EndlessServer final : public QObject
{
    Q_OBJECT

public:
    enum class Pace { flood, trickle };

    explicit EndlessServer(Pace pace, QObject* parent = nullptr);
    ~EndlessServer() override;

    bool listen();
    QString url() const;
    int requests() const { return m_requests; }
    qint64 sent() const { return m_sent; }

private:
    void accept();
    void feed(QTcpSocket* socket);

    Pace m_pace;
    QTcpServer* m_server;
    QTimer* m_timer;
    QList<QPointer<QTcpSocket>> m_clients;
    int m_requests = 0;
    qint64 m_sent = 0;
};

// This process's resident memory now, in bytes.
qint64 residentBytes();
