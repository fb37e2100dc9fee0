#include "phone/PhoneServer.h"

#include "core/L10n.h"
#include "core/Log.h"
#include "phone/LocalAddresses.h"
#include "phone/PhoneWorker.h"

#include <QAbstractSocket>
#include <QThread>

#include <sys/resource.h>

#include <algorithm>

PhoneServer::PhoneServer(QObject* parent)
    : QObject(parent)
    , m_shared(std::make_shared<Shared>())
    , m_thread(new QThread(this))
{
    m_thread->setObjectName(QStringLiteral("kesto.phone-server"));
    m_worker = new PhoneWorker(this, m_shared);
    m_worker->moveToThread(m_thread);
    m_thread->start();
}

PhoneServer::~PhoneServer()
{
    QMetaObject::invokeMethod(m_worker, [worker = m_worker] { delete worker; }, Qt::BlockingQueuedConnection);
    m_thread->quit();
    m_thread->wait();
}

void PhoneServer::setAudioHandler(AudioHandler handler)
{
    m_audioHandler = std::move(handler);
}

void PhoneServer::setStatusText(StatusText statusText)
{
    std::lock_guard lock(m_shared->mutex);
    m_shared->statusText = std::move(statusText);
}

void PhoneServer::setLimits(const Limits& limits)
{
    QMetaObject::invokeMethod(m_worker, [worker = m_worker, limits] { worker->setLimits(limits); },
                              Qt::BlockingQueuedConnection);
}

void PhoneServer::setTimeSource(std::function<qint64()> monotonicMs)
{
    QMetaObject::invokeMethod(m_worker, [worker = m_worker, fn = std::move(monotonicMs)] { worker->setTimeSource(fn); },
                              Qt::BlockingQueuedConnection);
}

int PhoneServer::defaultMaxConnections()
{
    // One descriptor per connection; a few hundred stay for the rest of the
    // application (sound, display, the bus, files, the Gemini connection).
    constexpr rlim_t reserved = 256;
    rlimit files{};
    if (getrlimit(RLIMIT_NOFILE, &files) != 0 || files.rlim_cur == RLIM_INFINITY)
        return 1024;
    const rlim_t spare = files.rlim_cur > 2 * reserved ? files.rlim_cur - reserved : files.rlim_cur / 2;
    return int(std::clamp<rlim_t>(spare / 2, 32, 4096));
}

QStringList PhoneServer::localAddresses()
{
    return LocalAddresses::localAddresses();
}

QStringList PhoneServer::currentAddresses() const
{
    return m_addressSource ? m_addressSource() : localAddresses();
}

QString PhoneServer::listenFailureText(quint16 port, int socketError)
{
    const QString number = QString::number(port);
    switch (QAbstractSocket::SocketError(socketError)) {
    case QAbstractSocket::AddressInUseError:
        return L10n::tr("Port %1 is already in use.").arg(number);
    case QAbstractSocket::SocketAccessError:
        // Ports below 1024 need administrator rights on Linux.
        return L10n::tr("Port %1 needs administrator rights. Choose a port above 1023.").arg(number);
    default:
        return L10n::tr("Port %1 could not be opened.").arg(number);
    }
}

void PhoneServer::start(quint16 port, std::optional<quint16> plainPort, const QString& token)
{
    stop();
    m_lastError.clear();
    m_port = port;
    m_token = token;
    m_addresses = currentAddresses();

    const std::optional<ServerIdentity::Identity> identity = ServerIdentity::loadOrCreate(m_addresses);
    if (!identity) {
        m_lastError = L10n::tr("Could not create the HTTPS certificate.");
        Log::write(QStringLiteral("phone server: could not create the HTTPS certificate"));
        Q_EMIT stateChanged();
        return;
    }

    PhoneWorker::Settings settings;
    settings.token = token;
    PhoneWorker::Listening listening;
    QMetaObject::invokeMethod(
        m_worker,
        [&] {
            settings.limits = m_worker->settings().limits;
            listening = m_worker->listen(port, plainPort, *identity, settings);
        },
        Qt::BlockingQueuedConnection);

    m_generation = listening.generation;
    m_isRunning = listening.secureOk;
    if (listening.secureOk)
        m_port = listening.securePort;
    else
        m_lastError = listening.secureError;
    if (plainPort) {
        m_plainPort = listening.plainOk ? listening.plainPort : *plainPort;
        m_plainIsRunning = listening.plainOk;
    }
    Q_EMIT stateChanged();
}

void PhoneServer::stop()
{
    QMetaObject::invokeMethod(m_worker, [worker = m_worker] { worker->close(); }, Qt::BlockingQueuedConnection);
    m_generation = 0; // late reports of the closed listeners are dropped
    const bool changed = m_isRunning || m_plainIsRunning;
    m_isRunning = false;
    m_plainIsRunning = false;
    if (changed)
        Q_EMIT stateChanged();
}

QString PhoneServer::pageUrl(const QString& address) const
{
    return QStringLiteral("https://") + address + QLatin1Char(':') + QString::number(m_port) + QStringLiteral("/?t=")
           + m_token;
}

QString PhoneServer::uploadUrl(const QString& address) const
{
    return QStringLiteral("http://") + address + QLatin1Char(':') + QString::number(m_plainPort)
           + QStringLiteral("/audio?t=") + m_token;
}

void PhoneServer::deliverUpload(const QByteArray& audio, const QString& contentType, const AudioReply& reply)
{
    if (!m_audioHandler) {
        Log::write(QStringLiteral("phone server: no handler for the upload"));
        reply(AudioOutcome::failure(AudioReply::notTranscribedText()));
        return;
    }
    m_audioHandler(audio, contentType, reply);
}

void PhoneServer::listenerFailed(bool secure, quint64 generation)
{
    if (generation != m_generation)
        return;
    if (secure) {
        m_isRunning = false;
        m_lastError = L10n::tr("The phone server stopped accepting connections.");
    } else {
        m_plainIsRunning = false;
    }
    Q_EMIT stateChanged();
}
