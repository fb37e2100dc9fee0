#include "phone/PhoneWorker.h"

#include "core/Log.h"
#include "core/LoggedError.h"
#include "phone/PhoneConnection.h"
#include "phone/PhoneRoutes.h"

#include <QTcpServer>

#include <unistd.h>

class PhoneWorker::Listener final : public QTcpServer
{
public:
    std::function<void(qintptr)> onAccept;

protected:
    void incomingConnection(qintptr descriptor) override { onAccept(descriptor); }
};

// Lets answers from any thread reach the worker only while it exists.
struct PhoneWorker::Gate
{
    std::mutex mutex;
    PhoneWorker* worker = nullptr;
};

PhoneWorker::PhoneWorker(PhoneServer* server, std::shared_ptr<PhoneServer::Shared> shared)
    : m_server(server)
    , m_shared(std::move(shared))
    , m_gate(std::make_shared<Gate>())
{
    m_gate->worker = this;
    m_elapsed.start();
    m_refusals.setInterval(m_settings.limits.logIntervalMs);
    m_sweep.setInterval(m_settings.limits.sweepMs);
    connect(&m_sweep, &QTimer::timeout, this, &PhoneWorker::sweep);
}

void PhoneWorker::setLimits(const PhoneServer::Limits& limits)
{
    m_settings.limits = limits;
    m_refusals.setInterval(limits.logIntervalMs);
    m_sweep.setInterval(limits.sweepMs);
}

PhoneWorker::~PhoneWorker()
{
    std::lock_guard lock(m_gate->mutex);
    m_gate->worker = nullptr;
}

std::unique_ptr<PhoneWorker::Listener> PhoneWorker::makeListener(quint16 port, bool secure, QString* error,
                                                                 quint16* bound)
{
    const QString label = secure ? QStringLiteral("https") : QStringLiteral("http");
    auto listener = std::make_unique<Listener>();
    listener->onAccept = [this, secure](qintptr descriptor) { accept(descriptor, secure); };
    if (!listener->listen(QHostAddress::Any, port)) {
        const QString description = LoggedError::of(listener->serverError());
        const bool inUse = listener->serverError() == QAbstractSocket::AddressInUseError;
        Log::write(QStringLiteral("phone server (") + label + QStringLiteral("): port ") + QString::number(port)
                   + (inUse ? QStringLiteral(" is already in use") : QStringLiteral(" failed: ") + description));
        *error = PhoneServer::listenFailureText(port, listener->serverError());
        return nullptr;
    }
    *bound = listener->serverPort();
    Log::write(QStringLiteral("phone server (") + label + QStringLiteral(") listening on ") + QString::number(*bound));
    const quint64 generation = m_generation;
    QObject::connect(listener.get(), &QTcpServer::acceptError, this, [this, label, secure, generation, raw = listener.get()] {
        const QString description = LoggedError::of(raw->serverError());
        Log::write(QStringLiteral("phone server (") + label + QStringLiteral(") failed: ") + description);
        QMetaObject::invokeMethod(m_server, [server = m_server, secure, generation] {
            server->listenerFailed(secure, generation);
        });
    });
    return listener;
}

PhoneWorker::Listening PhoneWorker::listen(quint16 port, std::optional<quint16> plainPort,
                                           const ServerIdentity::Identity& identity, const Settings& settings)
{
    close();
    m_settings = settings;
    m_ssl = QSslConfiguration::defaultConfiguration();
    m_ssl.setLocalCertificate(identity.certificate);
    m_ssl.setPrivateKey(identity.key);
    m_ssl.setPeerVerifyMode(QSslSocket::VerifyNone);

    Listening result;
    result.generation = m_generation;
    m_secure = makeListener(port, true, &result.secureError, &result.securePort);
    result.secureOk = m_secure != nullptr;
    if (plainPort) {
        m_plain = makeListener(*plainPort, false, &result.plainError, &result.plainPort);
        result.plainOk = m_plain != nullptr;
    }
    return result;
}

void PhoneWorker::close()
{
    // Accepted connections finish on their own.
    ++m_generation;
    m_secure.reset();
    m_plain.reset();
    m_refusals.flush();
}

void PhoneWorker::accept(qintptr descriptor, bool secure)
{
    const PhoneServer::Limits& limits = m_settings.limits;
    // A newcomer is never refused for the sake of connections that have not
    // shown the token: the oldest of those makes room instead.
    if (m_pending >= limits.pendingBudget && dropOldestPending())
        m_refusals.note(QStringLiteral("dropped the oldest connection still without a request"));
    if (m_open >= limits.maxConnections && !dropOldestPending()) {
        // Every slot holds a client with the token: nothing to answer yet.
        m_refusals.note(QStringLiteral("too many connections; closed a new one"));
        ::close(int(descriptor));
        return;
    }
    const quint64 id = m_nextId++;
    ++m_open;
    auto* connection = new PhoneConnection(id, descriptor, secure ? &m_ssl : nullptr, this);
    m_connections.emplace(id, connection);
    QObject::connect(connection, &QObject::destroyed, this, [this, id] {
        m_connections.erase(id);
        if (m_connections.empty())
            m_sweep.stop();
    });
    if (!m_sweep.isActive())
        m_sweep.start();
}

void PhoneWorker::pendingChanged(const PhoneConnection& connection, int delta)
{
    m_pending += delta;
    int& count = m_pendingByPeer[connection.peer()];
    count += delta;
    if (count <= 0)
        m_pendingByPeer.remove(connection.peer());
}

void PhoneWorker::closed(const PhoneConnection& connection)
{
    --m_open;
    if (connection.isPending())
        pendingChanged(connection, -1);
}

bool PhoneWorker::dropOldestPending()
{
    // The device holding the most waiting connections gives one up: a
    // neighbour's flood never pushes out the phone's own connection.
    QHostAddress busiest;
    int most = 0;
    for (auto it = m_pendingByPeer.constBegin(); it != m_pendingByPeer.constEnd(); ++it) {
        if (it.value() > most) {
            most = it.value();
            busiest = it.key();
        }
    }
    if (most == 0)
        return false;
    for (const auto& [id, connection] : m_connections) {
        if (connection->isPending() && connection->peer() == busiest) {
            connection->drop();
            return true;
        }
    }
    return false;
}

void PhoneWorker::sweep()
{
    // Connections close by deleteLater(), so none leaves the map meanwhile.
    const qint64 time = now();
    for (const auto& [id, connection] : m_connections)
        connection->checkDeadlines(time);
}

void PhoneWorker::route(PhoneConnection* connection, const PhoneHttp::Request& request)
{
    PhoneRoutes::Decision decision = PhoneRoutes::route(request, m_settings.token, [this] { return m_shared->status(); });
    if (decision.seen)
        QMetaObject::invokeMethod(m_server, &PhoneServer::seen, Qt::QueuedConnection);
    if (!decision.upload) {
        connection->answer(decision.answer);
        return;
    }
    const quint64 id = connection->id();
    AudioReply reply([gate = m_gate, id](const AudioOutcome& outcome) {
        const QByteArray bytes = outcome.ok
            ? PhoneHttp::jsonResponse({{QStringLiteral("text"), outcome.text}}, QStringLiteral("200 OK"))
            : PhoneHttp::jsonResponse({{QStringLiteral("error"), outcome.error}},
                                      QStringLiteral("500 Internal Server Error"));
        std::lock_guard lock(gate->mutex);
        if (PhoneWorker* worker = gate->worker)
            QMetaObject::invokeMethod(worker, [worker, id, bytes] { worker->answer(id, bytes); }, Qt::QueuedConnection);
    });
    QMetaObject::invokeMethod(
        m_server,
        [server = m_server, audio = std::move(decision.audio), type = decision.contentType, reply] {
            server->deliverUpload(audio, type, reply);
        },
        Qt::QueuedConnection);
}

void PhoneWorker::answer(quint64 id, const QByteArray& bytes)
{
    if (const auto found = m_connections.find(id); found != m_connections.end())
        found->second->answer(bytes);
}
