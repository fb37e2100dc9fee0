// The tray icon on a real X server whose tray starts after the application
// (an autostarted application often starts before the desktop's panel).
#include "shell/StatusItem.h"

#include <QProcess>
#include <QSystemTrayIcon>
#include <QtTest>

class TestTrayOnX11 final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void iconDocksInATrayThatAppearsLater();
};

void TestTrayOnX11::iconDocksInATrayThatAppearsLater()
{
    QVERIFY(!QSystemTrayIcon::isSystemTrayAvailable());
    StatusItem item;
    item.refresh(Phase::idle, true, {});
    QTest::qWait(200);

    QProcess tray;
    tray.start(qEnvironmentVariable("KESTO_FAKE_TRAY"), {});
    QVERIFY(tray.waitForStarted());
    QTRY_VERIFY(tray.canReadLine());
    QCOMPARE(tray.readLine().trimmed(), QByteArray("ready"));
    QTRY_VERIFY_WITH_TIMEOUT(tray.canReadLine(), 10000);
    QVERIFY(tray.readLine().startsWith("docked "));
    tray.kill();
    tray.waitForFinished();
}

QTEST_MAIN(TestTrayOnX11)
#include "TestTrayOnX11.moc"
