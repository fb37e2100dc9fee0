#include "ControllerRig.h"
#include "FakeGemini.h"
#include "SettingsTestSupport.h"

#include "core/InterfaceLanguage.h"
#include "core/Log.h"
#include "design/Onest.h"
#include "design/components/Badge.h"
#include "design/components/SButton.h"
#include "settings/SettingsPanel.h"
#include "shell/Relaunch.h"

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>

#include <sys/wait.h>
#include <unistd.h>

#include <QJsonArray>

using namespace SettingsTest;

// The panel on the real controller: the key check against a fake Gemini
// service, a new talk key applied to the key watcher, and a language change
// whose restart cannot start.
class TestSettingsWiring final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { Onest::registerFaces(); }
    void cleanup() { qunsetenv("KESTO_GEMINI_URL"); }
    void keyCheck_data();
    void keyCheck();
    void newTalkKeyIsAppliedAndSaved();
    void languageWaitsWhenNoNewProcessStarts();
    void languageThatCannotBeStoredSaysSo();
    void restartWaitsForTheOldProcess();
};

void TestSettingsWiring::keyCheck_data()
{
    QTest::addColumn<QVariant>("reply"); // FakeGemini::Reply; invalid: nothing listens
    QTest::addColumn<QString>("badge");
    QTest::addColumn<QString>("help");
    QTest::addColumn<QString>("model");

    QTest::newRow("working key") << QVariant::fromValue(FakeGemini::Reply::models(
        {QStringLiteral("gemini-2.5-pro"), QStringLiteral("text-embedding-004"), QStringLiteral("gemini-3.8-flash")}))
                                 << QStringLiteral("Connected") << QString() << QStringLiteral("Gemini 3.8 Flash");
    QTest::newRow("refused key") << QVariant::fromValue(FakeGemini::Reply::error(400, QStringLiteral("API key not valid.")))
                                 << QStringLiteral("Error") << QStringLiteral("Gemini returned 400: API key not valid.")
                                 << QStringLiteral("Gemini 3.8 Flash");
    QTest::newRow("no network") << QVariant() << QStringLiteral("Error") << QStringLiteral("*") << QStringLiteral("Gemini 3.8 Flash");
}

void TestSettingsWiring::keyCheck()
{
    QFETCH(QVariant, reply);
    QFETCH(QString, badge);
    QFETCH(QString, help);
    QFETCH(QString, model);
    FakeGemini gemini;
    if (reply.isValid()) {
        QVERIFY(gemini.listen());
        gemini.setFallback(reply.value<FakeGemini::Reply>());
        qputenv("KESTO_GEMINI_URL", gemini.url().toUtf8());
    } else {
        // A port nothing listens on.
        qputenv("KESTO_GEMINI_URL", "http://127.0.0.1:9");
    }
    ControllerRig rig;
    AppDelegate& app = rig.start({{QStringLiteral("apiKey"), QStringLiteral("the-key")}});
    app.state().setSettingsTab(SettingsTab::ai);
    app.state().setSettingsOpen(true);
    SettingsPanel panel(app.state(), app.state().actions());

    auto* shown = find<Badge>(&panel, QStringLiteral("keyBadge"));
    QTRY_COMPARE_WITH_TIMEOUT(shown->text(), badge, 10000);
    if (help == QStringLiteral("*"))
        QVERIFY(!shown->toolTip().isEmpty());
    else if (!help.isEmpty())
        QVERIFY2(shown->toolTip().contains(help), qPrintable(shown->toolTip()));
    QCOMPARE(find<SSelect>(&panel, QStringLiteral("model"))->label(), model);
    if (reply.isValid()) {
        QCOMPARE(gemini.requests().first().header("x-goog-api-key"), QByteArray("the-key"));
        if (badge == QStringLiteral("Connected"))
            QCOMPARE(labels(find<SSelect>(&panel, QStringLiteral("model"))),
                     (QStringList{QStringLiteral("Gemini 2.5 Pro"), QStringLiteral("Gemini 3.8 Flash")}));
    }
}

void TestSettingsWiring::newTalkKeyIsAppliedAndSaved()
{
    ControllerRig rig;
    AppDelegate& app = rig.start({{QStringLiteral("apiKey"), QStringLiteral("the-key")}});
    app.state().setSettingsTab(SettingsTab::shortcuts);
    app.state().setSettingsOpen(true);
    SettingsPanel panel(app.state(), app.state().actions());
    panel.show();
    QCOMPARE(app.hotkey().kind(), HotkeyKind::controlFn);

    auto* button = find<SButton>(&panel, QStringLiteral("changeKeys"));
    QTest::mouseClick(button, Qt::LeftButton);
    QMenu* menu = openMenu(button);
    QVERIFY(menu);
    menu->actions().at(3)->trigger();
    menu->close();
    QVERIFY(pick(find<SSelect>(&panel, QStringLiteral("holdTime")), QStringLiteral("500 ms")));

    // Nothing is applied before the settings have been still for 250 ms.
    rig.clock.advance(200);
    QCOMPARE(app.hotkey().kind(), HotkeyKind::controlFn);
    rig.clock.advance(100);
    QCOMPARE(app.hotkey().kind(), HotkeyKind::rightCommand);
    QVERIFY(app.hotkey().isRunning());
    QCOMPARE(app.hotkey().holdThreshold(), 0.5);
    const QJsonObject saved = QJsonDocument::fromJson(rig.data.read(QStringLiteral("config.json"))).object();
    QCOMPARE(saved.value(QStringLiteral("hotkey")).toString(), QStringLiteral("rightCommand"));
    QCOMPARE(saved.value(QStringLiteral("holdThresholdMs")).toInt(), 500);
}

void TestSettingsWiring::languageWaitsWhenNoNewProcessStarts()
{
    ControllerRig rig;
    int starts = 0;
    rig.relaunch = [&starts] {
        ++starts;
        return false;
    };
    AppDelegate& app = rig.start({{QStringLiteral("apiKey"), QStringLiteral("the-key")}});
    app.state().setSettingsOpen(true);
    SettingsPanel panel(app.state(), app.state().actions());
    QVERIFY(pick(find<SSelect>(&panel, QStringLiteral("language")), QStringLiteral(u"Русский")));

    QCOMPARE(starts, 1);
    QCOMPARE(InterfaceLanguage::chosen(), std::optional<QString>(QStringLiteral("ru")));
    QVERIFY(app.state().toast());
    QCOMPARE(app.state().toast()->title, QStringLiteral("The language changes at the next start"));
    QCOMPARE(app.state().toast()->tone, ToastTone::warning);
    QCOMPARE(find<SSelect>(&panel, QStringLiteral("language"))->label(), QStringLiteral(u"Русский"));
    Log::flush();
    QVERIFY(rig.data.read(QStringLiteral("kesto.log")).contains("relaunch failed"));

    // The same language again asks for nothing.
    QVERIFY(pick(find<SSelect>(&panel, QStringLiteral("language")), QStringLiteral(u"Русский")));
    QCOMPARE(starts, 1);
}

void TestSettingsWiring::languageThatCannotBeStoredSaysSo()
{
    ControllerRig rig;
    int starts = 0;
    rig.relaunch = [&starts] {
        ++starts;
        return true;
    };
    AppDelegate& app = rig.start({{QStringLiteral("apiKey"), QStringLiteral("the-key")}});
    // The settings folder cannot be written: a file holds its place (a
    // read-only mode would not stop the root user the suite may run as).
    QFile blocker(QDir(rig.configHome.path()).filePath(QStringLiteral("kesto-viruz")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    app.state().setSettingsOpen(true);
    SettingsPanel panel(app.state(), app.state().actions());
    auto* language = find<SSelect>(&panel, QStringLiteral("language"));
    QVERIFY(pick(language, QStringLiteral(u"Русский")));

    QCOMPARE(starts, 0);
    QCoreApplication::processEvents();
    QVERIFY(!QCoreApplication::closingDown());
    QVERIFY(app.state().toast());
    QCOMPARE(app.state().toast()->title, QStringLiteral("The language was not changed"));
    QVERIFY2(app.state().toast()->detail.contains(InterfaceLanguage::settingsPath()), qPrintable(app.state().toast()->detail));
    QCOMPARE(app.state().toast()->tone, ToastTone::danger);
    // The select goes back to the language still in force.
    QCOMPARE(language->label(), QStringLiteral("System"));
    QCOMPARE(InterfaceLanguage::chosen(), std::nullopt);
    Log::flush();
    QVERIFY(rig.data.read(QStringLiteral("kesto.log")).contains("interface language not stored"));
}

void TestSettingsWiring::restartWaitsForTheOldProcess()
{
    QCOMPARE(Relaunch::waitingFor({QStringLiteral("kesto-viruz")}), std::nullopt);
    QCOMPARE(Relaunch::waitingFor({QStringLiteral("kesto-viruz"), QStringLiteral("--after"), QStringLiteral("4242")}),
             std::optional<qint64>(4242));
    QCOMPARE(Relaunch::waitingFor({QStringLiteral("kesto-viruz"), QStringLiteral("--after"), QStringLiteral("x")}),
             std::nullopt);

    // A running process: the wait lasts until it has ended.
    QProcess old;
    old.start(QStringLiteral("sleep"), {QStringLiteral("0.6")});
    QVERIFY(old.waitForStarted());
    QElapsedTimer waited;
    waited.start();
    Relaunch::waitForExit(old.processId());
    QVERIFY(waited.elapsed() >= 500);
    old.waitForFinished();

    // An ended process nobody has reaped holds nothing: no wait.
    const pid_t zombie = ::fork();
    if (zombie == 0)
        ::_exit(0);
    QTest::qWait(100);
    waited.restart();
    Relaunch::waitForExit(zombie);
    QVERIFY(waited.elapsed() < 1000);
    ::waitpid(zombie, nullptr, 0);

    // A restart that cannot start says so.
    QVERIFY(!Relaunch::start(QStringLiteral("/nonexistent/kesto-viruz")));
}

QTEST_MAIN(TestSettingsWiring)
#include "TestSettingsWiring.moc"
