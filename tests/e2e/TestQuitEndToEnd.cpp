#include "AppLog.h"
#include "AppProcess.h"
#include "FakeGemini.h"
#include "ScreenWindows.h"
#include "TestMicrophone.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

// The built application quit while a dictation records, with its sounds on
// (the start sound may still be playing): every normal way out ends with
// status 0, and the recording waits in History, with its audio, at the next
// start.
class TestQuitEndToEnd final : public QObject
{
    Q_OBJECT

public:
    enum class Way { signal, twoSignals, ctrlQ };
    Q_ENUM(Way)

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void quitSoonAfterTheStartEndsCleanly_data();
    void quitSoonAfterTheStartEndsCleanly();
    void quitKeepsTheRecording_data();
    void quitKeepsTheRecording();

private:
    static bool xdotool(const QStringList& arguments);
    // A new data folder with the settings every run starts from.
    static std::unique_ptr<QTemporaryDir> newData();
    // Starts the application on data until it is ready; with the main window
    // open and focused when the way out is a key of that window.
    bool start(QProcess& app, const QString& data, Way way);
    // Taps the talk key (toggle mode) and waits until the recording runs.
    static bool startRecording(const QString& data);
    void quit(QProcess& app, Way way);
    static QJsonArray history(const QString& data);

    FakeGemini m_gemini;
    std::unique_ptr<TestMicrophone> m_mic;
    QString m_windowId;
};

bool TestQuitEndToEnd::xdotool(const QStringList& arguments)
{
    return QProcess::execute(QStringLiteral("xdotool"), arguments) == 0;
}

void TestQuitEndToEnd::initTestCase()
{
    for (const char* name : {"DISPLAY", "PULSE_SERVER", "KESTO_TEST_MIC_FIFO"})
        QVERIFY2(qEnvironmentVariableIsSet(name),
                 qPrintable(QStringLiteral("%1 is not set: start scripts/test-env").arg(QLatin1String(name))));
    QVERIFY2(!qEnvironmentVariableIsEmpty("KESTO_APP"), "KESTO_APP names the application");
    m_mic = std::make_unique<TestMicrophone>();
    m_mic->start();
    QVERIFY(m_gemini.listen());
    m_gemini.setFallback(FakeGemini::Reply::models({QStringLiteral("gemini-3.8-flash")}).on(QStringLiteral("GET")));
}

void TestQuitEndToEnd::cleanupTestCase()
{
    if (m_mic)
        m_mic->stop();
}

std::unique_ptr<QTemporaryDir> TestQuitEndToEnd::newData()
{
    auto data = std::make_unique<QTemporaryDir>();
    // Sounds are on, as they are by default; a tap of the talk key starts
    // and a second one ends, so a key of the window can quit mid-recording.
    const QJsonObject config{{QStringLiteral("onboardingDone"), true},
                             {QStringLiteral("apiKey"), QStringLiteral("test-key")},
                             {QStringLiteral("sounds"), true},
                             {QStringLiteral("hotkeyMode"), QStringLiteral("toggle")},
                             {QStringLiteral("phoneServerEnabled"), false}};
    QFile file(QDir(data->path()).filePath(QStringLiteral("config.json")));
    if (file.open(QIODevice::WriteOnly))
        file.write(QJsonDocument(config).toJson());
    return data;
}

bool TestQuitEndToEnd::start(QProcess& app, const QString& data, Way way)
{
    const QProcessEnvironment env = AppProcess::environment(data, m_gemini.url());
    if (!AppProcess::start(app, env) || !AppLog::waitFor(data, QStringLiteral("ready"), 20000))
        return false;
    if (way != Way::ctrlQ)
        return true;
    // A second start brings the main window forward.
    QProcess second;
    second.setProcessEnvironment(env);
    second.start(qEnvironmentVariable("KESTO_APP"), {});
    if (!second.waitForFinished(20000))
        return false;
    m_windowId.clear();
    QElapsedTimer waited;
    waited.start();
    while (m_windowId.isEmpty() && waited.elapsed() < 10000) {
        for (const ScreenWindows::Window& window : ScreenWindows::ofProcess(app.processId())) {
            if (window.frame.width() >= 900)
                m_windowId = window.id;
        }
        if (m_windowId.isEmpty())
            QTest::qWait(100);
    }
    return !m_windowId.isEmpty() && xdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), m_windowId});
}

bool TestQuitEndToEnd::startRecording(const QString& data)
{
    return xdotool({QStringLiteral("key"), QStringLiteral("ctrl+super")})
        && AppLog::waitFor(data, QStringLiteral("recording started"), 10000);
}

void TestQuitEndToEnd::quit(QProcess& app, Way way)
{
    switch (way) {
    case Way::signal:
        app.terminate();
        break;
    case Way::twoSignals:
        app.terminate();
        QTest::qWait(30);
        app.terminate();
        break;
    case Way::ctrlQ:
        QVERIFY(xdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), m_windowId}));
        QVERIFY(xdotool({QStringLiteral("key"), QStringLiteral("ctrl+q")}));
        break;
    }
}

QJsonArray TestQuitEndToEnd::history(const QString& data)
{
    QFile file(QDir(data).filePath(QStringLiteral("history.json")));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QJsonDocument::fromJson(file.readAll()).object().value(QStringLiteral("entries")).toArray();
}

void TestQuitEndToEnd::quitSoonAfterTheStartEndsCleanly_data()
{
    QTest::addColumn<Way>("way");
    QTest::newRow("SIGTERM") << Way::signal;
    QTest::newRow("two SIGTERMs") << Way::twoSignals;
    QTest::newRow("Ctrl+Q") << Way::ctrlQ;
}

void TestQuitEndToEnd::quitSoonAfterTheStartEndsCleanly()
{
    QFETCH(Way, way);
    // Seven quits each way, spread over the first second of the recording,
    // while the start sound plays.
    for (int round = 0; round < 7; ++round) {
        const std::unique_ptr<QTemporaryDir> data = newData();
        QProcess app;
        QVERIFY2(start(app, data->path(), way), qPrintable(AppLog::read(data->path())));
        QVERIFY2(startRecording(data->path()), qPrintable(AppLog::read(data->path())));
        QTest::qWait(round * 150);
        quit(app, way);
        QVERIFY2(AppProcess::ended(app), qPrintable(QStringLiteral("round %1: %2\n%3")
                                                        .arg(round)
                                                        .arg(AppProcess::ending(app), AppLog::read(data->path()))));
    }
}

void TestQuitEndToEnd::quitKeepsTheRecording_data()
{
    QTest::addColumn<Way>("way");
    QTest::newRow("SIGTERM") << Way::signal;
    QTest::newRow("Ctrl+Q") << Way::ctrlQ;
}

void TestQuitEndToEnd::quitKeepsTheRecording()
{
    QFETCH(Way, way);
    const std::unique_ptr<QTemporaryDir> data = newData();
    QProcess app;
    QVERIFY2(start(app, data->path(), way), qPrintable(AppLog::read(data->path())));
    QVERIFY2(startRecording(data->path()), qPrintable(AppLog::read(data->path())));
    m_mic->say(TestMicrophone::speech(2));
    QTest::qWait(2000); // longer than a recording Escape would drop
    quit(app, way);
    QVERIFY2(AppProcess::ended(app), qPrintable(AppProcess::ending(app)));
    const QString log = AppLog::read(data->path());
    QVERIFY2(log.contains(QStringLiteral("quit while recording; the recording is kept in History")), qPrintable(log));

    // The next start finds it, audio and all, ready to be transcribed.
    QVERIFY(QFile::remove(QDir(data->path()).filePath(QStringLiteral("kesto.log"))));
    QProcess next;
    QVERIFY2(start(next, data->path(), Way::signal), qPrintable(AppLog::read(data->path())));
    const QJsonArray entries = history(data->path());
    QCOMPARE(entries.size(), 1);
    const QJsonObject entry = entries.first().toObject();
    QCOMPARE(entry.value(QStringLiteral("status")).toString(), QStringLiteral("discarded"));
    QVERIFY(entry.value(QStringLiteral("duration")).toDouble() >= 1.0);
    const QFileInfo audio(QDir(data->path()).filePath(QStringLiteral("audio/") + entry.value(QStringLiteral("audioFile")).toString()));
    QVERIFY2(audio.isFile() && audio.size() > 1000, qPrintable(audio.filePath()));
    QVERIFY2(AppProcess::stop(next), qPrintable(AppProcess::ending(next)));
}

QTEST_MAIN(TestQuitEndToEnd)
#include "TestQuitEndToEnd.moc"
