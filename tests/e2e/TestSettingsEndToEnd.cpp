#include "AppLog.h"
#include "AppProcess.h"
#include "FakeGemini.h"
#include "ScreenWindows.h"
#include "TestMicrophone.h"

#include "core/AppState.h"
#include "core/Config.h"
#include "core/L10n.h"
#include "design/Onest.h"
#include "design/components/PopupMenu.h"
#include "design/components/SSelect.h"
#include "screens/MainView.h"
#include "settings/SettingsPanel.h"
#include "settings/SettingsShortcutsTab.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMenu>
#include <QProcess>
#include <QScreen>
#include <QTemporaryDir>
#include <QTranslator>
#include <QtTest>

// The built application under Xvfb, driven through its settings panel with
// the mouse (XTest): a talk key chosen there starts a dictation at once and
// the old one no longer does; choosing Russian restarts the application, the
// old process ends by itself and the new one shows its texts in Russian.
// Where to click comes from a twin of the main window's content laid out here,
// on the same display with the same fonts.
class TestSettingsEndToEnd final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void cleanupTestCase();
    void newTalkKeyStartsADictation();
    void choosingRussianRestartsInRussian();

private:
    using Window = ScreenWindows::Window;

    void startApp();
    QString log() const;
    bool waitForLog(const QString& line, int timeoutMs) const;
    QJsonObject config() const;
    // The window of process pid of exactly this size, once it shows.
    static Window waitForWindow(qint64 pid, QSize size, int timeoutMs = 10000);
    static bool xdotool(const QStringList& arguments);
    // Raw key presses by keycode ("108+", "108-"): xdotool adds Left Alt to Right Alt.
    static bool fakeKey(const QStringList& steps);
    static bool running(const QStringList& pgrep);
    static bool clickAt(QPoint screenPoint);
    // The twin of the main window's content, with the settings open on tab.
    MainView& twin(SettingsTab tab);
    // The centre of the twin's widget of that name, in window coordinates.
    QPoint centreOf(const QString& name, SettingsTab tab);
    // Picks the item at index of the menu the application has just popped
    // up; twin holds the same items in the same font.
    void pickFromMenu(QMenu& twinMenu, int index);

    FakeGemini m_gemini;
    std::unique_ptr<TestMicrophone> m_mic;
    std::unique_ptr<QTemporaryDir> m_data;
    std::unique_ptr<QTemporaryDir> m_config;
    QProcess m_app;
    qint64 m_firstPid = 0;
    Window m_window;
    std::unique_ptr<AppState> m_twinState;
    std::unique_ptr<MainView> m_twin;
};

namespace {

const QSize windowSize(1200, 800);

} // namespace

bool TestSettingsEndToEnd::running(const QStringList& pgrep)
{
    QProcess find;
    find.start(QStringLiteral("pgrep"), pgrep);
    find.waitForFinished(5000);
    return find.exitStatus() == QProcess::NormalExit && find.exitCode() == 0;
}

bool TestSettingsEndToEnd::fakeKey(const QStringList& steps)
{
    return QProcess::execute(qEnvironmentVariable("KESTO_FAKE_KEY"), steps) == 0;
}

bool TestSettingsEndToEnd::xdotool(const QStringList& arguments)
{
    return QProcess::execute(QStringLiteral("xdotool"), arguments) == 0;
}

bool TestSettingsEndToEnd::clickAt(QPoint screenPoint)
{
    const bool moved = xdotool({QStringLiteral("mousemove"), QString::number(screenPoint.x()), QString::number(screenPoint.y())});
    QTest::qWait(150);
    const bool clicked = xdotool({QStringLiteral("click"), QStringLiteral("1")});
    QTest::qWait(300);
    return moved && clicked;
}

void TestSettingsEndToEnd::initTestCase()
{
    for (const char* name : {"DISPLAY", "DBUS_SESSION_BUS_ADDRESS", "PULSE_SERVER", "KESTO_TEST_MIC_FIFO"})
        QVERIFY2(qEnvironmentVariableIsSet(name), qPrintable(QStringLiteral("%1 is not set: start scripts/test-env").arg(QLatin1String(name))));
    QVERIFY2(!qEnvironmentVariableIsEmpty("KESTO_APP"), "KESTO_APP names the application");
    QVERIFY2(!qEnvironmentVariableIsEmpty("KESTO_FAKE_KEY"), "KESTO_FAKE_KEY names the key sender");
    Onest::registerFaces();
    L10n::setInterfaceLanguage(QStringLiteral("en"));
    m_mic = std::make_unique<TestMicrophone>();
    m_mic->start();
    QVERIFY(m_gemini.listen());
    m_gemini.setFallback(FakeGemini::Reply::models({QStringLiteral("gemini-3.8-flash")}).on(QStringLiteral("GET")));
}

void TestSettingsEndToEnd::cleanupTestCase()
{
    if (m_mic)
        m_mic->stop();
}

void TestSettingsEndToEnd::init()
{
    m_data = std::make_unique<QTemporaryDir>();
    m_config = std::make_unique<QTemporaryDir>();
    // No key: the main window opens at start with the settings on the AI tab.
    QFile file(m_data->filePath(QStringLiteral("config.json")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(R"({"onboardingDone": true})");
}

void TestSettingsEndToEnd::cleanup()
{
    m_twin.reset();
    m_twinState.reset();
    QVERIFY2(AppProcess::stop(m_app), qPrintable(AppProcess::ending(m_app)));
    // A restarted process is no child of this test: it goes by what it waited for.
    if (m_firstPid > 0) {
        const QStringList restarted{QStringLiteral("-f"), QStringLiteral("--"), QStringLiteral("--after %1").arg(m_firstPid)};
        QProcess::execute(QStringLiteral("pkill"), restarted);
        for (int i = 0; i < 100 && running(restarted); ++i)
            QTest::qWait(100);
    }
    m_firstPid = 0;
    m_config.reset();
    m_data.reset();
}

QString TestSettingsEndToEnd::log() const
{
    return AppLog::read(m_data->path());
}

bool TestSettingsEndToEnd::waitForLog(const QString& line, int timeoutMs) const
{
    return AppLog::waitFor(m_data->path(), line, timeoutMs);
}

QJsonObject TestSettingsEndToEnd::config() const
{
    QFile file(m_data->filePath(QStringLiteral("config.json")));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QJsonDocument::fromJson(file.readAll()).object();
}

TestSettingsEndToEnd::Window TestSettingsEndToEnd::waitForWindow(qint64 pid, QSize size, int timeoutMs)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < timeoutMs) {
        for (const Window& window : ScreenWindows::ofProcess(pid)) {
            if (window.frame.size() == size)
                return window;
        }
        QTest::qWait(100);
    }
    return {};
}

void TestSettingsEndToEnd::startApp()
{
    QProcessEnvironment env = AppProcess::environment(m_data->path(), m_gemini.url());
    // The interface language is kept here; the restarted process inherits it.
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), m_config->path());
    QVERIFY(AppProcess::start(m_app, env));
    m_firstPid = m_app.processId();
    QVERIFY2(waitForLog(QStringLiteral("ready"), 20000), qPrintable(log()));
    QVERIFY(log().contains(QStringLiteral("interface language=en")));
    m_window = waitForWindow(m_app.processId(), windowSize);
    QVERIFY2(!m_window.id.isEmpty(), "the main window did not open");
    QVERIFY(xdotool({QStringLiteral("windowfocus"), QStringLiteral("--sync"), m_window.id}));
    QTest::qWait(500);
}

MainView& TestSettingsEndToEnd::twin(SettingsTab tab)
{
    if (!m_twin) {
        m_twinState = std::make_unique<AppState>();
        AppState& state = *m_twinState;
        m_twin = std::make_unique<MainView>(
            state, state.actions(), [&state](QWidget* parent) { return new SettingsPanel(state, state.actions(), parent); },
            true);
        m_twin->setAttribute(Qt::WA_DontShowOnScreen);
        m_twin->resize(windowSize);
        m_twin->show();
    }
    m_twinState->setSettingsTab(tab);
    m_twinState->setSettingsOpen(true);
    QCoreApplication::processEvents();
    return *m_twin;
}

QPoint TestSettingsEndToEnd::centreOf(const QString& name, SettingsTab tab)
{
    MainView& view = twin(tab);
    auto* widget = view.findChild<QWidget*>(name);
    if (!widget || !widget->isVisible())
        return {};
    return widget->mapTo(&view, widget->rect().center());
}

void TestSettingsEndToEnd::pickFromMenu(QMenu& twinMenu, int index)
{
    const QSize size = twinMenu.sizeHint();
    const Window menu = waitForWindow(m_app.processId(), size, 5000);
    QVERIFY2(!menu.id.isEmpty(), "the menu did not open");
    QVERIFY(clickAt(menu.frame.topLeft() + twinMenu.actionGeometry(twinMenu.actions().at(index)).center()));
}

void TestSettingsEndToEnd::newTalkKeyStartsADictation()
{
    startApp();
    const QPoint shortcuts = centreOf(QStringLiteral("nav-shortcuts"), SettingsTab::ai);
    QVERIFY(!shortcuts.isNull());
    QVERIFY(clickAt(m_window.frame.topLeft() + shortcuts));
    const QPoint changeKeys = centreOf(QStringLiteral("changeKeys"), SettingsTab::shortcuts);
    QVERIFY(!changeKeys.isNull());
    QVERIFY(clickAt(m_window.frame.topLeft() + changeKeys));

    PopupMenu keys;
    for (const QString& title : SettingsShortcutsTab::keyTitles())
        keys.addItem(title, false);
    const int rightAlt = int(allHotkeyKinds().indexOf(HotkeyKind::rightCommand));
    pickFromMenu(keys, rightAlt);
    QTRY_COMPARE_WITH_TIMEOUT(config().value(QStringLiteral("hotkey")).toString(), QStringLiteral("rightCommand"), 5000);

    // The old keys start nothing now.
    QVERIFY(xdotool({QStringLiteral("keydown"), QStringLiteral("ctrl"), QStringLiteral("super")}));
    QTest::qWait(800);
    QVERIFY(xdotool({QStringLiteral("keyup"), QStringLiteral("super"), QStringLiteral("ctrl")}));
    QTest::qWait(300);
    QVERIFY2(!log().contains(QStringLiteral("recording started")), qPrintable(log()));

    // Right Alt does, held like the old one.
    QVERIFY(fakeKey({QStringLiteral("108+")}));
    const bool started = waitForLog(QStringLiteral("recording started"), 5000);
    QTest::qWait(300);
    QVERIFY(fakeKey({QStringLiteral("108-")}));
    QVERIFY2(started, qPrintable(log()));
}

void TestSettingsEndToEnd::choosingRussianRestartsInRussian()
{
    startApp();
    const qint64 oldPid = m_app.processId();
    const QPoint general = centreOf(QStringLiteral("nav-general"), SettingsTab::ai);
    QVERIFY(!general.isNull());
    QVERIFY(clickAt(m_window.frame.topLeft() + general));
    const QPoint language = centreOf(QStringLiteral("language"), SettingsTab::general);
    QVERIFY2(!language.isNull(), "the language select is out of view");
    QVERIFY(clickAt(m_window.frame.topLeft() + language));

    auto* select = m_twin->findChild<SSelect*>(QStringLiteral("language"));
    QVERIFY(select);
    PopupMenu languages;
    languages.setMinimumWidth(int(select->fieldRect().width()));
    int russian = -1;
    for (const ChoiceOption& option : select->options()) {
        if (option.value.toString() == QStringLiteral("ru"))
            russian = int(languages.actions().size());
        languages.addItem(option.label, false);
    }
    QVERIFY(russian >= 0);
    pickFromMenu(languages, russian);

    // The old process ends by itself, normally.
    QTRY_VERIFY2_WITH_TIMEOUT(m_app.state() == QProcess::NotRunning, qPrintable(log()), 15000);
    QCOMPARE(m_app.exitStatus(), QProcess::NormalExit);
    QCOMPARE(m_app.exitCode(), 0);

    // The new one waited for it, started afresh and runs in Russian.
    QVERIFY2(waitForLog(QStringLiteral("interface language=ru"), 20000), qPrintable(log()));
    QVERIFY2(waitForLog(QStringLiteral("ready"), 20000), qPrintable(log()));
    QProcess find;
    find.start(QStringLiteral("pgrep"), {QStringLiteral("-f"), QStringLiteral("--"), QStringLiteral("--after %1").arg(oldPid)});
    find.waitForFinished(5000);
    const qint64 newPid = QString::fromLatin1(find.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts).value(0).toLongLong();
    QVERIFY(newPid > 0);
    const Window window = waitForWindow(newPid, windowSize);
    QVERIFY2(!window.id.isEmpty(), "the restarted main window did not open");

    // What it shows: the settings' tab list, beside the same list laid out
    // here in Russian and in English.
    QVERIFY(xdotool({QStringLiteral("mousemove"), QStringLiteral("0"), QStringLiteral("0")}));
    QTest::qWait(800);
    auto tabList = [this](const QString& language) {
        m_twin.reset();
        m_twinState.reset();
        QTranslator table;
        // English is the texts themselves.
        if (language != QStringLiteral("en") && table.load(QStringLiteral(":/i18n/kesto_") + language + QStringLiteral(".qm")))
            QCoreApplication::installTranslator(&table);
        L10n::setInterfaceLanguage(language);
        MainView& view = twin(SettingsTab::ai);
        QRect area;
        QImage image;
        if (QWidget* nav = view.findChild<QWidget*>(QStringLiteral("settingsNav"))) {
            area = QRect(nav->mapTo(&view, QPoint(0, 0)), nav->size());
            image = view.grab(area).toImage();
        }
        QCoreApplication::removeTranslator(&table);
        L10n::setInterfaceLanguage(QStringLiteral("en"));
        m_twin.reset();
        m_twinState.reset();
        return std::make_pair(area, image);
    };
    const auto [area, russianList] = tabList(QStringLiteral("ru"));
    const QImage englishList = tabList(QStringLiteral("en")).second;
    QVERIFY(!area.isEmpty());
    QVERIFY(russianList != englishList);
    const QRect onScreen = area.translated(window.frame.topLeft());
    const QImage shown = QGuiApplication::primaryScreen()->grabWindow(0, onScreen.x(), onScreen.y(), onScreen.width(),
                                                                      onScreen.height()).toImage();
    const int fromRussian = ScreenWindows::differingPixels(shown, russianList);
    const int fromEnglish = ScreenWindows::differingPixels(shown, englishList);
    QVERIFY2(fromRussian * 4 < fromEnglish,
             qPrintable(QStringLiteral("%1 pixels differ from Russian, %2 from English").arg(fromRussian).arg(fromEnglish)));
}

QTEST_MAIN(TestSettingsEndToEnd)
#include "TestSettingsEndToEnd.moc"
