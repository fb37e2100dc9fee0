#pragma once

#include "phone/PhoneHttp.h"
#include "phone/PhoneServer.h"
#include "phone/RefusalLog.h"

#include <QElapsedTimer>
#include <QHash>
#include <QHostAddress>
#include <QObject>
#include <QSslConfiguration>
#include <QTimer>

#include <map>
#include <memory>
#include <mutex>
#include <optional>

class QTcpServer;
class PhoneConnection;

// Shared between the main thread and the server's thread.
struct PhoneServer::Shared
{
    std::mutex mutex;
    StatusText statusText;

    QString status()
    {
        std::lock_guard lock(mutex);
        return statusText ? statusText() : QStringLiteral("Ready");
    }
};

// The server's side on its own thread: listeners, accepted connections, their
// budgets and deadlines, and routing. Every method runs on that thread.
class PhoneWorker final : public QObject
{
    Q_OBJECT

public:
    struct Settings
    {
        QString token;
        PhoneServer::Limits limits;
    };

    struct Listening
    {
        bool secureOk = false;
        quint16 securePort = 0;
        QString secureError;
        bool plainOk = false;
        quint16 plainPort = 0;
        QString plainError;
        quint64 generation = 0;
    };

    PhoneWorker(PhoneServer* server, std::shared_ptr<PhoneServer::Shared> shared);
    ~PhoneWorker() override;

    Listening listen(quint16 port, std::optional<quint16> plainPort, const ServerIdentity::Identity& identity,
                     const Settings& settings);
    void close();
    void setLimits(const PhoneServer::Limits& limits);
    void setTimeSource(std::function<qint64()> monotonicMs) { m_timeSource = std::move(monotonicMs); }

    const Settings& settings() const { return m_settings; }
    const PhoneServer::Limits& limits() const { return m_settings.limits; }
    qint64 now() const { return m_timeSource ? m_timeSource() : m_elapsed.elapsed(); }
    RefusalLog& refusals() { return m_refusals; }

    void route(PhoneConnection* connection, const PhoneHttp::Request& request);
    // A connection entered (+1) or left (-1) the pending pool.
    void pendingChanged(const PhoneConnection& connection, int delta);
    // A connection closed; it goes from the map once deleted.
    void closed(const PhoneConnection& connection);

private:
    class Listener;
    struct Gate;

    void accept(qintptr descriptor, bool secure);
    bool dropOldestPending();
    void sweep();
    std::unique_ptr<Listener> makeListener(quint16 port, bool secure, QString* error, quint16* bound);
    void answer(quint64 id, const QByteArray& bytes);

    PhoneServer* m_server;
    std::shared_ptr<PhoneServer::Shared> m_shared;
    std::shared_ptr<Gate> m_gate;
    std::unique_ptr<Listener> m_secure;
    std::unique_ptr<Listener> m_plain;
    QSslConfiguration m_ssl;
    Settings m_settings;
    // By id, so in the order of their accept.
    std::map<quint64, PhoneConnection*> m_connections;
    int m_open = 0; // connections not yet closed
    int m_pending = 0;
    QHash<QHostAddress, int> m_pendingByPeer;
    QTimer m_sweep{this}; // children, so they move to the server's thread
    QElapsedTimer m_elapsed;
    std::function<qint64()> m_timeSource;
    RefusalLog m_refusals{this};
    quint64 m_nextId = 1;
    quint64 m_generation = 0;
};
