#pragma once

#include <QByteArray>
#include <QObject>
#include <QTimer>

class QSslConfiguration;
class QTcpSocket;
class PhoneWorker;

// One accepted connection on the server's thread: reads one request within
// the limits, hands it to the routes, writes the one answer and closes.
class PhoneConnection final : public QObject
{
    Q_OBJECT

public:
    enum class Mode { Serve, TurnAway };

    // ssl is null for the plain listener.
    PhoneConnection(quint64 id, qintptr descriptor, const QSslConfiguration* ssl, Mode mode, PhoneWorker* worker);

    quint64 id() const { return m_id; }
    bool isServing() const { return m_mode == Mode::Serve; }

    // Sends the whole answer, then closes; later calls do nothing.
    void answer(const QByteArray& bytes);

private:
    void onReadyRead();
    void onPeerFinished();
    void refuse(const QString& status, const QString& message);
    void drop();

    quint64 m_id;
    Mode m_mode;
    PhoneWorker* m_worker;
    QTcpSocket* m_socket = nullptr;
    QByteArray m_buffer;
    QTimer m_idle;
    QTimer m_deadline;
    bool m_complete = false;  // a request or refusal was parsed: no more reading
    bool m_answering = false;
};
