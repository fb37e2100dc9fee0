#include "platform/AudioOutputs.h"
#include "platform/KeyInjector.h"
#include "platform/Permissions.h"

#include <QProcess>
#include <QtTest>

// The permission checks and the list of playing streams against the X
// display and sound server of the test environment.
class TestDesktopServices final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void permissionsAreGranted();
    void injectorIsAvailable();
    void playingStreamsNameTheirProcess_data();
    void playingStreamsNameTheirProcess();
};

void TestDesktopServices::permissionsAreGranted()
{
    QVERIFY2(!qEnvironmentVariableIsEmpty("DISPLAY"), "this test needs the X display of scripts/test-env");
    QCOMPARE(Permissions::accessibility(), (Permissions::Check{true, QString()}));
    // The test microphone is a real source; the speaker's monitor alone would not do.
    QCOMPARE(Permissions::microphone(), (Permissions::Check{true, QString()}));
}

void TestDesktopServices::injectorIsAvailable()
{
    QString error;
    QVERIFY2(KeyInjector::system().isAvailable(&error), qPrintable(error));
}

void TestDesktopServices::playingStreamsNameTheirProcess_data()
{
    QTest::addColumn<QStringList>("properties");
    QTest::addColumn<QString>("appId");
    QTest::newRow("binary") << QStringList{"application.process.binary=kestoplayer"} << "kestoplayer";
    QTest::newRow("application id wins")
        << QStringList{"application.process.binary=kestoplayer", "application.id=org.example.Player"}
        << "org.example.Player";
}

void TestDesktopServices::playingStreamsNameTheirProcess()
{
    QFETCH(QStringList, properties);
    QFETCH(QString, appId);
    QStringList arguments{QStringLiteral("--playback"), QStringLiteral("--device=testspeaker")};
    for (const QString& property : properties)
        arguments << QStringLiteral("--property=") + property;
    arguments << QStringLiteral("/dev/zero");
    QProcess player;
    player.start(QStringLiteral("pacat"), arguments);
    QVERIFY(player.waitForStarted());
    const AudioOutput expected{qint32(player.processId()), appId};

    QString error;
    QTRY_VERIFY(AudioOutputs::playing(&error).contains(expected));
    QVERIFY2(error.isEmpty(), qPrintable(error));

    player.kill();
    player.waitForFinished();
    QTRY_VERIFY(!AudioOutputs::playing(nullptr).contains(expected));
}

QTEST_GUILESS_MAIN(TestDesktopServices)
#include "TestDesktopServices.moc"
