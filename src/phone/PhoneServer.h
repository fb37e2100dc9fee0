#pragma once

#include "phone/AudioReply.h"
#include "phone/ServerIdentity.h"

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>
#include <optional>

class QThread;
class PhoneWorker;

// The phone link's server: a TLS listener for the page and, optionally, a
// plain one for direct uploads, both on a thread of their own. Lives on the
// main thread; start(), stop() and every getter are called there. Failures
// are reported through lastError() and the running flags, never thrown.
class PhoneServer final : public QObject
{
    Q_OBJECT

public:
    // Called on the main thread with the uploaded bytes as received and their
    // content type; answer through reply, now or later, from any thread.
    using AudioHandler = std::function<void(const QByteArray& audio, const QString& contentType, AudioReply reply)>;
    // Called on the server's thread for GET /status: must be thread-safe.
    using StatusText = std::function<QString()>;

    struct Limits
    {
        // From the accept to a complete, authorised head, TLS handshake included.
        int headTimeoutMs = 10000;
        // Silence allowed while a body arrives or an answer is read.
        int idleTimeoutMs = 30000;
        // A body may take as long as it needs while each window brings this much.
        int rateWindowMs = 30000;
        qint64 minBodyBytesPerWindow = 32768;
        // Connections without an authorised head yet: when this many wait,
        // the oldest of those of the device holding the most makes room for
        // a newcomer.
        int pendingBudget = 64;
        // All connections at once, whatever their stage.
        int maxConnections = defaultMaxConnections();
        // After an answer: what the client still sends is read and discarded
        // until it has been silent for lingerMs, or for lingerTotalMs, or
        // past lingerBytes.
        int lingerMs = 2000;
        int lingerTotalMs = 20000;
        qint64 lingerBytes = 64 * 1024 * 1024;
        // How often the deadlines are looked at while connections are open.
        int sweepMs = 1000;
        // Refusals are logged as one count per kind and interval.
        int logIntervalMs = 60000;
        bool operator==(const Limits&) const = default;
    };

    // What the process's open-file limit comfortably allows, leaving the rest
    // of the application its files.
    static int defaultMaxConnections();

    explicit PhoneServer(QObject* parent = nullptr);
    ~PhoneServer() override;

    void setAudioHandler(AudioHandler handler);
    void setStatusText(StatusText statusText);
    void setLimits(const Limits& limits);
    // Milliseconds on a monotonic counter for the connections' deadlines;
    // tests drive it instead of waiting. Called on the server's thread.
    void setTimeSource(std::function<qint64()> monotonicMs);

    // Stops first, then makes or reuses the TLS identity for the current
    // local addresses and starts the listeners. Port 0 picks a free port.
    void start(quint16 port, std::optional<quint16> plainPort, const QString& token);
    void stop();

    bool isRunning() const { return m_isRunning; }
    bool plainIsRunning() const { return m_plainIsRunning; }
    QString lastError() const { return m_lastError; }
    quint16 port() const { return m_port; }
    quint16 plainPort() const { return m_plainPort; }
    QString token() const { return m_token; }
    // The addresses the running identity was made for, best first.
    QStringList addresses() const { return m_addresses; }

    // "https://<address>:<port>/?t=<token>", the link the QR code carries.
    QString pageUrl(const QString& address) const;
    // "http://<address>:<plain port>/audio?t=<token>", for direct uploads.
    QString uploadUrl(const QString& address) const;

    static QStringList localAddresses();
    // The addresses a start would use now: localAddresses(), unless a test
    // gave a source of its own.
    QStringList currentAddresses() const;
    void setAddressSource(std::function<QStringList()> source) { m_addressSource = std::move(source); }

    // The sentence for a listener that could not start; the socket's own
    // text is for the log.
    static QString listenFailureText(quint16 port, int socketError);

Q_SIGNALS:
    // The phone was heard from: every request but font requests.
    void seen();
    // isRunning, plainIsRunning or lastError changed.
    void stateChanged();

private:
    friend class PhoneWorker;
    void deliverUpload(const QByteArray& audio, const QString& contentType, const AudioReply& reply);
    void listenerFailed(bool secure, quint64 generation);

    struct Shared;
    std::shared_ptr<Shared> m_shared;
    QThread* m_thread = nullptr;
    PhoneWorker* m_worker = nullptr;
    AudioHandler m_audioHandler;
    std::function<QStringList()> m_addressSource;
    bool m_isRunning = false;
    bool m_plainIsRunning = false;
    QString m_lastError;
    quint16 m_port = 8765;
    quint16 m_plainPort = 8766;
    QString m_token;
    QStringList m_addresses;
    quint64 m_generation = 0;
};
