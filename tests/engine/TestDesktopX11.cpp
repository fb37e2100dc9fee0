#include "engine/HotkeyMonitor.h"
#include "engine/TextInjector.h"

#include "FakeClock.h"
#include "TempDataDir.h"
#include "TextWindowClient.h"

#include <QProcess>
#include <QtTest>

namespace {

bool xdotool(const QStringList& arguments)
{
    return QProcess::execute(QStringLiteral("xdotool"), arguments) == 0;
}

// Right Alt by its keycode: xdotool would hold the left Alt key with it.
bool fakeKey(const QStringList& steps)
{
    return QProcess::execute(qEnvironmentVariable("KESTO_FAKE_KEY"), steps) == 0;
}

} // namespace

// The talk key and text injection on a real X display: keys sent with XTest
// reach the monitor, and transcripts reach a focused window of another
// process.
class TestDesktopX11 final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void realKeysReachTheCallbacks();
    void transcriptReachesTheFocusedWindow_data();
    void transcriptReachesTheFocusedWindow();
    void pasteGivesBackTheUsersClipboard_data();
    void pasteGivesBackTheUsersClipboard();

private:
    TempDataDir m_dataDir;
    TextWindowClient m_window;
};

void TestDesktopX11::initTestCase()
{
    QVERIFY2(!qEnvironmentVariableIsEmpty("DISPLAY"), "this test needs the X display of scripts/test-env");
    QVERIFY(m_window.start(qEnvironmentVariable("KESTO_TEXT_WINDOW")));
    QVERIFY(m_window.focus());
}

void TestDesktopX11::realKeysReachTheCallbacks()
{
    FakeClock clock;
    HotkeyMonitor monitor(clock);
    QStringList calls;
    monitor.setOnStart([&] { calls << QStringLiteral("start"); });
    monitor.setOnStop([&] { calls << QStringLiteral("stop"); });
    monitor.setOnCancel([&] { calls << QStringLiteral("cancel"); });
    monitor.setOnToggle([&] { calls << QStringLiteral("toggle"); });
    // Starting twice leaves one watcher: every key is reported once.
    monitor.start();
    monitor.start();
    QVERIFY(monitor.isRunning());

    // Hold Ctrl+Super past the threshold, then let go.
    QVERIFY(xdotool({"keydown", "Control_L", "Super_L"}));
    QTRY_COMPARE(clock.pendingTimers(), 1);
    clock.advance(300);
    QCOMPARE(calls, QStringList{"start"});
    QVERIFY(xdotool({"keyup", "Super_L", "Control_L"}));
    QTRY_COMPARE(calls, (QStringList{"start", "stop"}));

    // Escape cancels a dictation that records.
    monitor.setExternalRecording(true);
    QVERIFY(xdotool({"key", "Escape"}));
    QTRY_COMPARE(calls, (QStringList{"start", "stop", "cancel"}));
    monitor.setExternalRecording(false);

    // Toggle mode with the Right Alt key: one tap, one toggle.
    monitor.setKind(HotkeyKind::rightCommand);
    monitor.setMode(HotkeyMode::toggle);
    monitor.start();
    QVERIFY(fakeKey({"108+", "108-"}));
    QTRY_COMPARE(calls.size(), 4);
    QCOMPARE(calls.last(), QStringLiteral("toggle"));
    // A tap with a letter (X) typed meanwhile is not one.
    QVERIFY(fakeKey({"108+", "53+", "53-", "108-"}));
    QVERIFY(fakeKey({"108+", "108-"}));
    QTRY_COMPARE(calls.size(), 5);
    QTest::qWait(100);
    QCOMPARE(calls.size(), 5);

    // Keys still count while another client grabs the keyboard, as desktops
    // do for their own shortcuts.
    QVERIFY(fakeKey({"grab", "108+", "108-"}));
    QTRY_COMPARE(calls.size(), 6);
    QCOMPARE(calls.last(), QStringLiteral("toggle"));

    monitor.stop();
    QVERIFY(!monitor.isRunning());
    QVERIFY(fakeKey({"108+", "108-"}));
    QTest::qWait(100);
    QCOMPARE(calls.size(), 6);
}

void TestDesktopX11::transcriptReachesTheFocusedWindow_data()
{
    QTest::addColumn<QString>("method");
    QTest::addColumn<QString>("newline");
    QTest::newRow("paste") << "paste" << "shiftReturn";
    QTest::newRow("type, Shift+Return") << "type" << "shiftReturn";
    QTest::newRow("type, Return") << "type" << "return";
}

void TestDesktopX11::transcriptReachesTheFocusedWindow()
{
    QFETCH(QString, method);
    QFETCH(QString, newline);
    const QString transcript = QStringLiteral(
        "Café déjà vu, naïve façade.\nПривет, мир! Съешь ещё этих булок.\n東京で会いましょう。\n"
        "Done \U0001F600 and \U0001F469\u200D\U0001F4BB, Ångström ß €5.");
    QVERIFY(m_window.clear());
    QVERIFY(m_window.focus());
    TextInjector::insert(QStringLiteral("  \n") + transcript + QStringLiteral("\n "), method, newline, QString());
    QTRY_COMPARE_WITH_TIMEOUT(m_window.text(), transcript, 10000);
    // Nothing more arrives later (a doubled key, a late restore pasted).
    QTest::qWait(600);
    QCOMPARE(m_window.text(), transcript);
}

void TestDesktopX11::pasteGivesBackTheUsersClipboard_data()
{
    QTest::addColumn<bool>("image");
    QTest::newRow("text") << false;
    QTest::newRow("image") << true;
}

void TestDesktopX11::pasteGivesBackTheUsersClipboard()
{
    QFETCH(bool, image);
    const QString mine = QStringLiteral("the user's own words");
    QVERIFY(image ? m_window.setClipboardImage() : m_window.setClipboardText(mine));
    QVERIFY(m_window.clear());
    QVERIFY(m_window.focus());

    QElapsedTimer clock;
    clock.start();
    TextInjector::insert(QStringLiteral("dictated"), QStringLiteral("paste"), QString(), QString());
    QTRY_COMPARE(m_window.text(), QStringLiteral("dictated"));
    if (image)
        QTRY_COMPARE(m_window.clipboardImageKey(), TextWindowClient::sampleImageKey());
    else
        QTRY_COMPARE(m_window.clipboardText(), mine);
    QVERIFY(clock.elapsed() >= 440);
    QCOMPARE(m_window.text(), QStringLiteral("dictated"));
}

QTEST_MAIN(TestDesktopX11)
#include "TestDesktopX11.moc"
