#include "AppProcess.h"
#include "FakeGemini.h"
#include "ScreenWindows.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QScreen>
#include <QTemporaryDir>
#include <QtTest>

// The built application under Xvfb, used by real keys through XTest: with
// the settings panel open, Tab and Shift+Tab go round the panel only, so
// Space after them changes nothing on the screen behind it.
class TestKeyboardEndToEnd final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void keysInTheSettingsLeaveTheScreenBehind_data();
    void keysInTheSettingsLeaveTheScreenBehind();

private:
    static bool xdotool(const QStringList& arguments);
    bool keys(const QStringList& names);
    bool pointerAway();
    QImage onScreen(const QRect& inWindow) const;
    // Waits until area shows what picture shows (or, with differ, does not).
    bool waitFor(const QRect& area, const QImage& picture, bool differ);

    QTemporaryDir m_data;
    FakeGemini m_gemini;
    QProcess m_app;
    QString m_windowId;
    QRect m_window;
    QStringList m_entries;
    // The History screen, settings closed, before any key.
    QImage m_before;
    QRect m_content;
};

namespace {

QString newId()
{
    return QUuid::createUuid().toString(QUuid::WithoutBraces).toUpper();
}

bool alike(const QImage& a, const QImage& b)
{
    return a.size() == b.size() && ScreenWindows::differingPixels(a, b) * 200 < a.width() * a.height();
}

} // namespace

bool TestKeyboardEndToEnd::xdotool(const QStringList& arguments)
{
    return QProcess::execute(QStringLiteral("xdotool"), arguments) == 0;
}


bool TestKeyboardEndToEnd::keys(const QStringList& names)
{
    return xdotool(QStringList{QStringLiteral("key"), QStringLiteral("--window"), m_windowId} + names);
}

bool TestKeyboardEndToEnd::pointerAway()
{
    const QPoint at = m_window.topLeft() + QPoint(4, m_window.height() - 4);
    return xdotool({QStringLiteral("mousemove"), QStringLiteral("--sync"), QString::number(at.x()), QString::number(at.y())});
}

QImage TestKeyboardEndToEnd::onScreen(const QRect& inWindow) const
{
    const QRect at = inWindow.translated(m_window.topLeft());
    return QGuiApplication::primaryScreen()->grabWindow(0, at.x(), at.y(), at.width(), at.height()).toImage();
}

bool TestKeyboardEndToEnd::waitFor(const QRect& area, const QImage& picture, bool differ)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < 10000) {
        if (alike(onScreen(area), picture) != differ)
            return true;
        QTest::qWait(100);
    }
    return false;
}

void TestKeyboardEndToEnd::initTestCase()
{
    QVERIFY2(qEnvironmentVariableIsSet("DISPLAY"), "DISPLAY is not set: start scripts/test-env");
    QVERIFY2(!qEnvironmentVariableIsEmpty("KESTO_APP"), "KESTO_APP names the application");
    QVERIFY(m_data.isValid());
    QVERIFY(m_gemini.listen());
    m_gemini.setFallback(FakeGemini::Reply::models({QStringLiteral("gemini-3.8-flash")}).on(QStringLiteral("GET")));

    // Five done entries: every card has Edit, Copy and Delete.
    QJsonArray entries;
    for (int i = 0; i < 5; ++i) {
        m_entries << newId();
        entries.append(QJsonObject{
            {QStringLiteral("id"), m_entries.last()},
            {QStringLiteral("date"), QDateTime::currentDateTimeUtc().addSecs(-60 * (i + 1)).toString(Qt::ISODate)},
            {QStringLiteral("text"), QStringLiteral("Entry number %1").arg(i + 1)},
            {QStringLiteral("duration"), 4.0},
            {QStringLiteral("model"), QStringLiteral("gemini-3.8-flash")},
            {QStringLiteral("source"), QStringLiteral("mac")},
            {QStringLiteral("status"), QStringLiteral("done")},
            {QStringLiteral("offline"), false}});
    }
    const QJsonObject config{{QStringLiteral("onboardingDone"), true},
                             {QStringLiteral("apiKey"), QStringLiteral("test-key")},
                             {QStringLiteral("phoneServerEnabled"), false}};
    for (const auto& [name, json] : {std::pair{QStringLiteral("config.json"), config},
                                     std::pair{QStringLiteral("history.json"), QJsonObject{{QStringLiteral("entries"), entries}}}}) {
        QFile file(QDir(m_data.path()).filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QJsonDocument(json).toJson());
    }

    const QProcessEnvironment env = AppProcess::environment(m_data.path(), m_gemini.url());
    const std::optional<ScreenWindows::Window> window = AppProcess::startWithMainWindowAtTopLeft(m_app, env);
    QVERIFY(window);
    m_windowId = window->id;
    m_window = window->frame;
    QVERIFY(xdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), m_windowId}));
    QVERIFY(pointerAway());
    // The whole window but its bottom strip, where the pointer rests.
    m_content = QRect(QPoint(0, 0), m_window.size()).adjusted(0, 0, 0, -40);
    // Settled: two pictures a moment apart agree.
    QImage last;
    QTRY_VERIFY_WITH_TIMEOUT(
        [&] {
            const QImage now = onScreen(m_content);
            const bool same = !last.isNull() && alike(now, last);
            last = now;
            return same;
        }(),
        10000);
    m_before = last;
}

void TestKeyboardEndToEnd::cleanupTestCase()
{
    QVERIFY2(AppProcess::stop(m_app), qPrintable(AppProcess::ending(m_app)));
}

void TestKeyboardEndToEnd::keysInTheSettingsLeaveTheScreenBehind_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<int>("times");
    // Each walk from a fresh open with one Space at its end: Space after
    // every Tab of one walk would soon press the panel's own Close button,
    // which rightly closes it.
    for (const int times : {14, 7, 1})
        QTest::addRow("Shift+Tab x%d, Space", times) << QStringLiteral("shift+Tab") << times;
    for (const int times : {15, 8, 3, 1})
        QTest::addRow("Tab x%d, Space", times) << QStringLiteral("Tab") << times;
}

void TestKeyboardEndToEnd::keysInTheSettingsLeaveTheScreenBehind()
{
    QFETCH(QString, key);
    QFETCH(int, times);
    QVERIFY(keys({QStringLiteral("ctrl+comma")}));
    QVERIFY2(waitFor(m_content, m_before, true), "the settings do not open");

    for (int i = 0; i < times; ++i)
        QVERIFY(keys({key}));
    QVERIFY(keys({QStringLiteral("space")}));
    // Whatever the last Space opened (a menu) closes first, then the settings.
    QVERIFY(keys({QStringLiteral("Escape")}));
    QVERIFY(keys({QStringLiteral("Escape")}));
    QVERIFY(pointerAway());
    QVERIFY2(waitFor(m_content, m_before, false), "the window does not show History as before the keys");
    QCOMPARE(AppProcess::historyIds(m_data.path()), m_entries);
}

QTEST_MAIN(TestKeyboardEndToEnd)
#include "TestKeyboardEndToEnd.moc"
