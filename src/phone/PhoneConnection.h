#pragma once

#include <QByteArray>
#include <QHostAddress>
#include <QObject>

class QSslConfiguration;
class QTcpSocket;
class PhoneWorker;

// One accepted connection on the server's thread: reads one request within
// the limits, hands it to the routes, writes the one answer, then reads and
// discards what the client still sends for a little while before closing, so
// that a client still uploading reads the answer instead of a reset.
class PhoneConnection final : public QObject
{
    Q_OBJECT

public:
    enum class Stage {
        Head,      // no complete, authorised head yet: on the short deadline
        Body,      // authorised; the body must keep arriving at the minimum rate
        Routed,    // with the routes or the audio handler: no deadline
        Answering, // the answer is being written
        Lingering, // answered; discarding what still comes before closing
    };

    // ssl is null for the plain listener.
    PhoneConnection(quint64 id, qintptr descriptor, const QSslConfiguration* ssl, PhoneWorker* worker);

    quint64 id() const { return m_id; }
    Stage stage() const { return m_stage; }
    const QHostAddress& peer() const { return m_peer; }
    // Not yet trusted with a slot of its own: the oldest of these is dropped
    // when too many wait.
    bool isPending() const { return m_stage == Stage::Head || m_stage == Stage::Lingering; }

    // Sends the whole answer and closes; a refusal lingers first, since its
    // client may still be sending. Later calls do nothing.
    void answer(const QByteArray& bytes, bool linger = false);
    // Applies the deadlines of the current stage at the time now (ms).
    void checkDeadlines(qint64 now);
    // Closes at once, without an answer.
    void drop();

private:
    void setStage(Stage stage);
    void onReadyRead();
    void onBytesWritten();
    void refuse(const QString& status, const QString& message);
    void linger();
    void sendToClosedPeer(const QByteArray& bytes);

    quint64 m_id;
    PhoneWorker* m_worker;
    QTcpSocket* m_socket = nullptr;
    QHostAddress m_peer;
    bool m_secure = false;
    Stage m_stage = Stage::Head;
    QByteArray m_buffer;
    qint64 m_acceptedAt = 0;
    qint64 m_lastActivity = 0;  // last byte read, or written while answering
    qint64 m_windowStart = 0;   // body rate window
    qint64 m_windowBytes = 0;
    qint64 m_lingerStart = 0;
    qint64 m_discarded = 0;
    bool m_lingers = false;
    bool m_dropped = false;
    int m_spare = -1;        // a second descriptor of a plain socket, once its request is complete
    bool m_peerDone = false; // the client closed its side after a complete request
    QByteArray m_answer;     // with m_spare: the answer, and how much of it reached the socket
    qint64 m_written = 0;
};
