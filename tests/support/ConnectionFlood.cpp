#include "ConnectionFlood.h"

#include <QSslConfiguration>
#include <QSslSocket>

namespace {

// The head a dribbler never finishes: no token, and no blank line.
const QByteArray dribbledHead = "GET /status HTTP/1.1\r\nHost: phone\r\nX-Padding: "
                                + QByteArray(4000, 'p');

} // namespace

struct ConnectionFlood::Member
{
    bool dribbles = false;
    std::unique_ptr<QTcpSocket> socket;
    qsizetype sent = 0;
};

ConnectionFlood::ConnectionFlood(const Target& target, int idle, int dribbling, QObject* parent)
    : QObject(parent)
    , m_target(target)
{
    for (int i = 0; i < idle + dribbling; ++i) {
        auto member = std::make_unique<Member>();
        member->dribbles = i >= idle;
        connectMember(*member);
        m_members.push_back(std::move(member));
    }
    connect(&m_dribble, &QTimer::timeout, this, &ConnectionFlood::tick);
    m_dribble.start(200);
    connect(&m_reopen, &QTimer::timeout, this, [this] {
        for (auto& member : m_members) {
            if (member->socket->state() == QAbstractSocket::UnconnectedState) {
                connectMember(*member);
                ++m_reopened;
            }
        }
    });
    m_reopen.start(1000);
}

ConnectionFlood::~ConnectionFlood() = default;

void ConnectionFlood::connectMember(Member& member)
{
    member.sent = 0;
    if (member.dribbles && m_target.secure) {
        auto* socket = new QSslSocket;
        QSslConfiguration config = QSslConfiguration::defaultConfiguration();
        config.setPeerVerifyMode(QSslSocket::VerifyNone);
        socket->setSslConfiguration(config);
        socket->bind(m_target.source);
        socket->connectToHostEncrypted(QStringLiteral("127.0.0.1"), m_target.port);
        member.socket.reset(socket);
    } else {
        // An idle member on the TLS port does not even start the handshake.
        member.socket = std::make_unique<QTcpSocket>();
        member.socket->bind(m_target.source);
        member.socket->connectToHost(QStringLiteral("127.0.0.1"), m_target.port);
    }
}

void ConnectionFlood::tick()
{
    for (auto& member : m_members) {
        if (!member->dribbles || member->sent >= dribbledHead.size())
            continue;
        auto* ssl = qobject_cast<QSslSocket*>(member->socket.get());
        const bool ready = ssl ? ssl->isEncrypted() : member->socket->state() == QAbstractSocket::ConnectedState;
        if (ready && member->socket->write(dribbledHead.mid(member->sent, 1)) == 1)
            ++member->sent;
    }
}

int ConnectionFlood::open() const
{
    int count = 0;
    for (const auto& member : m_members)
        count += member->socket->state() == QAbstractSocket::ConnectedState ? 1 : 0;
    return count;
}
