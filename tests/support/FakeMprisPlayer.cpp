#include "FakeMprisPlayer.h"

#include <QDBusAbstractAdaptor>
#include <QDBusConnection>
#include <QMutexLocker>

namespace {

class PlayerObject final : public QObject
{
    Q_OBJECT

public:
    explicit PlayerObject(FakeMprisPlayer* owner)
        : m_owner(owner)
    {
    }
    FakeMprisPlayer* owner() const { return m_owner; }

private:
    FakeMprisPlayer* m_owner;
};

class PlayerAdaptor final : public QDBusAbstractAdaptor
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.mpris.MediaPlayer2.Player")
    Q_PROPERTY(QString PlaybackStatus READ playbackStatus)

public:
    explicit PlayerAdaptor(PlayerObject* parent)
        : QDBusAbstractAdaptor(parent)
        , m_owner(parent->owner())
    {
    }

    QString playbackStatus() const { return m_owner->status(); }

public Q_SLOTS:
    void Play() { m_owner->called(QStringLiteral("Play"), QStringLiteral("Playing")); }
    void Pause() { m_owner->called(QStringLiteral("Pause"), QStringLiteral("Paused")); }
    void Stop() { m_owner->called(QStringLiteral("Stop"), QStringLiteral("Stopped")); }
    void PlayPause()
    {
        const bool playing = m_owner->status() == QLatin1String("Playing");
        m_owner->called(QStringLiteral("PlayPause"), playing ? QStringLiteral("Paused") : QStringLiteral("Playing"));
    }

private:
    FakeMprisPlayer* m_owner;
};

} // namespace

FakeMprisPlayer::FakeMprisPlayer(const QString& name, const QString& status)
    : m_busName(QStringLiteral("org.mpris.MediaPlayer2.") + name)
    , m_status(status)
{
    m_thread.start();
    auto* player = new PlayerObject(this);
    new PlayerAdaptor(player);
    player->moveToThread(&m_thread);
    m_player = player;
    QMetaObject::invokeMethod(
        player,
        [this, player] {
            QDBusConnection bus = QDBusConnection::connectToBus(QDBusConnection::SessionBus, m_busName);
            m_registered = bus.registerObject(QStringLiteral("/org/mpris/MediaPlayer2"), player)
                && bus.registerService(m_busName);
        },
        Qt::BlockingQueuedConnection);
}

FakeMprisPlayer::~FakeMprisPlayer()
{
    QMetaObject::invokeMethod(
        m_player,
        [this] {
            QDBusConnection bus(m_busName);
            bus.unregisterService(m_busName);
            bus.unregisterObject(QStringLiteral("/org/mpris/MediaPlayer2"));
            delete m_player;
        },
        Qt::BlockingQueuedConnection);
    QDBusConnection::disconnectFromBus(m_busName);
    m_thread.quit();
    m_thread.wait();
}

QString FakeMprisPlayer::status() const
{
    QMutexLocker lock(&m_mutex);
    return m_status;
}

QStringList FakeMprisPlayer::calls() const
{
    QMutexLocker lock(&m_mutex);
    return m_calls;
}

void FakeMprisPlayer::called(const QString& method, const QString& newStatus)
{
    QMutexLocker lock(&m_mutex);
    m_calls << method;
    m_status = newStatus;
}

#include "FakeMprisPlayer.moc"
