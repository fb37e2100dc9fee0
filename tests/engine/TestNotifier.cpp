#include "engine/Notifier.h"

#include "core/Log.h"

#include "FakeNotificationServer.h"
#include "TempDataDir.h"

#include <QtTest>

// Failure notifications through a notification server on the private bus.
class TestNotifier final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void failurePostsTitleAndBody();
    void withoutServerNothingIsPosted();

private:
    TempDataDir m_dataDir;
};

void TestNotifier::initTestCase()
{
    QVERIFY2(!qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS"), "this test needs the bus of scripts/test-env");
}

void TestNotifier::failurePostsTitleAndBody()
{
    FakeNotificationServer server;
    QVERIFY(server.isRegistered());
    Notifier::post(QStringLiteral("Not transcribed"), QStringLiteral("The audio is saved. Try again from History."));
    QTRY_COMPARE(server.notifications.size(), 1);
    const FakeNotificationServer::Notification& shown = server.notifications.first();
    QCOMPARE(shown.summary, QStringLiteral("Not transcribed"));
    QCOMPARE(shown.body, QStringLiteral("The audio is saved. Try again from History."));
    QCOMPARE(shown.appName, QStringLiteral("Kesto Viruz"));
    // The failure sound is the controller's; the notification adds none.
    QCOMPARE(shown.hints.value(QStringLiteral("suppress-sound")).toBool(), true);

    // Text that a server could read as markup is shown as written.
    Notifier::post(QStringLiteral("Title"), QStringLiteral("a <b>b</b> & c"));
    QTRY_COMPARE(server.notifications.size(), 2);
    QCOMPARE(server.notifications.last().body, QStringLiteral("a &lt;b&gt;b&lt;/b&gt; &amp; c"));
}

void TestNotifier::withoutServerNothingIsPosted()
{
    Log::flush();
    Log::reset();
    Notifier::post(QStringLiteral("Not transcribed"), QStringLiteral("The audio is saved. Try again from History."));
    Log::flush();
    QVERIFY(m_dataDir.read(QStringLiteral("kesto.log"))
                .contains("notification dropped: no notification server on the session bus"));
}

QTEST_GUILESS_MAIN(TestNotifier)
#include "TestNotifier.moc"
