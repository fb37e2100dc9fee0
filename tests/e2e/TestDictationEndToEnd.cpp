#include "AppLog.h"
#include "AppProcess.h"
#include "FakeGemini.h"
#include "FakeNotificationServer.h"
#include "TestMicrophone.h"
#include "TextWindowClient.h"

#include "core/Config.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>


// The real application under Xvfb with the test microphone, the fake Gemini
// service and a fake notification server: the talk key held with XTest puts
// the transcript into a focused window and History, and the failure paths
// keep what was recorded.
class TestDictationEndToEnd final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void holdTalkKeyTypesTheTranscript();
    void longTranscriptArrivesWhole();
    void refusedM4aIsResentAsWav();
    void serviceErrorKeepsTheAudio();
    void escapeAfterASecondKeepsADiscardedEntry();
    void tooShortRecordingIsDropped();
    // Last: it ends the application with kill -9 and starts it again.
    void pendingRecordingOutlivesAnotherInstanceAndACrash();

private:
    QJsonArray history() const;
    QString log() const;
    bool waitForLog(const QString& line, int timeoutMs);
    // The pill is back to its idle circle: the last result's state has ended.
    static bool pillIdle();
    // Holds the talk key until the recording has started.
    void pressTalkKey();
    // Holds Ctrl+Super while the microphone hears speech for holdMs.
    void dictate(int holdMs, bool speak = true);
    static bool xdotool(const QStringList& arguments);

    QTemporaryDir m_data;
    FakeGemini m_gemini;
    FakeNotificationServer m_notifications;
    TextWindowClient m_window;
    QProcess m_app;
    QByteArray m_speech; // raw s16le 16 kHz mono
    std::unique_ptr<TestMicrophone> m_mic;
};

namespace {

const QString transcript = QStringLiteral("Hello from the test microphone, my signature");
const QString expanded = QStringLiteral("Hello from the test microphone, Best regards, Kesto");

} // namespace

bool TestDictationEndToEnd::xdotool(const QStringList& arguments)
{
    return QProcess::execute(QStringLiteral("xdotool"), arguments) == 0;
}

void TestDictationEndToEnd::initTestCase()
{
    for (const char* name : {"DISPLAY", "DBUS_SESSION_BUS_ADDRESS", "PULSE_SERVER", "KESTO_TEST_MIC_FIFO"})
        QVERIFY2(qEnvironmentVariableIsSet(name), qPrintable(QStringLiteral("%1 is not set: start scripts/test-env").arg(QLatin1String(name))));
    QVERIFY2(!qEnvironmentVariableIsEmpty("KESTO_APP"), "KESTO_APP names the application");
    QVERIFY2(!qEnvironmentVariableIsEmpty("KESTO_TEXT_WINDOW"), "KESTO_TEXT_WINDOW names the test window");

    m_speech = TestMicrophone::speech();
    QVERIFY2(m_speech.size() > 16000, "espeak-ng and sox make the speech");
    m_mic = std::make_unique<TestMicrophone>();
    m_mic->start();

    QVERIFY(m_gemini.listen());
    m_gemini.setFallback(FakeGemini::Reply::models({QStringLiteral("gemini-3.8-flash")}).on(QStringLiteral("GET")));
    QVERIFY2(m_notifications.isRegistered(), "the fake notification server takes its bus name");

    QJsonObject snippet{{QStringLiteral("id"), QUuid::createUuid().toString(QUuid::WithoutBraces)},
                        {QStringLiteral("trigger"), QStringLiteral("my signature")},
                        {QStringLiteral("text"), QStringLiteral("Best regards, Kesto")}};
    const QJsonObject config{{QStringLiteral("onboardingDone"), true},
                             {QStringLiteral("apiKey"), QStringLiteral("test-key")},
                             {QStringLiteral("snippets"), QJsonArray{snippet}},
                             {QStringLiteral("keepAudio"), false}};
    QFile file(QDir(m_data.path()).filePath(QStringLiteral("config.json")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(QJsonDocument(config).toJson());
    file.close();

    QVERIFY(m_window.start(qEnvironmentVariable("KESTO_TEXT_WINDOW"), QStringLiteral("kesto-e2e-notes")));

    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("KESTO_DATA_DIR"), m_data.path());
    env.insert(QStringLiteral("KESTO_GEMINI_URL"), m_gemini.url());
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    env.remove(QStringLiteral("GEMINI_API_KEY"));
    m_app.setProcessEnvironment(env);
    m_app.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_app.start(qEnvironmentVariable("KESTO_APP"), {});
    QVERIFY(m_app.waitForStarted());
    QVERIFY2(waitForLog(QStringLiteral("ready"), 20000), qPrintable(log()));
    QVERIFY2(log().contains(QStringLiteral("accessibility granted=true")), qPrintable(log()));
}

void TestDictationEndToEnd::cleanupTestCase()
{
    const bool clean = AppProcess::stop(m_app);
    if (m_mic)
        m_mic->stop();
    QVERIFY2(clean, qPrintable(AppProcess::ending(m_app)));
}

void TestDictationEndToEnd::init()
{
    m_gemini.clearRequests();
    m_gemini.clearScript();
    QVERIFY(m_window.clear());
    QVERIFY(m_window.focus());
}

void TestDictationEndToEnd::pendingRecordingOutlivesAnotherInstanceAndACrash()
{
    QTRY_VERIFY_WITH_TIMEOUT(pillIdle(), 15000);
    const QByteArray previousData = qgetenv("KESTO_DATA_DIR");
    qputenv("KESTO_DATA_DIR", QFile::encodeName(m_data.path()));
    const QDir recordings(Config::recordingsDirectory());
    qputenv("KESTO_DATA_DIR", previousData);
    const int before = int(history().size());

    // The service keeps the dictation waiting ("working").
    m_gemini.enqueue(FakeGemini::Reply::text(transcript).delayed(120000).on(QStringLiteral("POST")));
    dictate(1500);
    QTRY_COMPARE_WITH_TIMEOUT(m_gemini.requests(QStringLiteral("POST")).size(), 1, 20000);
    const QStringList waiting = recordings.entryList({QStringLiteral("kesto-*.wav")}, QDir::Files);
    QCOMPARE(waiting.size(), 1);
    const QString pending = recordings.filePath(waiting.first());
    const qint64 size = QFileInfo(pending).size();
    QVERIFY(size > 16000);
    // A long wait: older than any "recently written" grace.
    {
        QFile file(pending);
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.setFileTime(QDateTime::currentDateTime().addSecs(-3600), QFileDevice::FileModificationTime));
    }

    // Another instance, on another data folder, starts and quits.
    QTemporaryDir otherData;
    QProcess other;
    QProcessEnvironment env = m_app.processEnvironment();
    env.insert(QStringLiteral("KESTO_DATA_DIR"), otherData.path());
    other.setProcessEnvironment(env);
    other.start(qEnvironmentVariable("KESTO_APP"), {});
    QVERIFY(other.waitForStarted());
    QVERIFY2(AppLog::waitFor(otherData.path(), QStringLiteral("ready"), 20000), qPrintable(AppLog::read(otherData.path())));
    other.terminate();
    QVERIFY(other.waitForFinished(10000));
    QCOMPARE(QFileInfo(pending).size(), size);

    // A crash while working, and the next start.
    m_app.kill();
    QVERIFY(m_app.waitForFinished(10000));
    QCOMPARE(QFileInfo(pending).size(), size);
    m_app.start(qEnvironmentVariable("KESTO_APP"), {});
    QVERIFY(m_app.waitForStarted());
    QVERIFY2(waitForLog(QStringLiteral("ready"), 20000), qPrintable(log()));

    // Not deleted: kept in History as not transcribed, to try again.
    QTRY_COMPARE_WITH_TIMEOUT(history().size(), before + 1, 5000);
    const QJsonObject entry = history().first().toObject();
    QCOMPARE(entry.value(QStringLiteral("status")).toString(), QStringLiteral("failed"));
    const QString audio = QDir(m_data.path()).filePath(QStringLiteral("audio/") + entry.value(QStringLiteral("audioFile")).toString());
    QCOMPARE(QFileInfo(audio).size(), size);
    QVERIFY2(log().contains(QStringLiteral("1 put in History")), qPrintable(log()));
}

QJsonArray TestDictationEndToEnd::history() const
{
    QFile file(QDir(m_data.path()).filePath(QStringLiteral("history.json")));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll());
    return document.isArray() ? document.array() : document.object().value(QStringLiteral("entries")).toArray();
}

QString TestDictationEndToEnd::log() const
{
    return AppLog::read(m_data.path());
}

bool TestDictationEndToEnd::waitForLog(const QString& line, int timeoutMs)
{
    return AppLog::waitFor(m_data.path(), line, timeoutMs);
}

bool TestDictationEndToEnd::pillIdle()
{
    QProcess search;
    search.start(QStringLiteral("xdotool"), {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                             QStringLiteral("--classname"), QStringLiteral("kesto-viruz"),
                                             QStringLiteral("getwindowgeometry"), QStringLiteral("%@")});
    search.waitForFinished();
    return QString::fromUtf8(search.readAllStandardOutput()).contains(QStringLiteral("Geometry: 52x52"));
}

void TestDictationEndToEnd::pressTalkKey()
{
    const qsizetype started = log().count(QStringLiteral("recording started"));
    QVERIFY(xdotool({QStringLiteral("keydown"), QStringLiteral("ctrl"), QStringLiteral("super")}));
    // The hold threshold passes before the recording starts.
    QTRY_VERIFY_WITH_TIMEOUT(log().count(QStringLiteral("recording started")) > started, 5000);
}

void TestDictationEndToEnd::dictate(int holdMs, bool speak)
{
    pressTalkKey();
    if (speak)
        m_mic->say(m_speech);
    QTest::qWait(holdMs);
    QVERIFY(xdotool({QStringLiteral("keyup"), QStringLiteral("super"), QStringLiteral("ctrl")}));
}

void TestDictationEndToEnd::holdTalkKeyTypesTheTranscript()
{
    m_gemini.enqueue(FakeGemini::Reply::text(transcript).on(QStringLiteral("POST")));
    const int before = int(history().size());
    dictate(2600);
    QTRY_COMPARE_WITH_TIMEOUT(m_window.text(), expanded, 20000);

    const QList<FakeGemini::Request> posts = m_gemini.requests(QStringLiteral("POST"));
    QCOMPARE(posts.size(), 1);
    QCOMPARE(posts.first().audioMime, QStringLiteral("audio/mp4"));
    QCOMPARE(posts.first().header("x-goog-api-key"), QByteArray("test-key"));
    QVERIFY(posts.first().audio.size() > 1000);

    QTRY_COMPARE_WITH_TIMEOUT(history().size(), before + 1, 5000);
    const QJsonObject entry = history().first().toObject();
    QCOMPARE(entry.value(QStringLiteral("status")).toString(), QStringLiteral("done"));
    QCOMPARE(entry.value(QStringLiteral("text")).toString(), expanded);
    QCOMPARE(entry.value(QStringLiteral("source")).toString(), QStringLiteral("mac"));
    QVERIFY(entry.value(QStringLiteral("duration")).toDouble() > 2.0);
    QVERIFY(entry.value(QStringLiteral("latency")).toDouble() > 0.0);
    QVERIFY(entry.value(QStringLiteral("audioFile")).isNull() || !entry.contains(QStringLiteral("audioFile")));
    QVERIFY2(log().contains(QStringLiteral("timing format=m4a bytes=")), qPrintable(log()));
    QVERIFY(log().contains(QStringLiteral("recording started (mac)")));
    // Trimmed and encoded while the key was held, not after.
    QVERIFY2(log().contains(QStringLiteral("encoded while recording, finished in ")), qPrintable(log()));
    QVERIFY(!log().contains(QStringLiteral("live AAC failed")));
}

void TestDictationEndToEnd::longTranscriptArrivesWhole()
{
    // About a megabyte: a dictation read aloud for hours, or a model that ran on.
    QString text;
    for (int line = 0; text.size() < 1'000'000; ++line)
        text += QStringLiteral("Line %1: the quick brown fox, Привет мир, ends here.\n").arg(line);
    text = text.trimmed();
    QVERIFY(m_window.setClipboardText(QStringLiteral("the user's clipboard")));
    m_gemini.enqueue(FakeGemini::Reply::text(text).on(QStringLiteral("POST")));
    const int before = int(history().size());
    dictate(1500);
    QTRY_COMPARE_WITH_TIMEOUT(history().size(), before + 1, 30000);
    QCOMPARE(history().first().toObject().value(QStringLiteral("text")).toString().size(), text.size());
    QTRY_VERIFY_WITH_TIMEOUT(m_window.text().size() >= text.size(), 30000);
    QVERIFY(m_window.text() == text);
    QTRY_COMPARE_WITH_TIMEOUT(m_window.clipboardText(), QStringLiteral("the user's clipboard"), 10000);
}

void TestDictationEndToEnd::refusedM4aIsResentAsWav()
{
    QTRY_VERIFY_WITH_TIMEOUT(pillIdle(), 15000); // the last result's done state ends
    m_gemini.enqueue(FakeGemini::Reply::error(400, QStringLiteral("Unsupported audio format")).on(QStringLiteral("POST")));
    m_gemini.enqueue(FakeGemini::Reply::text(transcript).on(QStringLiteral("POST")));
    dictate(1500);
    QTRY_COMPARE_WITH_TIMEOUT(m_window.text(), expanded, 20000);
    const QList<FakeGemini::Request> posts = m_gemini.requests(QStringLiteral("POST"));
    QCOMPARE(posts.size(), 2);
    QCOMPARE(posts.at(0).audioMime, QStringLiteral("audio/mp4"));
    QCOMPARE(posts.at(1).audioMime, QStringLiteral("audio/wav"));
    QVERIFY(log().contains(QStringLiteral("Gemini refused m4a with 400; sending WAV")));
    QVERIFY(log().contains(QStringLiteral("timing format=wav")));
    QCOMPARE(history().first().toObject().value(QStringLiteral("status")).toString(), QStringLiteral("done"));
}

void TestDictationEndToEnd::serviceErrorKeepsTheAudio()
{
    QTRY_VERIFY_WITH_TIMEOUT(pillIdle(), 15000);
    const int before = int(history().size());
    const int notified = int(m_notifications.notifications.size());
    for (int attempt = 0; attempt < 4; ++attempt)
        m_gemini.enqueue(FakeGemini::Reply::error(500, QStringLiteral("Internal error")).on(QStringLiteral("POST")));
    dictate(1500);
    QTRY_COMPARE_WITH_TIMEOUT(history().size(), before + 1, 30000);
    const QJsonObject entry = history().first().toObject();
    QCOMPARE(entry.value(QStringLiteral("status")).toString(), QStringLiteral("failed"));
    QCOMPARE(entry.value(QStringLiteral("text")).toString(), QString());
    QVERIFY(!entry.value(QStringLiteral("error")).toString().isEmpty());
    QCOMPARE(entry.value(QStringLiteral("offline")).toBool(), false);
    const QString audio = entry.value(QStringLiteral("audioFile")).toString();
    QVERIFY2(!audio.isEmpty(), "the audio is kept although keepAudio is off");
    QVERIFY(QFile::exists(QDir(m_data.path()).filePath(QStringLiteral("audio/") + audio)));
    QCOMPARE(m_gemini.requests(QStringLiteral("POST")).size(), 4);
    QVERIFY(m_window.text().isEmpty());

    QTRY_COMPARE_WITH_TIMEOUT(m_notifications.notifications.size(), notified + 1, 5000);
    QCOMPARE(m_notifications.notifications.last().summary, QStringLiteral("Not transcribed"));
    QCOMPARE(m_notifications.notifications.last().body, QStringLiteral("The audio is saved. Try again from History."));

    // The failed state: the pill shows the failure row, wider than the idle circle.
    QProcess search;
    search.start(QStringLiteral("xdotool"), {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                             QStringLiteral("--classname"), QStringLiteral("kesto-viruz"),
                                             QStringLiteral("getwindowgeometry"), QStringLiteral("%@")});
    QVERIFY(search.waitForFinished());
    const QString geometry = QString::fromUtf8(search.readAllStandardOutput());
    QVERIFY2(QRegularExpression(QStringLiteral("Geometry: ([2-9]\\d\\d|1\\d\\d)x52")).match(geometry).hasMatch(),
             qPrintable(geometry));
    QVERIFY(log().contains(QStringLiteral("transcription failed: ")));
}

void TestDictationEndToEnd::escapeAfterASecondKeepsADiscardedEntry()
{
    QTRY_VERIFY_WITH_TIMEOUT(pillIdle(), 15000); // the failed state ends
    const int before = int(history().size());
    pressTalkKey();
    m_mic->say(m_speech);
    QTest::qWait(1400);
    QVERIFY(xdotool({QStringLiteral("key"), QStringLiteral("Escape")}));
    QVERIFY(xdotool({QStringLiteral("keyup"), QStringLiteral("super"), QStringLiteral("ctrl")}));
    QTRY_COMPARE_WITH_TIMEOUT(history().size(), before + 1, 10000);
    const QJsonObject entry = history().first().toObject();
    QCOMPARE(entry.value(QStringLiteral("status")).toString(), QStringLiteral("discarded"));
    QVERIFY(entry.value(QStringLiteral("duration")).toDouble() >= 1.0);
    QVERIFY(!entry.value(QStringLiteral("audioFile")).toString().isEmpty());
    QVERIFY(log().contains(QStringLiteral("recording cancelled")));
    QVERIFY(m_gemini.requests(QStringLiteral("POST")).isEmpty());
    QVERIFY(m_window.text().isEmpty());
}

void TestDictationEndToEnd::tooShortRecordingIsDropped()
{
    const int before = int(history().size());
    const int recorded = int(log().count(QStringLiteral("recorded ")));
    QVERIFY(xdotool({QStringLiteral("keydown"), QStringLiteral("ctrl"), QStringLiteral("super")}));
    QTest::qWait(450);
    QVERIFY(xdotool({QStringLiteral("keyup"), QStringLiteral("super"), QStringLiteral("ctrl")}));
    QTRY_VERIFY_WITH_TIMEOUT(log().count(QStringLiteral("recorded ")) > recorded || log().contains(QStringLiteral("nothing recorded")), 5000);
    // Back to the idle circle: the dropped recording's flow has ended.
    QTRY_VERIFY_WITH_TIMEOUT(pillIdle(), 10000);
    QCOMPARE(history().size(), before);
    QVERIFY(m_gemini.requests(QStringLiteral("POST")).isEmpty());
}

QTEST_MAIN(TestDictationEndToEnd)
#include "TestDictationEndToEnd.moc"
