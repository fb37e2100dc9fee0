#include "engine/HotkeyMonitor.h"
#include "engine/MediaControl.h"
#include "engine/Notifier.h"
#include "engine/TextInjector.h"

#include "core/Log.h"
#include "platform/FrontApplication.h"
#include "platform/Permissions.h"

#include "TempDataDir.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QtTest>

// Run with no X display, no session bus and no sound server: every desktop
// service writes one clear log line, reports what it can, and nothing crashes.
class TestDesktopWithoutServices final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void talkKeyStaysIdle();
    void nothingIsInserted();
    void mediaAndNotificationsAreSkipped();
    void permissionsAreNotGranted();

private:
    QByteArray log();

    TempDataDir m_dataDir;
};

void TestDesktopWithoutServices::init()
{
    Log::flush();
    Log::reset();
}

QByteArray TestDesktopWithoutServices::log()
{
    Log::flush();
    return m_dataDir.read(QStringLiteral("kesto.log"));
}

void TestDesktopWithoutServices::talkKeyStaysIdle()
{
    HotkeyMonitor monitor;
    monitor.start();
    QVERIFY(!monitor.isRunning());
    monitor.stop();
    QVERIFY(log().contains("global flagsChanged monitor could not be installed: no X display (DISPLAY is not set)"));
    QVERIFY(log().contains("accessibility=false"));
}

void TestDesktopWithoutServices::nothingIsInserted()
{
    QGuiApplication::clipboard()->setText(QStringLiteral("mine"));
    TextInjector::insert(QStringLiteral("hello"), QStringLiteral("paste"), QString());
    TextInjector::insert(QStringLiteral("hello"), QStringLiteral("type"), QString());
    TextInjector::insert(QStringLiteral("   "), QStringLiteral("type"), QString());
    QTest::qWait(500);
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("mine"));
    QCOMPARE(log().count("text not inserted: no X display (DISPLAY is not set)"), 2);
    QVERIFY(FrontApplication::system().current().isEmpty());
}

void TestDesktopWithoutServices::mediaAndNotificationsAreSkipped()
{
    QVERIFY(!MediaControl::pauseIfPlaying({}));
    QVERIFY(!MediaControl::pauseIfPlaying({}));
    MediaControl::resume();
    QCOMPARE(log().count("cannot tell which applications play audio: no sound server"), 1);

    Notifier::post(QStringLiteral("Not transcribed"), QStringLiteral("body"));
    QVERIFY(log().contains("notification dropped: no session bus"));
}

void TestDesktopWithoutServices::permissionsAreNotGranted()
{
    const Permissions::Check accessibility = Permissions::accessibility();
    QVERIFY(!accessibility.granted);
    QVERIFY(accessibility.reason.contains(QStringLiteral("X11")));
    const Permissions::Check microphone = Permissions::microphone();
    QVERIFY(!microphone.granted);
    QCOMPARE(microphone.reason, QStringLiteral("The sound server does not answer."));

    qputenv("WAYLAND_DISPLAY", "wayland-0");
    const Permissions::Check wayland = Permissions::accessibility();
    qunsetenv("WAYLAND_DISPLAY");
    QVERIFY(!wayland.granted);
    QVERIFY(wayland.reason.contains(QStringLiteral("Wayland")));
}

QTEST_MAIN(TestDesktopWithoutServices)
#include "TestDesktopWithoutServices.moc"
