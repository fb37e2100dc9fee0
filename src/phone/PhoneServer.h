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
        int idleTimeoutMs = 30000;      // silence allowed while a request arrives
        int requestDeadlineMs = 180000; // accept to complete request, whatever the pace
        int maxConnections = 32;        // served at once; more are turned away
        bool operator==(const Limits&) const = default;
    };

    explicit PhoneServer(QObject* parent = nullptr);
    ~PhoneServer() override;

    void setAudioHandler(AudioHandler handler);
    void setStatusText(StatusText statusText);
    void setLimits(const Limits& limits);

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

    // The sentence for a listener that could not start.
    static QString listenFailureText(quint16 port, int socketError, const QString& description);

Q_SIGNALS:
    // The phone was heard from: every request but font requests.
    void seen();
    // isRunning, plainIsRunning or lastError changed.
    void stateChanged();

private:
    friend class PhoneWorker;
    void deliverUpload(const QByteArray& audio, const QString& contentType, const AudioReply& reply);
    void listenerFailed(bool secure, const QString& message, quint64 generation);

    struct Shared;
    std::shared_ptr<Shared> m_shared;
    QThread* m_thread = nullptr;
    PhoneWorker* m_worker = nullptr;
    AudioHandler m_audioHandler;
    bool m_isRunning = false;
    bool m_plainIsRunning = false;
    QString m_lastError;
    quint16 m_port = 8765;
    quint16 m_plainPort = 8766;
    QString m_token;
    QStringList m_addresses;
    quint64 m_generation = 0;
};
