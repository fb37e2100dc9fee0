#include "TempDataDir.h"

#include "core/AppState.h"
#include "core/L10n.h"
#include "design/Onest.h"
#include "design/components/MenuAnchor.h"
#include "design/components/SButton.h"
#include "design/components/SSelect.h"
#include "settings/SettingsNavItem.h"
#include "settings/SettingsPanel.h"
#include "settings/SettingsShortcutsTab.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMenu>
#include <QProcess>
#include <QScrollArea>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>

// The built application driven through its settings panel with the mouse
// (XTest) on the test X server: a new talk key starts a dictation and the
// old one no longer does; choosing Russian restarts the application, the old
// process ends and the new one runs in Russian. Where to click is worked out
// by laying the same panel out here, at the size the running one has.
class TestSettingsEndToEnd final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void newTalkKeyStartsADictation();
    void choosingRussianRestartsInRussian();

private:
    void startApp();
    QString log() const;
    bool waitForLog(const QString& line, int timeoutMs = 20000) const;
    // The main window's frame on screen.
    QRect mainWindow(qint64 pid) const;
    // A point of the local panel, on the screen of the running one.
    QPoint onScreen(QWidget* widget, QPoint at);
    void click(QPoint at);
    static bool xdotool(const QStringList& arguments);

    std::unique_ptr<QTemporaryDir> m_data;
    std::unique_ptr<QTemporaryDir> m_config;
    std::unique_ptr<QProcess> m_app;
    QRect m_window;
    std::unique_ptr<AppState> m_state;
    std::unique_ptr<SettingsPanel> m_panel;
    AppActions m_actions;
};

void TestSettingsEndToEnd::initTestCase()
{
    QVERIFY2(qEnvironmentVariableIsSet("DISPLAY"), "DISPLAY is not set: start scripts/test-env");
    QVERIFY2(!qEnvironmentVariableIsEmpty("KESTO_APP"), "KESTO_APP names the application");
    Onest::registerFaces();
}

void TestSettingsEndToEnd::init()
{
    m_data = std::make_unique<QTemporaryDir>();
    m_config = std::make_unique<QTemporaryDir>();
    // Both processes, the restarted one too, keep their settings here.
    QFile config(m_data->filePath(QStringLiteral("config.json")));
    QVERIFY(config.open(QIODevice::WriteOnly));
    config.write(R"({"onboardingDone": true, "inputDeviceID": "testmic", "holdThresholdMs": 150})");
}

void TestSettingsEndToEnd::cleanup()
{
    m_panel.reset();
    m_state.reset();
    if (m_app && m_app->state() != QProcess::NotRunning) {
        m_app->terminate();
        m_app->waitForFinished(10000);
    }
    m_app.reset();
    m_config.reset();
    m_data.reset();
}

bool TestSettingsEndToEnd::xdotool(const QStringList& arguments)
{
    return QProcess::execute(QStringLiteral("xdotool"), arguments) == 0;
}

QString TestSettingsEndToEnd::log() const
{
    QFile file(m_data->filePath(QStringLiteral("kesto.log")));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

bool TestSettingsEndToEnd::waitForLog(const QString& line, int timeoutMs) const
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < timeoutMs) {
        if (log().contains(line))
            return true;
        QTest::qWait(20);
    }
    return false;
}

QRect TestSettingsEndToEnd::mainWindow(qint64 pid) const
{
    QProcess search;
    search.start(QStringLiteral("xdotool"),
                 {QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--pid"), QString::number(pid)});
    search.waitForFinished(5000);
    QRect largest;
    for (const QString& id : QString::fromUtf8(search.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts)) {
        QProcess geometry;
        geometry.start(QStringLiteral("xdotool"), {QStringLiteral("getwindowgeometry"), QStringLiteral("--shell"), id});
        geometry.waitForFinished(5000);
        QHash<QString, int> values;
        for (const QString& line : QString::fromUtf8(geometry.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts))
            values.insert(line.section(u'=', 0, 0), line.section(u'=', 1).toInt());
        const QRect frame(values.value(QStringLiteral("X")), values.value(QStringLiteral("Y")),
                          values.value(QStringLiteral("WIDTH")), values.value(QStringLiteral("HEIGHT")));
        if (frame.width() * frame.height() > largest.width() * largest.height())
            largest = frame;
    }
    return largest;
}

void TestSettingsEndToEnd::startApp()
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("KESTO_DATA_DIR"), m_data->path());
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), m_config->path());
    env.insert(QStringLiteral("KESTO_GEMINI_URL"), QStringLiteral("http://127.0.0.1:9"));
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    env.remove(QStringLiteral("GEMINI_API_KEY"));
    m_app = std::make_unique<QProcess>();
    m_app->setProcessEnvironment(env);
    m_app->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_app->start(qEnvironmentVariable("KESTO_APP"), {});
    QVERIFY(m_app->waitForStarted());
    QVERIFY2(waitForLog(QStringLiteral(" ready\n")), qPrintable(log()));
    // Without a key the settings open on the AI tab at start-up.
    QTRY_VERIFY_WITH_TIMEOUT((m_window = mainWindow(m_app->processId())).width() > 0, 10000);
    QTest::qWait(500);

    // The same panel here, at the size the overlay gives the running one.
    m_state = std::make_unique<AppState>();
    m_state->setSettingsTab(SettingsTab::ai);
    m_state->setSettingsOpen(true);
    m_panel = std::make_unique<SettingsPanel>(*m_state, m_actions);
    m_panel->setAttribute(Qt::WA_DontShowOnScreen);
    const int w = std::min(940, m_window.width() - 64);
    const int h = std::min(660, m_window.height() - 64);
    m_panel->setGeometry(0, 0, w - 2, h - 2);
    m_panel->show();
    QCoreApplication::processEvents();
}

QPoint TestSettingsEndToEnd::onScreen(QWidget* widget, QPoint at)
{
    const int w = std::min(940, m_window.width() - 64);
    const int h = std::min(660, m_window.height() - 64);
    const QPoint card = m_window.topLeft() + QPoint((m_window.width() - w) / 2, (m_window.height() - h) / 2);
    return card + QPoint(1, 1) + widget->mapTo(m_panel.get(), at);
}

void TestSettingsEndToEnd::click(QPoint at)
{
    QVERIFY(xdotool({QStringLiteral("mousemove"), QString::number(at.x()), QString::number(at.y())}));
    QTest::qWait(100);
    QVERIFY(xdotool({QStringLiteral("click"), QStringLiteral("1")}));
    QTest::qWait(300);
}

void TestSettingsEndToEnd::newTalkKeyStartsADictation()
{
    startApp();
    auto* nav = m_panel->findChild<SettingsNavItem*>(QStringLiteral("nav-shortcuts"));
    click(onScreen(nav, nav->rect().center()));
    m_state->setSettingsTab(SettingsTab::shortcuts);
    QCoreApplication::processEvents();
    auto* button = m_panel->findChild<SButton*>(QStringLiteral("changeKeys"));
    QVERIFY(button);
    click(onScreen(button, button->rect().center()));

    // The menu lies 4 points under the button; "Right Alt" is its fourth item.
    QMenu menu;
    menu.setFont(MenuAnchor::menuFont());
    for (const QString& title : SettingsShortcutsTab::keyTitles())
        menu.addAction(title)->setCheckable(true);
    menu.sizeHint();
    click(onScreen(button, QPoint(0, button->height() + 4)) + menu.actionGeometry(menu.actions().at(3)).center());
    QTRY_VERIFY_WITH_TIMEOUT(log().contains(QStringLiteral("\"hotkey\": \"rightCommand\"")) || [this] {
        QFile config(m_data->filePath(QStringLiteral("config.json")));
        return config.open(QIODevice::ReadOnly) && config.readAll().contains("rightCommand");
    }(), 5000);
    QTest::qWait(300);

    // The old keys start nothing now.
    QVERIFY(xdotool({QStringLiteral("keydown"), QStringLiteral("ctrl"), QStringLiteral("super")}));
    QTest::qWait(600);
    QVERIFY(xdotool({QStringLiteral("keyup"), QStringLiteral("super"), QStringLiteral("ctrl")}));
    QTest::qWait(300);
    QVERIFY2(!log().contains(QStringLiteral("recording started")), qPrintable(log()));

    // Right Alt does.
    QVERIFY(xdotool({QStringLiteral("keydown"), QStringLiteral("Alt_R")}));
    const bool started = waitForLog(QStringLiteral("recording started (mac)"), 5000);
    QVERIFY(xdotool({QStringLiteral("keyup"), QStringLiteral("Alt_R")}));
    QVERIFY2(started, qPrintable(log()));
}

void TestSettingsEndToEnd::choosingRussianRestartsInRussian()
{
    startApp();
    auto* nav = m_panel->findChild<SettingsNavItem*>(QStringLiteral("nav-general"));
    click(onScreen(nav, nav->rect().center()));
    m_state->setSettingsTab(SettingsTab::general);
    QCoreApplication::processEvents();
    auto* select = m_panel->findChild<SSelect*>(QStringLiteral("language"));
    QVERIFY(select);
    const QPoint centre = select->mapTo(m_panel->scrollArea()->viewport(), select->rect().center());
    QVERIFY2(m_panel->scrollArea()->viewport()->rect().contains(centre), "the language select is out of view");
    click(onScreen(select, select->rect().center()));

    // The select's menu puts the ticked item ("System") at the field's bottom edge.
    QMenu menu;
    menu.setFont(MenuAnchor::menuFont());
    for (const QString& title : {QStringLiteral("System"), QStringLiteral(u"O\u02BBzbekcha"), QStringLiteral("English"),
                                 QStringLiteral(u"Русский")})
        menu.addAction(title)->setCheckable(true);
    menu.sizeHint();
    const QRect system = menu.actionGeometry(menu.actions().at(0));
    const QRect russian = menu.actionGeometry(menu.actions().at(3));
    const QPoint origin = onScreen(select, QPoint(0, select->height() - 4)) - QPoint(0, system.top());
    const qint64 oldPid = m_app->processId();
    click(origin + russian.center());

    // The old process ends by itself, normally.
    QVERIFY2(m_app->waitForFinished(15000), "the old process did not end");
    QCOMPARE(m_app->exitStatus(), QProcess::NormalExit);
    QCOMPARE(m_app->exitCode(), 0);

    // The new one started after it, and runs in Russian.
    QVERIFY2(waitForLog(QStringLiteral(" ready\n")), qPrintable(log()));
    QVERIFY(log().contains(QStringLiteral("interface language=ru")));
    QProcess find;
    find.start(QStringLiteral("pgrep"), {QStringLiteral("-f"), QStringLiteral("--"), QStringLiteral("--after %1").arg(oldPid)});
    find.waitForFinished(5000);
    const qint64 newPid = QString::fromUtf8(find.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts).value(0).toLongLong();
    QVERIFY(newPid > 0);
    QTRY_VERIFY_WITH_TIMEOUT(mainWindow(newPid).width() > 0, 10000);
    ::kill(pid_t(newPid), SIGTERM);
    QTRY_VERIFY_WITH_TIMEOUT(::kill(pid_t(newPid), 0) != 0, 10000);
}

QTEST_MAIN(TestSettingsEndToEnd)
#include "TestSettingsEndToEnd.moc"
