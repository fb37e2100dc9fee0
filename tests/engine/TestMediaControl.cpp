#include "engine/MediaControl.h"

#include "core/Log.h"
#include "platform/AudioOutputs.h"

#include "FakeClock.h"
#include "FakeMprisPlayer.h"
#include "PrivateBus.h"
#include "PrivateSoundServer.h"
#include "TempDataDir.h"

#include <QProcess>
#include <QtTest>

#include <memory>

namespace {

// A process that plays (silence) into the test speaker, named as binary.
class Stream final
{
public:
    explicit Stream(const QString& binary)
    {
        m_process.start(QStringLiteral("pacat"),
                        {QStringLiteral("--playback"), QStringLiteral("--device=testspeaker"),
                         QStringLiteral("--property=application.process.binary=") + binary, QStringLiteral("/dev/zero")});
    }
    ~Stream()
    {
        m_process.kill();
        m_process.waitForFinished(3000);
    }
    qint32 pid() const { return qint32(m_process.processId()); }

    // Waits until the sound server lists the stream.
    bool waitUntilPlaying() const
    {
        return QTest::qWaitFor([this] {
            const QList<AudioOutput> outputs = AudioOutputs::playing(nullptr);
            return std::any_of(outputs.begin(), outputs.end(), [this](const AudioOutput& o) { return o.pid == pid(); });
        }, 5000);
    }

private:
    QProcess m_process;
};

} // namespace

// Pausing and resuming media players over a session bus of its own, with
// real streams on a sound server of its own telling who plays: tests running
// beside it play sounds and talk to players too.
class TestMediaControl final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void callApplicationRule_data();
    void callApplicationRule();
    void startedPlayersAreNewProcesses();
    void pausesAndResumesExactlyThePlayingPlayers();
    void callApplicationAloneIsLeftAlone();
    void callApplicationWithMusicPauses();
    void nothingPlayingPausesNothing();
    void playerStartedMeanwhileUndoesThePause();
    void newPauseCancelsThePendingCheck();

private:
    QByteArray log();

    PrivateBus m_bus;
    PrivateSoundServer m_sound;
    TempDataDir m_dataDir;
    FakeClock m_clock;
};

void TestMediaControl::initTestCase()
{
    QVERIFY2(m_bus.started(), "dbus-daemon did not start");
    QVERIFY2(m_sound.started(), "pulseaudio did not start");
    QString error;
    AudioOutputs::playing(&error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    MediaControl::setClock(m_clock);
}

void TestMediaControl::init()
{
    Log::flush();
    Log::reset();
}

void TestMediaControl::cleanup()
{
    MediaControl::resume();
    m_clock.advance(1000);
}

QByteArray TestMediaControl::log()
{
    Log::flush();
    return m_dataDir.read(QStringLiteral("kesto.log"));
}

void TestMediaControl::callApplicationRule_data()
{
    QTest::addColumn<QStringList>("ids");
    QTest::addColumn<int>("player");

    QTest::newRow("video call alone") << QStringList{"us.zoom.xos"} << -1;
    QTest::newRow("Zoom on this desktop") << QStringList{"zoom"} << -1;
    QTest::newRow("several call applications") << QStringList{"slack", "com.discordapp.Discord", "teams"} << -1;
    QTest::newRow("call and music") << QStringList{"zoom", "spotify"} << 1;
    QTest::newRow("no id counts as a player") << QStringList{"telegram-desktop", ""} << 1;
    QTest::newRow("prefixes are case-sensitive") << QStringList{"Us.zoom.xos"} << 0;
    QTest::newRow("browser") << QStringList{"firefox-esr"} << 0;
}

void TestMediaControl::callApplicationRule()
{
    QFETCH(QStringList, ids);
    QFETCH(int, player);
    QList<AudioOutput> outputs;
    for (const QString& id : ids)
        outputs.append({qint32(outputs.size() + 100), id});
    QCOMPARE(MediaControl::firstMediaPlayer(outputs), qsizetype(player));
}

void TestMediaControl::startedPlayersAreNewProcesses()
{
    const QList<AudioOutput> before{{10, "a"}, {11, "b"}};
    const QList<AudioOutput> after{{12, "c"}, {11, "b"}, {13, ""}};
    QCOMPARE(MediaControl::startedPlayers(before, after), (QList<AudioOutput>{{12, "c"}, {13, ""}}));
    QVERIFY(MediaControl::startedPlayers(after, after).isEmpty());
}

void TestMediaControl::pausesAndResumesExactlyThePlayingPlayers()
{
    Stream music(QStringLiteral("fakeplayer"));
    QVERIFY(music.waitUntilPlaying());
    FakeMprisPlayer playing(QStringLiteral("music"), QStringLiteral("Playing"));
    FakeMprisPlayer userPaused(QStringLiteral("video"), QStringLiteral("Paused"));
    QVERIFY(playing.isRegistered() && userPaused.isRegistered());

    bool undone = false;
    QVERIFY(MediaControl::pauseIfPlaying([&] { undone = true; }));
    QTRY_COMPARE(playing.status(), QStringLiteral("Paused"));
    m_clock.advance(400);
    QVERIFY(!undone);

    MediaControl::resume();
    QTRY_COMPARE(playing.status(), QStringLiteral("Playing"));
    QCOMPARE(playing.calls(), (QStringList{"Pause", "Play"}));
    QCOMPARE(userPaused.status(), QStringLiteral("Paused"));
    QVERIFY(userPaused.calls().isEmpty());

    // Resuming again, or without a pause, plays nothing.
    MediaControl::resume();
    QTest::qWait(100);
    QCOMPARE(playing.calls().size(), 2);
    QVERIFY(log().contains("media playing; pausing it for the recording"));
    QCOMPARE(log().count("resuming media"), 1);
}

void TestMediaControl::callApplicationAloneIsLeftAlone()
{
    Stream call(QStringLiteral("zoom"));
    QVERIFY(call.waitUntilPlaying());
    FakeMprisPlayer player(QStringLiteral("music"), QStringLiteral("Playing"));
    QVERIFY(!MediaControl::pauseIfPlaying({}));
    QTest::qWait(100);
    QVERIFY(player.calls().isEmpty());
    QVERIFY(log().contains("only call apps are playing; not pressing Play/Pause"));
}

void TestMediaControl::callApplicationWithMusicPauses()
{
    Stream call(QStringLiteral("zoom"));
    Stream music(QStringLiteral("fakeplayer"));
    QVERIFY(call.waitUntilPlaying() && music.waitUntilPlaying());
    FakeMprisPlayer player(QStringLiteral("music"), QStringLiteral("Playing"));
    QVERIFY(MediaControl::pauseIfPlaying({}));
    QTRY_COMPARE(player.status(), QStringLiteral("Paused"));
}

void TestMediaControl::nothingPlayingPausesNothing()
{
    FakeMprisPlayer player(QStringLiteral("music"), QStringLiteral("Paused"));
    QVERIFY(!MediaControl::pauseIfPlaying({}));
    // Sound without a player that plays: nothing to pause.
    Stream music(QStringLiteral("fakeplayer"));
    QVERIFY(music.waitUntilPlaying());
    QVERIFY(!MediaControl::pauseIfPlaying({}));
    QTest::qWait(100);
    QVERIFY(player.calls().isEmpty());
}

void TestMediaControl::playerStartedMeanwhileUndoesThePause()
{
    Stream music(QStringLiteral("fakeplayer"));
    QVERIFY(music.waitUntilPlaying());
    FakeMprisPlayer player(QStringLiteral("music"), QStringLiteral("Playing"));
    int undone = 0;
    QVERIFY(MediaControl::pauseIfPlaying([&] { ++undone; }));
    QTRY_COMPARE(player.status(), QStringLiteral("Paused"));

    Stream started(QStringLiteral("otherplayer"));
    QVERIFY(started.waitUntilPlaying());
    m_clock.advance(400);
    QCOMPARE(undone, 1);
    QTRY_COMPARE(player.status(), QStringLiteral("Playing"));
    QVERIFY(log().contains("Play/Pause started otherplayer instead of pausing; pressing it again"));

    MediaControl::resume();
    QTest::qWait(100);
    QCOMPARE(player.calls(), (QStringList{"Pause", "Play"}));
}

void TestMediaControl::newPauseCancelsThePendingCheck()
{
    Stream music(QStringLiteral("fakeplayer"));
    QVERIFY(music.waitUntilPlaying());
    FakeMprisPlayer player(QStringLiteral("music"), QStringLiteral("Playing"));
    int undone = 0;
    QVERIFY(MediaControl::pauseIfPlaying([&] { ++undone; }));
    QTRY_COMPARE(player.status(), QStringLiteral("Paused"));
    QCOMPARE(m_clock.pendingTimers(), 1);
    MediaControl::resume();
    QCOMPARE(m_clock.pendingTimers(), 0);
    QTRY_COMPARE(player.status(), QStringLiteral("Playing"));

    // A second pause before the check: the check is dropped, and the player
    // paused first is still resumed.
    QVERIFY(MediaControl::pauseIfPlaying([&] { ++undone; }));
    QTRY_COMPARE(player.status(), QStringLiteral("Paused"));
    QVERIFY(MediaControl::pauseIfPlaying([&] { ++undone; }));
    QCOMPARE(m_clock.pendingTimers(), 0);
    Stream started(QStringLiteral("otherplayer"));
    QVERIFY(started.waitUntilPlaying());
    m_clock.advance(400);
    QCOMPARE(undone, 0);
    MediaControl::resume();
    QTRY_COMPARE(player.status(), QStringLiteral("Playing"));
}

QTEST_GUILESS_MAIN(TestMediaControl)
#include "TestMediaControl.moc"
