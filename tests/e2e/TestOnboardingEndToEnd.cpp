#include "AppLog.h"
#include "AppProcess.h"
#include "FakeCapabilities.h"
#include "FakeClock.h"
#include "FakeGemini.h"
#include "TempDataDir.h"
#include "TestMicrophone.h"

#include "core/AppState.h"
#include "design/Onest.h"
#include "design/components/Chip.h"
#include "design/components/SButton.h"
#include "design/components/SInput.h"
#include "onboarding/OnboardingView.h"

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLineEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QtTest>

// The real application under Xvfb. A first start with an empty data folder
// opens the wizard, which is passed with clicks and keys sent through XTest
// alone, with the focus the application gives itself: a chip clicked and
// Return, the key typed and checked at once against a fake Gemini service
// answering after a second, and the try-it step, which records the test
// microphone through the real talk key and shows the transcript in its
// sample box. Finishing writes onboardingDone, and the next start goes
// straight to work. A later start on a sound server without a microphone
// opens the permissions window, whose "Later" turns into "Done" once a
// microphone is back and stays until Return presses it.
class TestOnboardingEndToEnd final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanup();
    void cleanupTestCase();
    void firstRunThroughTheWizard();
    void permissionsWindowWaitsForDone();

private:
    void startApp(const QString& data, const QProcessEnvironment& extra = {});
    void stopApp();
    QString log(const QString& data) const;
    bool waitForLog(const QString& data, const QString& line, int timeoutMs) const;
    // The visible windows of the application of exactly this size.
    QStringList windows(QSize size) const;
    static bool xdotool(const QStringList& arguments);
    // Clicks at a point of the window.
    static bool click(const QString& window, QPoint at);
    // The centre of the wizard's widget, as the application lays it out.
    QPoint centreOf(const QString& name, int step, const QString& type = {});

    FakeGemini m_gemini;
    QProcess m_app;
    QByteArray m_speech;
    std::unique_ptr<TestMicrophone> m_mic;
};

namespace {

const QString transcript = QStringLiteral("Hello from the test microphone");

QJsonObject readConfig(const QString& data)
{
    QFile file(QDir(data).filePath(QStringLiteral("config.json")));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QJsonDocument::fromJson(file.readAll()).object();
}

} // namespace

bool TestOnboardingEndToEnd::xdotool(const QStringList& arguments)
{
    return QProcess::execute(QStringLiteral("xdotool"), arguments) == 0;
}

bool TestOnboardingEndToEnd::click(const QString& window, QPoint at)
{
    return xdotool({QStringLiteral("mousemove"), QStringLiteral("--window"), window, QString::number(at.x()),
                    QString::number(at.y())})
        && xdotool({QStringLiteral("click"), QStringLiteral("1")});
}

void TestOnboardingEndToEnd::initTestCase()
{
    for (const char* name : {"DISPLAY", "DBUS_SESSION_BUS_ADDRESS", "PULSE_SERVER", "KESTO_TEST_MIC_FIFO"})
        QVERIFY2(qEnvironmentVariableIsSet(name), qPrintable(QStringLiteral("%1 is not set: start scripts/test-env").arg(QLatin1String(name))));
    QVERIFY2(!qEnvironmentVariableIsEmpty("KESTO_APP"), "KESTO_APP names the application");
    Onest::registerFaces();
    m_speech = TestMicrophone::speech();
    QVERIFY2(m_speech.size() > 16000, "espeak-ng and sox make the speech");
    m_mic = std::make_unique<TestMicrophone>();
    m_mic->start();
    QVERIFY(m_gemini.listen());
    // A service as slow as a real one at its worst.
    m_gemini.setFallback(FakeGemini::Reply::models({QStringLiteral("gemini-3.8-flash")}).on(QStringLiteral("GET")).delayed(1000));
}

void TestOnboardingEndToEnd::cleanup()
{
    stopApp();
}

void TestOnboardingEndToEnd::cleanupTestCase()
{
    if (m_mic)
        m_mic->stop();
}

void TestOnboardingEndToEnd::startApp(const QString& data, const QProcessEnvironment& extra)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("KESTO_DATA_DIR"), data);
    env.insert(QStringLiteral("KESTO_GEMINI_URL"), m_gemini.url());
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    env.remove(QStringLiteral("GEMINI_API_KEY"));
    env.insert(extra);
    m_app.setProcessEnvironment(env);
    m_app.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_app.start(qEnvironmentVariable("KESTO_APP"), {});
    QVERIFY(m_app.waitForStarted());
    QVERIFY2(waitForLog(data, QStringLiteral("ready"), 20000), qPrintable(log(data)));
}

void TestOnboardingEndToEnd::stopApp()
{
    QVERIFY2(AppProcess::stop(m_app), qPrintable(AppProcess::ending(m_app)));
}

QString TestOnboardingEndToEnd::log(const QString& data) const
{
    return AppLog::read(data);
}

bool TestOnboardingEndToEnd::waitForLog(const QString& data, const QString& line, int timeoutMs) const
{
    return AppLog::waitFor(data, line, timeoutMs);
}

QStringList TestOnboardingEndToEnd::windows(QSize size) const
{
    QProcess search;
    search.start(QStringLiteral("xdotool"), {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                             QStringLiteral("--pid"), QString::number(m_app.processId())});
    search.waitForFinished(5000);
    QStringList found;
    for (const QString& id : QString::fromLatin1(search.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts)) {
        QProcess geometry;
        geometry.start(QStringLiteral("xdotool"), {QStringLiteral("getwindowgeometry"), QStringLiteral("--shell"), id});
        geometry.waitForFinished(5000);
        const QString shell = QString::fromLatin1(geometry.readAllStandardOutput());
        const QRegularExpressionMatch w = QRegularExpression(QStringLiteral("WIDTH=(\\d+)")).match(shell);
        const QRegularExpressionMatch h = QRegularExpression(QStringLiteral("HEIGHT=(\\d+)")).match(shell);
        const int width = w.captured(1).toInt();
        const int height = h.captured(1).toInt();
        if (width == size.width() && height == size.height())
            found << id;
    }
    return found;
}

QPoint TestOnboardingEndToEnd::centreOf(const QString& name, int step, const QString& type)
{
    // A twin of the wizard, laid out here on the same display with the same
    // fonts, says where the application's own controls are.
    TempDataDir data;
    FakeClock clock;
    FakeCapabilities capabilities;
    AppState state(clock);
    OnboardingView twin(state, {[](const Config&) {}, [] {}}, capabilities, clock);
    // Laid out without a window of its own, so nothing takes the focus.
    twin.setAttribute(Qt::WA_DontShowOnScreen);
    twin.show();
    twin.go(step);
    QCoreApplication::processEvents();
    QWidget* widget = nullptr;
    for (QWidget* candidate : twin.findChildren<QWidget*>(name)) {
        if (type.isEmpty() || candidate->inherits(qPrintable(type)))
            widget = candidate;
    }
    if (!widget)
        return {};
    return widget->mapTo(&twin, widget->rect().center());
}

void TestOnboardingEndToEnd::firstRunThroughTheWizard()
{
    QTemporaryDir data;
    startApp(data.path());
    QTRY_COMPARE_WITH_TIMEOUT(windows(OnboardingView::designSize).size(), 1, 10000);
    const QString wizard = windows(OnboardingView::designSize).first();

    const QPoint next = centreOf(QStringLiteral("next"), 0);
    auto pressNext = [&](const QString& following) {
        // "Next" opens once the step's check has answered: try until it goes.
        for (int attempt = 0; attempt < 20 && !log(data.path()).contains(QStringLiteral("onboarding step ") + following); ++attempt) {
            QVERIFY(click(wizard, next));
            waitForLog(data.path(), QStringLiteral("onboarding step ") + following, 500);
        }
        QVERIFY2(log(data.path()).contains(QStringLiteral("onboarding step ") + following), qPrintable(log(data.path())));
    };

    // Languages: nothing chosen keeps "Next" shut.
    QVERIFY(click(wizard, next));
    QTest::qWait(300);
    QVERIFY(!log(data.path()).contains(QStringLiteral("onboarding step microphone")));
    // A chip clicked takes no focus; Return is still "Next".
    QVERIFY(click(wizard, centreOf(QStringLiteral("language-uz-UZ"), 0)));
    QVERIFY(xdotool({QStringLiteral("key"), QStringLiteral("Return")}));
    QVERIFY2(waitForLog(data.path(), QStringLiteral("onboarding step microphone"), 5000), qPrintable(log(data.path())));
    QCOMPARE(readConfig(data.path()).value(QStringLiteral("languageCodes")).toArray(), QJsonArray{QStringLiteral("uz-UZ")});
    // The test microphone and the X server with XTEST let both checks pass.
    pressNext(QStringLiteral("accessibility"));
    pressNext(QStringLiteral("gemini"));

    // The key typed and "Check" clicked at once, in one run of xdotool,
    // well before the application applies the new key.
    QVERIFY(click(wizard, centreOf(QStringLiteral("keyInput"), 3)));
    const QPoint check = centreOf(QStringLiteral("checkKey"), 3);
    QSignalSpy answered(&m_gemini, &FakeGemini::replied);
    QVERIFY(xdotool({QStringLiteral("type"), QStringLiteral("--delay"), QStringLiteral("20"), QStringLiteral("--args"),
                     QStringLiteral("1"), QStringLiteral("test-key"), QStringLiteral("mousemove"), QStringLiteral("--window"), wizard, QString::number(check.x()),
                     QString::number(check.y()), QStringLiteral("click"), QStringLiteral("1")}));
    QTRY_VERIFY_WITH_TIMEOUT(!m_gemini.requests(QStringLiteral("GET")).isEmpty(), 10000);
    for (const FakeGemini::Request& request : m_gemini.requests(QStringLiteral("GET")))
        QCOMPARE(request.header("x-goog-api-key"), QByteArray("test-key"));
    // The answer, a second later, opens "Next" without a second check.
    QTRY_VERIFY_WITH_TIMEOUT(!answered.isEmpty(), 10000);
    const qsizetype checks = m_gemini.requests(QStringLiteral("GET")).size();
    QVERIFY(xdotool({QStringLiteral("key"), QStringLiteral("Return")}));
    QVERIFY2(waitForLog(data.path(), QStringLiteral("onboarding step try-it"), 5000), qPrintable(log(data.path())));
    QCOMPARE(m_gemini.requests(QStringLiteral("GET")).size(), checks);

    // The talk key records the test microphone; the text lands in the box.
    m_gemini.enqueue(FakeGemini::Reply::text(transcript).on(QStringLiteral("POST")));
    const QString userClipboard = QStringLiteral("What the user had copied");
    QGuiApplication::clipboard()->setText(userClipboard);
    QVERIFY(xdotool({QStringLiteral("keydown"), QStringLiteral("ctrl"), QStringLiteral("super")}));
    QTest::qWait(400);
    m_mic->say(m_speech);
    QTest::qWait(2600);
    QVERIFY(xdotool({QStringLiteral("keyup"), QStringLiteral("super"), QStringLiteral("ctrl")}));
    QTRY_VERIFY_WITH_TIMEOUT(!m_gemini.requests(QStringLiteral("POST")).isEmpty(), 20000);
    QVERIFY2(waitForLog(data.path(), QStringLiteral("recording started (mac)"), 1000), qPrintable(log(data.path())));
    // What the box holds, copied out of it once the paste is over: the
    // application puts back the clipboard it found (this test's own) last.
    QTRY_VERIFY_WITH_TIMEOUT(!QGuiApplication::clipboard()->ownsClipboard()
                                 && QGuiApplication::clipboard()->text() == userClipboard,
                             20000);
    QGuiApplication::clipboard()->clear();
    QVERIFY(click(wizard, centreOf(QStringLiteral("sampleEditor"), 4, QStringLiteral("QTextEdit"))));
    QVERIFY(xdotool({QStringLiteral("key"), QStringLiteral("ctrl+a"), QStringLiteral("ctrl+c")}));
    QTRY_COMPARE_WITH_TIMEOUT(QGuiApplication::clipboard()->text().trimmed(), transcript, 5000);

    // "Done" (where "Next" was) ends the setup.
    const QPoint done = centreOf(QStringLiteral("next"), 4);
    QVERIFY(click(wizard, done));
    QVERIFY2(waitForLog(data.path(), QStringLiteral("onboarding finished"), 5000), qPrintable(log(data.path())));
    QTRY_VERIFY_WITH_TIMEOUT(readConfig(data.path()).value(QStringLiteral("onboardingDone")).toBool(), 5000);
    QTRY_VERIFY_WITH_TIMEOUT(windows(OnboardingView::designSize).isEmpty(), 5000);
    QCOMPARE(readConfig(data.path()).value(QStringLiteral("apiKey")).toString(), QStringLiteral("test-key"));
    QVERIFY(log(data.path()).contains(QStringLiteral("accessibility granted=true")));

    // The next start goes straight to work: no wizard, no window asking for anything.
    stopApp();
    startApp(data.path());
    QTest::qWait(1500);
    QVERIFY(windows(OnboardingView::designSize).isEmpty());
    QVERIFY(!log(data.path()).contains(QStringLiteral("onboarding step")));
    QVERIFY(!log(data.path()).contains(QStringLiteral("permissions missing")));
    QVERIFY(log(data.path()).contains(QStringLiteral("accessibility granted=true")));
}

void TestOnboardingEndToEnd::permissionsWindowWaitsForDone()
{
    // A sound server of its own, with an output and no microphone.
    QTemporaryDir home;
    const QString runtime = QDir(home.path()).filePath(QStringLiteral("xdg"));
    QVERIFY(QDir().mkpath(runtime));
    QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    const QString socket = QDir(home.path()).filePath(QStringLiteral("native"));
    QProcessEnvironment pulseEnv = QProcessEnvironment::systemEnvironment();
    pulseEnv.insert(QStringLiteral("HOME"), home.path());
    pulseEnv.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime);
    pulseEnv.insert(QStringLiteral("XDG_CONFIG_HOME"), QDir(home.path()).filePath(QStringLiteral("config")));
    // Out of sight of the suite's own sound server, which it would otherwise
    // find on the session bus and leave running alone.
    pulseEnv.remove(QStringLiteral("PULSE_SERVER"));
    pulseEnv.remove(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"));
    pulseEnv.remove(QStringLiteral("DISPLAY"));
    QProcess pulse;
    pulse.setProcessEnvironment(pulseEnv);
    pulse.setStandardOutputFile(QDir(home.path()).filePath(QStringLiteral("pulse.log")));
    pulse.setStandardErrorFile(QDir(home.path()).filePath(QStringLiteral("pulse.log")), QIODevice::Append);
    pulse.start(QStringLiteral("pulseaudio"),
                {QStringLiteral("-n"), QStringLiteral("--daemonize=no"), QStringLiteral("--exit-idle-time=-1"),
                 QStringLiteral("--disallow-exit"), QStringLiteral("-L"),
                 QStringLiteral("module-native-protocol-unix auth-anonymous=1 socket=") + socket, QStringLiteral("-L"),
                 QStringLiteral("module-null-sink sink_name=quiet")});
    QVERIFY(pulse.waitForStarted());
    const QString server = QStringLiteral("unix:") + socket;
    auto pactl = [&](const QStringList& arguments) {
        QProcess tool;
        tool.start(QStringLiteral("pactl"), QStringList{QStringLiteral("-s"), server} + arguments);
        return tool.waitForFinished(5000) && tool.exitStatus() == QProcess::NormalExit && tool.exitCode() == 0;
    };
    QTRY_VERIFY_WITH_TIMEOUT(pactl({QStringLiteral("info")}), 15000);

    QTemporaryDir data;
    QFile config(QDir(data.path()).filePath(QStringLiteral("config.json")));
    QVERIFY(config.open(QIODevice::WriteOnly));
    config.write(R"({"onboardingDone": true, "apiKey": "test-key"})");
    config.close();
    QProcessEnvironment extra;
    extra.insert(QStringLiteral("PULSE_SERVER"), server);
    startApp(data.path(), extra);
    QVERIFY2(log(data.path()).contains(QStringLiteral("permissions missing after setup: [\"microphone\"]")),
             qPrintable(log(data.path())));
    // Exactly its own size, which it tells the window manager not to stretch.
    QTRY_COMPARE_WITH_TIMEOUT(windows({520, 440}).size(), 1, 10000);
    QProcess hints;
    hints.start(QStringLiteral("xprop"), {QStringLiteral("-id"), windows({520, 440}).first(), QStringLiteral("WM_NORMAL_HINTS")});
    QVERIFY(hints.waitForFinished(5000));
    const QString sizes = QString::fromLatin1(hints.readAllStandardOutput());
    QVERIFY2(sizes.contains(QStringLiteral("minimum size: 520 by 440")) && sizes.contains(QStringLiteral("maximum size: 520 by 440")),
             qPrintable(sizes));
    // "Later" is no default action.
    QVERIFY(xdotool({QStringLiteral("key"), QStringLiteral("Return")}));
    QTest::qWait(500);
    QCOMPARE(windows({520, 440}).size(), 1);

    // A microphone comes back: "Done" shows within about a second, and stays.
    QVERIFY(pactl({QStringLiteral("load-module"), QStringLiteral("module-null-source"), QStringLiteral("source_name=back")}));
    QTest::qWait(3000);
    QCOMPARE(windows({520, 440}).size(), 1);
    QVERIFY(xdotool({QStringLiteral("key"), QStringLiteral("Return")}));
    QTRY_VERIFY_WITH_TIMEOUT(windows({520, 440}).isEmpty(), 5000);
    QVERIFY(m_app.state() == QProcess::Running);

    stopApp();
    pulse.terminate();
    if (!pulse.waitForFinished(5000))
        pulse.kill();
}

QTEST_MAIN(TestOnboardingEndToEnd)
#include "TestOnboardingEndToEnd.moc"
