#include "AppLog.h"
#include "AppProcess.h"
#include "FakeGemini.h"
#include "TestMicrophone.h"

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QScreen>
#include <QTemporaryDir>
#include <QtTest>

// The real application under Xvfb with the test microphone and the fake
// Gemini service, driven with the pointer through its main window: "Write by
// voice" on a note records into that note, and deleting the note while its
// dictation is processed keeps the text in History.
class TestNotesEndToEnd final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void writeByVoiceFillsTheNote();
    void deletingTheNoteWhileProcessingKeepsTheText();
    void quittingRightAfterTypingKeepsTheText();

private:
    QString log() const;
    bool waitForLog(const QString& line, int timeoutMs);
    QJsonObject notes() const;
    QJsonArray history() const;
    QJsonObject storedNote(const QString& id) const;
    // The main window's frame on the screen: x, y, width, height; id is set
    // to its X window id.
    QRect mainWindow(QString* id = nullptr) const;
    static bool xdotool(const QStringList& arguments);
    // A click at a point of the main window.
    bool click(int x, int y);
    // A click on the open note's dictation button (its trailing part, where
    // "Write by voice", "Stop" and the processing text all lie).
    bool clickDictation() { return click(m_window.width() - headerRight - 30, headerButtonY); }
    bool clickDelete() { return click(m_window.width() - 32 - 17, headerButtonY); }
    // The n-th note of the column (0 first).
    bool clickNoteRow(int n);
    int columnWidth() const;
    // What the screen shows in an area of the main window.
    QImage shown(const QRect& area) const;
    // Clicks (again, should the window not have taken the click yet) until
    // the area shows a change, then waits for it to hold still: the
    // application animates.
    bool clickAndSettle(const std::function<bool()>& click, const QRect& area);
    QRect column() const { return QRect(sidebarWidth, 0, columnWidth(), m_window.height()); }
    QRect editor() const
    {
        return QRect(sidebarWidth + columnWidth(), 0, m_window.width() - sidebarWidth - columnWidth(), 240);
    }
    void recordAndStop();

    // Where things are in the window, from the sidebar's and the Notes
    // screen's layouts.
    static constexpr int sidebarWidth = 256;
    static constexpr int notesNavY = 176;            // the sidebar's "Notes" row
    static constexpr int headerButtonY = 16 + 17;    // the note header's buttons, centred
    static constexpr int headerRight = 32 + 34 + 10; // padding, delete button, spacing
    // The column: top padding, "New note", search, "Folders", "All", one
    // folder, the divider and "Notes" come before the first note row.
    static constexpr int firstNoteTop = 18 + 38 + 6 + 38 + 4 + 46 + 36 + 36 + 13 + 40;
    static constexpr int noteRowHeight = 60;

    QTemporaryDir m_data;
    FakeGemini m_gemini;
    QProcess m_app;
    QRect m_window;
    QByteArray m_speech;
    std::unique_ptr<TestMicrophone> m_mic;
    QString m_shopping;
    QString m_trip;
};

namespace {

const QString transcript = QStringLiteral("Eggs and bread from the test microphone");

QJsonObject noteJson(const QString& id, const QString& folder, const QString& title, const QString& body, int minutesAgo)
{
    const QString when = QDateTime::currentDateTimeUtc().addSecs(-60 * minutesAgo).toString(Qt::ISODate);
    return {{QStringLiteral("id"), id},        {QStringLiteral("folderID"), folder}, {QStringLiteral("title"), title},
            {QStringLiteral("body"), body},    {QStringLiteral("created"), when},    {QStringLiteral("updated"), when}};
}

QString newId()
{
    return QUuid::createUuid().toString(QUuid::WithoutBraces).toUpper(); // as the store writes them
}

} // namespace

bool TestNotesEndToEnd::xdotool(const QStringList& arguments)
{
    return QProcess::execute(QStringLiteral("xdotool"), arguments) == 0;
}

void TestNotesEndToEnd::initTestCase()
{
    for (const char* name : {"DISPLAY", "PULSE_SERVER", "KESTO_TEST_MIC_FIFO"})
        QVERIFY2(qEnvironmentVariableIsSet(name), qPrintable(QStringLiteral("%1 is not set: start scripts/test-env").arg(QLatin1String(name))));
    QVERIFY2(!qEnvironmentVariableIsEmpty("KESTO_APP"), "KESTO_APP names the application");

    m_speech = TestMicrophone::speech();
    QVERIFY2(m_speech.size() > 16000, "espeak-ng and sox make the speech");
    m_mic = std::make_unique<TestMicrophone>();
    m_mic->start();
    QVERIFY(m_gemini.listen());
    m_gemini.setFallback(FakeGemini::Reply::models({QStringLiteral("gemini-3.8-flash")}).on(QStringLiteral("GET")));

    const QJsonObject config{{QStringLiteral("onboardingDone"), true},
                             {QStringLiteral("apiKey"), QStringLiteral("test-key")},
                             {QStringLiteral("keepAudio"), false}};
    const QString folder = newId();
    m_shopping = newId();
    m_trip = newId();
    const QJsonObject store{
        {QStringLiteral("folders"), QJsonArray{QJsonObject{{QStringLiteral("id"), folder}, {QStringLiteral("name"), QStringLiteral("Home")}}}},
        {QStringLiteral("notes"), QJsonArray{noteJson(m_shopping, folder, QStringLiteral("Shopping list"), QStringLiteral("Milk"), 5),
                                             noteJson(m_trip, folder, QStringLiteral("Trip"), QStringLiteral("Boots"), 50)}}};
    for (const auto& [name, json] : {std::pair{QStringLiteral("config.json"), config}, std::pair{QStringLiteral("notes.json"), store}}) {
        QFile file(QDir(m_data.path()).filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QJsonDocument(json).toJson());
    }

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

    // A second start brings the main window forward.
    QProcess second;
    second.setProcessEnvironment(env);
    second.start(qEnvironmentVariable("KESTO_APP"), {});
    QVERIFY(second.waitForFinished(20000));
    QString id;
    QTRY_VERIFY_WITH_TIMEOUT((m_window = mainWindow(&id)).isValid(), 10000);
    // Wholly on the screen, so every part of it can be clicked.
    QVERIFY(xdotool({QStringLiteral("windowmove"), id, QStringLiteral("0"), QStringLiteral("0")}));
    QTRY_COMPARE_WITH_TIMEOUT(mainWindow().topLeft(), QPoint(0, 0), 5000);
    m_window = mainWindow();
    QVERIFY2(clickAndSettle([this] { return click(sidebarWidth / 3, notesNavY); }, column()), "Notes did not open");
    // The screen opens on a new empty note; the titled ones follow it.
    QVERIFY2(clickAndSettle([this] { return clickNoteRow(1); }, editor()), "the note did not open");
}

void TestNotesEndToEnd::cleanupTestCase()
{
    const bool clean = AppProcess::stop(m_app);
    if (m_mic)
        m_mic->stop();
    QVERIFY2(clean, qPrintable(AppProcess::ending(m_app)));
}

QString TestNotesEndToEnd::log() const
{
    return AppLog::read(m_data.path());
}

bool TestNotesEndToEnd::waitForLog(const QString& line, int timeoutMs)
{
    return AppLog::waitFor(m_data.path(), line, timeoutMs);
}

QJsonObject TestNotesEndToEnd::notes() const
{
    QFile file(QDir(m_data.path()).filePath(QStringLiteral("notes.json")));
    return file.open(QIODevice::ReadOnly) ? QJsonDocument::fromJson(file.readAll()).object() : QJsonObject();
}

QJsonObject TestNotesEndToEnd::storedNote(const QString& id) const
{
    for (const QJsonValue& note : notes().value(QStringLiteral("notes")).toArray()) {
        if (note.toObject().value(QStringLiteral("id")).toString() == id)
            return note.toObject();
    }
    return {};
}

QJsonArray TestNotesEndToEnd::history() const
{
    QFile file(QDir(m_data.path()).filePath(QStringLiteral("history.json")));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QJsonDocument document = QJsonDocument::fromJson(file.readAll());
    return document.isArray() ? document.array() : document.object().value(QStringLiteral("entries")).toArray();
}

QRect TestNotesEndToEnd::mainWindow(QString* id) const
{
    QProcess search;
    search.start(QStringLiteral("xdotool"), {QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--classname"),
                                             QStringLiteral("kesto-viruz"), QStringLiteral("getwindowgeometry"),
                                             QStringLiteral("%@")});
    search.waitForFinished(5000);
    // The main window is the large one; the pill is small.
    static const QRegularExpression block(
        QStringLiteral("Window (\\d+).*?Position: (\\d+),(\\d+).*?\\n\\s*Geometry: (\\d+)x(\\d+)"),
        QRegularExpression::DotMatchesEverythingOption);
    QRect largest;
    auto it = block.globalMatch(QString::fromUtf8(search.readAllStandardOutput()));
    while (it.hasNext()) {
        const auto m = it.next();
        const QRect r(m.captured(2).toInt(), m.captured(3).toInt(), m.captured(4).toInt(), m.captured(5).toInt());
        if (r.width() >= 900 && r.width() * r.height() > largest.width() * largest.height()) {
            largest = r;
            if (id)
                *id = m.captured(1);
        }
    }
    return largest;
}

bool TestNotesEndToEnd::click(int x, int y)
{
    return xdotool({QStringLiteral("mousemove"), QString::number(m_window.x() + x), QString::number(m_window.y() + y),
                    QStringLiteral("click"), QStringLiteral("1")});
}

int TestNotesEndToEnd::columnWidth() const
{
    return std::clamp(int(std::lround(0.26 * (m_window.width() - sidebarWidth))), 220, 280);
}

bool TestNotesEndToEnd::clickNoteRow(int n)
{
    return click(sidebarWidth + columnWidth() / 2, firstNoteTop + n * noteRowHeight + noteRowHeight / 2);
}

QImage TestNotesEndToEnd::shown(const QRect& area) const
{
    const QRect at = area.translated(m_window.topLeft());
    return QGuiApplication::primaryScreen()->grabWindow(0, at.x(), at.y(), at.width(), at.height()).toImage();
}

bool TestNotesEndToEnd::clickAndSettle(const std::function<bool()>& click, const QRect& area)
{
    const QImage before = shown(area);
    QImage last = before;
    bool changed = false;
    QElapsedTimer clicked;
    QDeadlineTimer deadline(20000);
    while (!deadline.hasExpired()) {
        if (!changed && (!clicked.isValid() || clicked.hasExpired(3000))) {
            if (!click())
                return false;
            clicked.start();
        }
        QTest::qWait(50);
        const QImage now = shown(area);
        if (changed && now == last)
            return true;
        changed = changed || now != before;
        last = now;
    }
    return false;
}

void TestNotesEndToEnd::recordAndStop()
{
    QVERIFY(clickDictation());
    QVERIFY2(waitForLog(QStringLiteral("recording started"), 5000), qPrintable(log()));
    m_mic->say(m_speech);
    QTest::qWait(2500);
    QVERIFY(clickDictation());
}

void TestNotesEndToEnd::writeByVoiceFillsTheNote()
{
    m_gemini.enqueue(FakeGemini::Reply::text(transcript).on(QStringLiteral("POST")));
    const int recorded = int(log().count(QStringLiteral("recording started")));
    recordAndStop();
    QTRY_COMPARE_WITH_TIMEOUT(storedNote(m_shopping).value(QStringLiteral("body")).toString(),
                              QStringLiteral("Milk\n") + transcript, 20000);
    QCOMPARE(log().count(QStringLiteral("recording started")), recorded + 1);
    QCOMPARE(m_gemini.requests(QStringLiteral("POST")).size(), 1);

    // On screen: the body as the editor holds it, copied out of it.
    QVERIFY(click(sidebarWidth + 320, 67 + 28 + 36 + 12 + 10));
    QVERIFY(xdotool({QStringLiteral("key"), QStringLiteral("ctrl+a"), QStringLiteral("ctrl+c")}));
    QTRY_COMPARE_WITH_TIMEOUT(QGuiApplication::clipboard()->text(), QStringLiteral("Milk\n") + transcript, 5000);
    QTRY_VERIFY_WITH_TIMEOUT(!history().isEmpty(), 5000);
    QCOMPARE(history().first().toObject().value(QStringLiteral("text")).toString(), transcript);
}

void TestNotesEndToEnd::deletingTheNoteWhileProcessingKeepsTheText()
{
    QTest::qWait(2000); // the done state ends
    m_gemini.clearRequests();
    m_gemini.enqueue(FakeGemini::Reply::text(transcript).on(QStringLiteral("POST")).delayed(4000));
    const int entries = int(history().size());
    recordAndStop();
    // While the transcript is on its way, the note goes.
    QTRY_VERIFY_WITH_TIMEOUT(!m_gemini.requests(QStringLiteral("POST")).isEmpty(), 10000);
    QVERIFY(clickDelete());
    QTRY_VERIFY_WITH_TIMEOUT(storedNote(m_shopping).isEmpty(), 5000);

    QTRY_COMPARE_WITH_TIMEOUT(history().size(), entries + 1, 20000);
    const QJsonObject entry = history().first().toObject();
    QCOMPARE(entry.value(QStringLiteral("text")).toString(), transcript);
    QCOMPARE(entry.value(QStringLiteral("status")).toString(), QStringLiteral("done"));
    QVERIFY(storedNote(m_trip).value(QStringLiteral("body")).toString() == QStringLiteral("Boots"));
}

void TestNotesEndToEnd::quittingRightAfterTypingKeepsTheText()
{
    // The Trip note is the only one left; its body gets more words, and the
    // application is told to quit before the deferred save could run.
    QVERIFY(clickNoteRow(0));
    QTest::qWait(300);
    QVERIFY(click(sidebarWidth + 320, 67 + 28 + 36 + 12 + 10));
    QVERIFY(xdotool({QStringLiteral("key"), QStringLiteral("ctrl+End")}));
    QVERIFY(xdotool({QStringLiteral("type"), QStringLiteral(" and socks")}));
    QTest::qWait(150); // the keys reach the application, well within the 0.6 s
    QVERIFY2(AppProcess::stop(m_app), qPrintable(AppProcess::ending(m_app)));
    QCOMPARE(storedNote(m_trip).value(QStringLiteral("body")).toString(), QStringLiteral("Boots and socks"));
}

QTEST_MAIN(TestNotesEndToEnd)
#include "TestNotesEndToEnd.moc"
