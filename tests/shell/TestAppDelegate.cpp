#include "FakeAudioBackend.h"
#include "FakeClock.h"
#include "FakeKeySource.h"
#include "InterfaceTable.h"
#include "TempDataDir.h"

#include "core/Log.h"
#include "design/Theme.h"
#include "shell/AppDelegate.h"
#include "shell/DictationDesktop.h"
#include "shell/HUDPanel.h"
#include "shell/HUDView.h"
#include "shell/StatusItem.h"
#include "shell/UpdateWindow.h"
#include "shell/Updater.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMenu>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QtTest>

#include <cmath>

// The controller on fake desktop services: what start-up opens, the delayed
// saving of the settings, the typing-permission poll, applying settings, the
// windows and the tray menu's actions.
class TestAppDelegate final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void startupOpens_data();
    void startupOpens();
    void aBurstOfChangesIsSavedOnce();
    void quittingRightAfterAChangeStillSavesIt();
    void damagedFilesAreNamedAtStart();
    void accessibilityPoll();
    void missingSessionWording_data();
    void missingSessionWording();
    void applyingSettings();
    void historyRetention();
    void microphoneTestFollowsTheDevice();
    void phoneLink();
    void pillPositionIsSaved();
    void statusMenuActions();
    void statusPictures_data();
    void statusPictures();
    void windowsAreReused();
    void onboardingCallbacks();
    void updatesItemFollowsTheController();
    // Last: it ends with Ctrl+Q, which stops the event loop.
    void windowKeysInEveryWindow();
};

namespace {

// One controller on fakes, over a fresh data folder.
struct Harness
{
    TempDataDir data;
    FakeClock clock;
    FakeAudioBackend audio;
    FakeKeySource* keys = nullptr;
    bool accessibility = true;
    bool realAccessibility = false; // ask the desktop instead of the flag above
    bool microphone = true;
    WindowFactory::OnboardingCallbacks onboarding;
    std::function<void()> permissionsDone;
    // No updater unless a test gives one a feed.
    UpdateSource updates;
    // Null: the desktop's own.
    DictationDesktop* desktop = nullptr;
    std::unique_ptr<AppDelegate> app;

    void writeConfig(const QJsonObject& config) const { data.write(QStringLiteral("config.json"), QJsonDocument(config).toJson()); }

    AppDelegate& start()
    {
        AppDelegate::Host host;
        host.clock = &clock;
        host.audio = &audio;
        host.keySource = [this] {
            auto source = std::make_unique<FakeKeySource>();
            keys = source.get();
            return source;
        };
        if (!realAccessibility) {
            host.accessibility = [this] {
                return Permissions::Check{accessibility, accessibility ? QString() : QStringLiteral("No X11 display.")};
            };
        }
        host.microphone = [this] { return Permissions::Check{microphone, {}}; };
        host.windows = WindowFactory::plain();
        host.windows.onboarding = [this](AppState&, WindowFactory::OnboardingCallbacks callbacks) {
            onboarding = std::move(callbacks);
            return new QWidget;
        };
        host.windows.permissionsAgain = [this](AppState&, std::function<void()> onDone) {
            permissionsDone = std::move(onDone);
            // Some size, so the window is mapped and can be activated.
            auto* content = new QWidget;
            content->setMinimumSize(200, 100);
            return content;
        };
        host.updates = updates;
        host.desktop = desktop;
        app = std::make_unique<AppDelegate>(host);
        app->start();
        return *app;
    }

    QJsonObject savedConfig() const { return QJsonDocument::fromJson(data.read(QStringLiteral("config.json"))).object(); }

    QString log() const
    {
        Log::flush();
        return QString::fromUtf8(data.read(QStringLiteral("kesto.log")));
    }

    bool visible(QWidget* window) const { return window && window->isVisible(); }
};

// Records the notifications; the rest of the desktop is left alone.
struct NotifyingDesktop final : DictationDesktop
{
    QList<std::pair<QString, QString>> notifications;
    bool pauseMedia(std::function<void()>) override { return false; }
    void resumeMedia() override {}
    void insert(const QString&, const QString&, const QString&, const QString&) override {}
    void notify(const QString& title, const QString& body) override { notifications << std::pair{title, body}; }
};

QJsonObject readyConfig()
{
    return {{QStringLiteral("onboardingDone"), true}, {QStringLiteral("apiKey"), QStringLiteral("saved-key")}};
}

QAction* findAction(QMenu* menu, const QString& text)
{
    for (QAction* action : menu->actions()) {
        if (action->text() == text)
            return action;
        if (action->menu()) {
            if (QAction* inner = findAction(action->menu(), text))
                return inner;
        }
    }
    return nullptr;
}

QStringList menuTexts(QMenu* menu)
{
    QStringList texts;
    for (QAction* action : menu->actions())
        texts << action->text();
    return texts;
}

} // namespace

void TestAppDelegate::startupOpens_data()
{
    QTest::addColumn<bool>("onboardingDone");
    QTest::addColumn<QString>("savedKey");
    QTest::addColumn<QString>("environmentKey");
    QTest::addColumn<bool>("permissionsGranted");
    QTest::addColumn<bool>("onboarding");
    QTest::addColumn<bool>("mainWindow");
    QTest::addColumn<bool>("permissionsWindow");
    QTest::addColumn<QString>("message");

    const QString keyMessage = QStringLiteral("Add your Gemini API key in Settings.");
    const QString waiting = QStringLiteral("No X11 display.");
    QTest::newRow("first launch shows only the wizard") << false << "" << "" << false << true << false << false << waiting;
    QTest::newRow("no key and no permissions") << true << "" << "" << false << false << true << true << keyMessage;
    QTest::newRow("key from the environment") << true << "" << "env-key" << true << false << false << false << "";
    QTest::newRow("everything in place") << true << "saved" << "" << true << false << false << false << "";
}

void TestAppDelegate::startupOpens()
{
    QFETCH(bool, onboardingDone);
    QFETCH(QString, savedKey);
    QFETCH(QString, environmentKey);
    QFETCH(bool, permissionsGranted);

    Harness h;
    h.writeConfig({{QStringLiteral("onboardingDone"), onboardingDone}, {QStringLiteral("apiKey"), savedKey}});
    h.accessibility = h.microphone = permissionsGranted;
    const QByteArray previousKey = qgetenv("GEMINI_API_KEY");
    qputenv("GEMINI_API_KEY", environmentKey.toUtf8());
    AppDelegate& app = h.start();
    qputenv("GEMINI_API_KEY", previousKey);

    QTEST(h.visible(app.onboardingWindow()), "onboarding");
    QTEST(h.visible(app.mainWindow()), "mainWindow");
    QTEST(h.visible(app.permissionsWindow()), "permissionsWindow");
    QTEST(app.state().message(), "message");
    QCOMPARE(app.state().accessibilityGranted(), permissionsGranted);
    if (app.mainWindow()) {
        QVERIFY(app.state().settingsOpen());
        QCOMPARE(app.state().settingsTab(), SettingsTab::ai);
    }
    const bool missingLogged = h.log().contains(QStringLiteral("permissions missing after setup: [\"microphone\", \"accessibility\"]"));
    QCOMPARE(missingLogged, app.permissionsWindow() != nullptr);
}

void TestAppDelegate::aBurstOfChangesIsSavedOnce()
{
    Harness h;
    h.writeConfig(readyConfig());
    AppDelegate& app = h.start();
    QFile::remove(h.data.filePath(QStringLiteral("config.json")));
    h.clock.advance(1000);
    QVERIFY2(!QFile::exists(h.data.filePath(QStringLiteral("config.json"))), "the settings at start are not saved again");

    app.state().updateConfig([](Config& c) { c.holdThresholdMs = 450; });
    h.clock.advance(50);
    app.state().updateConfig([](Config& c) { c.sounds = false; });
    h.clock.advance(50);
    app.state().updateConfig([](Config& c) { c.hotkey = HotkeyKind::fn; });
    h.clock.advance(AppDelegate::saveDelayMs - 1);
    QVERIFY(!QFile::exists(h.data.filePath(QStringLiteral("config.json"))));
    QCOMPARE(app.hotkey().holdThreshold(), 0.3);

    h.clock.advance(1);
    const QJsonObject saved = h.savedConfig();
    QCOMPARE(saved.value(QStringLiteral("holdThresholdMs")).toInt(), 450);
    QCOMPARE(saved.value(QStringLiteral("sounds")).toBool(), false);
    QCOMPARE(saved.value(QStringLiteral("hotkey")).toString(), QStringLiteral("fn"));
    QCOMPARE(app.hotkey().holdThreshold(), 0.45);
    QCOMPARE(app.applied(), std::optional<Config>(app.state().config()));

    QFile::remove(h.data.filePath(QStringLiteral("config.json")));
    h.clock.advance(5000);
    QVERIFY2(!QFile::exists(h.data.filePath(QStringLiteral("config.json"))), "one burst, one write");
}

void TestAppDelegate::quittingRightAfterAChangeStillSavesIt()
{
    Harness h;
    h.writeConfig(readyConfig());
    AppDelegate& app = h.start();
    app.state().updateConfig([](Config& c) { c.pauseMedia = true; });
    h.clock.advance(100);
    app.shutdown();
    QCOMPARE(h.savedConfig().value(QStringLiteral("pauseMedia")).toBool(), true);
    QVERIFY(!h.keys->isRunning());
}

void TestAppDelegate::damagedFilesAreNamedAtStart()
{
    {
        // One History entry of the wrong type: the main window opens to say
        // where the file went, though nothing else would open it.
        Harness h;
        h.writeConfig(readyConfig());
        h.data.write(QStringLiteral("history.json"), R"({"entries": [{"duration": "2.0"}]})");
        AppDelegate& app = h.start();
        QVERIFY(h.visible(app.mainWindow()));
        QVERIFY(app.state().toast());
        QCOMPARE(app.state().toast()->title, QStringLiteral("Some data could not be read"));
        const QStringList kept = QDir(h.data.path()).entryList({QStringLiteral("history.json.broken-*")});
        QCOMPARE(kept.size(), 1);
        QCOMPARE(app.state().toast()->detail, QStringLiteral("history.json could not be read; it was kept as %1 in %2.")
                                                  .arg(kept.first(), h.data.path()));
    }
    {
        // Damaged settings bring the wizard back: the desktop is told at
        // once, and the key and words come back from the kept copy.
        Harness h;
        NotifyingDesktop desktop;
        h.desktop = &desktop;
        h.data.write(QStringLiteral("config.json"), R"({"apiKey": "AIza-taken-back", "onboardingDone": true,
            "vocabulary": [{"id": "FC30A1B2-C3D4-4E5F-8A9B-0C1D2E3F4A5B", "language": "uz-UZ", "word": "Zarvina"},
                           {"word": "Kesto"}],
            "theme": dark})");
        AppDelegate& app = h.start();
        QVERIFY(h.visible(app.onboardingWindow()));
        QVERIFY(!app.mainWindow());
        const QStringList kept = QDir(h.data.path()).entryList({QStringLiteral("config.json.broken-*")});
        QCOMPARE(kept.size(), 1);
        QCOMPARE(desktop.notifications.size(), 1);
        QCOMPARE(desktop.notifications.first().first, QStringLiteral("Some data could not be read"));
        QCOMPARE(desktop.notifications.first().second,
                 QStringLiteral("config.json could not be read; it was kept as %1 in %2. The API key, words and "
                                "snippets it held were taken back from it.")
                     .arg(kept.first(), h.data.path()));
        QCOMPARE(app.state().config().apiKey, QStringLiteral("AIza-taken-back"));
        QCOMPARE(app.state().config().vocabulary.size(), 2);
        QCOMPARE(app.state().config().vocabulary.at(0).word, QStringLiteral("Zarvina"));
        QCOMPARE(h.savedConfig().value(QStringLiteral("apiKey")).toString(), QStringLiteral("AIza-taken-back"));
        // The notice also waits for the main window.
        QVERIFY(!app.state().toast());
        h.onboarding.onFinish();
        QVERIFY(h.visible(app.mainWindow()));
        QVERIFY(app.state().toast()->detail.startsWith(QStringLiteral("config.json could not be read; it was kept as config.json.broken-")));
    }
    {
        // Nothing to take back: said so without the sentence about it.
        Harness h;
        NotifyingDesktop desktop;
        h.desktop = &desktop;
        h.data.write(QStringLiteral("config.json"), "{not json");
        h.start();
        QCOMPARE(desktop.notifications.size(), 1);
        QVERIFY(!desktop.notifications.first().second.contains(QStringLiteral("taken back")));
    }
}

void TestAppDelegate::accessibilityPoll()
{
    Harness h;
    h.writeConfig(readyConfig());
    h.accessibility = false;
    AppDelegate& app = h.start();
    QVERIFY(!h.keys->isRunning());
    QVERIFY(app.accessibilityPolling());
    QCOMPARE(app.state().message(), QStringLiteral("No X11 display."));
    QCOMPARE(app.statusItem()->menu()->actions().first()->text(), QStringLiteral("Typing and the talk key need X11"));

    const int timers = h.clock.pendingTimers();
    app.checkAccessibility();
    QCOMPARE(h.clock.pendingTimers(), timers);

    h.clock.advance(AppDelegate::accessibilityPollMs * 3);
    QVERIFY(!h.keys->isRunning());
    h.accessibility = true;
    h.clock.advance(AppDelegate::accessibilityPollMs - 1);
    QVERIFY(!h.keys->isRunning());
    h.clock.advance(1);
    QVERIFY(h.keys->isRunning());
    QVERIFY(app.state().accessibilityGranted());
    QCOMPARE(app.state().message(), QString());
    QVERIFY(!app.accessibilityPolling());
    QCOMPARE(app.statusItem()->menu()->actions().first()->text(), QStringLiteral("Hold Ctrl + Super to talk"));

    h.clock.advance(AppDelegate::accessibilityPollMs * 5);
    QCOMPARE(h.log().count(QStringLiteral("accessibility granted while waiting")), 1);
}

void TestAppDelegate::missingSessionWording_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QByteArray>("wayland");
    QTest::addColumn<QString>("status");
    QTest::addColumn<QString>("message");

    QTest::newRow("English") << "en" << QByteArray() << "Typing and the talk key need X11"
                             << "There is no X11 session, so Kesto Viruz cannot type text or watch the talk key.";
    QTest::newRow("Russian") << "ru" << QByteArray() << "Для набора текста и клавиши записи нужен X11"
                             << "Нет сеанса X11, поэтому Kesto Viruz не может печатать текст и следить за клавишей записи.";
    QTest::newRow("Uzbek") << "uz" << QByteArray() << "Matn yozish va gapirish tugmasi uchun X11 kerak"
                           << "X11 seansi yoʻq, shuning uchun Kesto Viruz matn yoza olmaydi va gapirish tugmasini kuzata olmaydi.";
    QTest::newRow("Russian, Wayland") << "ru" << QByteArray("wayland-0")
                                      << "Для набора текста и клавиши записи нужен X11"
                                      << "В этом сеансе Wayland нет дисплея X11, поэтому Kesto Viruz не может печатать "
                                         "текст и следить за клавишей записи.";
}

// The desktop's own check, in a session without an X server, in each
// interface language.
void TestAppDelegate::missingSessionWording()
{
    QFETCH(QString, language);
    QFETCH(QByteArray, wayland);

    InterfaceTable table(language);
    QVERIFY(table.loaded());
    auto set = [](const char* name, const QByteArray& value) {
        if (value.isEmpty())
            qunsetenv(name);
        else
            qputenv(name, value);
    };
    const QByteArray display = qgetenv("DISPLAY");
    const QByteArray waylandDisplay = qgetenv("WAYLAND_DISPLAY");
    set("DISPLAY", {});
    set("WAYLAND_DISPLAY", wayland);
    auto restore = qScopeGuard([&] {
        set("DISPLAY", display);
        set("WAYLAND_DISPLAY", waylandDisplay);
    });

    Harness h;
    h.writeConfig(readyConfig());
    h.realAccessibility = true;
    AppDelegate& app = h.start();
    QVERIFY(!app.state().accessibilityGranted());
    QTEST(app.statusItem()->menu()->actions().first()->text(), "status");
    QTEST(app.state().message(), "message");
}

void TestAppDelegate::applyingSettings()
{
    Harness h;
    h.writeConfig(readyConfig());
    AppDelegate& app = h.start();
    QCOMPARE(h.keys->starts, 1);
    auto change = [&](const std::function<void(Config&)>& edit) {
        app.state().updateConfig(edit);
        h.clock.advance(AppDelegate::saveDelayMs);
    };

    change([](Config& c) { c.holdThresholdMs = 700; });
    QCOMPARE(app.hotkey().holdThreshold(), 0.7);
    QCOMPARE(h.keys->starts, 1);
    change([](Config& c) { c.hotkeyMode = HotkeyMode::toggle; });
    QCOMPARE(app.hotkey().mode(), HotkeyMode::toggle);
    QCOMPARE(h.keys->starts, 2);
    change([](Config& c) { c.hotkey = HotkeyKind::rightCommand; });
    QCOMPARE(h.keys->starts, 3);
    QCOMPARE(app.statusItem()->menu()->actions().first()->text(), QStringLiteral("Press Right Alt to talk"));

    QVERIFY(app.hud()->isVisible());
    change([](Config& c) { c.hudVisible = false; });
    QVERIFY(!app.hud()->isVisible());
    change([](Config& c) { c.hudVisible = true; });
    QVERIFY(app.hud()->isVisible());

    change([](Config& c) { c.theme = ThemeMode::dark; });
    QCOMPARE(Theme::instance().mode(), Theme::Mode::Dark);
    change([](Config& c) { c.theme = ThemeMode::light; });
    QCOMPARE(Theme::instance().mode(), Theme::Mode::Light);

    int keyChecks = 0;
    AppActions actions = app.state().actions();
    actions.checkKey = [&keyChecks] { ++keyChecks; };
    app.state().setActions(actions);
    app.state().setKeyStatus({KeyStatus::Kind::ok, {}});
    change([](Config& c) { c.apiKey.clear(); });
    QCOMPARE(app.state().keyStatus().kind, KeyStatus::Kind::unknown);
    QCOMPARE(keyChecks, 0);
    change([](Config& c) { c.apiKey = QStringLiteral("new-key"); });
    QCOMPARE(keyChecks, 1);
    change([](Config& c) { c.sounds = false; });
    QCOMPARE(keyChecks, 1);
}

void TestAppDelegate::historyRetention()
{
    Harness h;
    h.writeConfig(readyConfig());
    AppDelegate& app = h.start();
    app.state().updateHistory([&h](History& history) {
        for (int daysAgo : {30, 10, 1}) {
            HistoryEntry entry;
            entry.text = QStringLiteral("%1 days ago").arg(daysAgo);
            entry.date = h.clock.now().addDays(-daysAgo);
            history.add(entry);
        }
    });
    app.state().updateConfig([](Config& c) { c.historyDays = 7; });
    h.clock.advance(AppDelegate::saveDelayMs);
    QCOMPARE(app.state().history().entries.size(), 1);
    QVERIFY(findAction(app.statusItem()->menu(), QStringLiteral("Last text: 1 days ago")));

    app.state().updateConfig([](Config& c) { c.historyDays = 0; });
    h.clock.advance(AppDelegate::saveDelayMs);
    QCOMPARE(app.state().history().entries.size(), 1);
}

void TestAppDelegate::microphoneTestFollowsTheDevice()
{
    Harness h;
    h.writeConfig(readyConfig());
    h.audio.setInputs({{QStringLiteral("desk"), QStringLiteral("Desk mic")}, {QStringLiteral("usb"), QStringLiteral("USB mic")}});
    AppDelegate& app = h.start();
    app.state().actions().toggleMicTest();
    QVERIFY(app.micMeter().isRunning());
    QCOMPARE(h.audio.lastStream()->deviceId(), QStringLiteral("desk"));
    app.state().setMicTestLevel(0.5);

    const int opened = h.audio.opened();
    app.state().updateConfig([](Config& c) { c.sounds = false; });
    h.clock.advance(AppDelegate::saveDelayMs);
    QCOMPARE(h.audio.opened(), opened);
    QCOMPARE(app.state().micTestLevel(), std::optional<double>(0.5));

    app.state().updateConfig([](Config& c) { c.inputDeviceID = QStringLiteral("usb"); });
    h.clock.advance(AppDelegate::saveDelayMs);
    QVERIFY(app.micMeter().isRunning());
    QCOMPARE(h.audio.lastStream()->deviceId(), QStringLiteral("usb"));
    QCOMPARE(app.state().micTestLevel(), std::optional<double>(0.0));

    app.state().actions().toggleMicTest();
    QVERIFY(!app.micMeter().isRunning());
    QCOMPARE(app.state().micTestLevel(), std::nullopt);
}

void TestAppDelegate::phoneLink()
{
    Harness h;
    QJsonObject config = readyConfig();
    config.insert(QStringLiteral("phoneServerEnabled"), true);
    config.insert(QStringLiteral("phonePort"), 0); // any free port: a restart takes another
    h.writeConfig(config);
    AppDelegate& app = h.start();
    PhoneServer& server = app.phoneLink().server();
    QVERIFY2(server.isRunning(), qPrintable(server.lastError()));
    const QString token = app.state().config().phoneToken;
    QCOMPARE(token.size(), 16);
    QCOMPARE(h.savedConfig().value(QStringLiteral("phoneToken")).toString(), token);
    h.clock.advance(PhoneLinkController::publishDelayMs);
    QVERIFY(app.state().phoneRunning());

    // The settings apply that follows the new token restarts nothing.
    const quint16 port = server.port();
    h.clock.advance(AppDelegate::saveDelayMs);
    QCOMPARE(server.port(), port);

    // A new code restarts the link once; a change waiting for its apply
    // is still applied.
    app.state().updateConfig([](Config& c) { c.theme = ThemeMode::dark; });
    app.state().actions().newPhoneCode();
    const quint16 restarted = server.port();
    QVERIFY(app.state().config().phoneToken != token);
    QCOMPARE(server.token(), app.state().config().phoneToken);
    h.clock.advance(AppDelegate::saveDelayMs);
    QCOMPARE(Theme::instance().mode(), Theme::Mode::Dark);
    QCOMPARE(server.port(), restarted);

    // The same addresses after a network change: nothing restarts.
    Q_EMIT app.networkChanged();
    QCOMPARE(server.port(), restarted);
    QVERIFY(!h.log().contains(QLatin1String("network changed; restarting the phone server")));

    app.state().updateConfig([](Config& c) { c.phoneServerEnabled = false; });
    h.clock.advance(AppDelegate::saveDelayMs);
    QVERIFY(!server.isRunning());
    QCOMPARE(app.state().phoneURLs(), QStringList());
    app.state().updateConfig([](Config& c) { c.phoneServerEnabled = true; });
    h.clock.advance(AppDelegate::saveDelayMs);
    QVERIFY(server.isRunning());
    app.shutdown();
    QVERIFY(!server.isRunning());
}

void TestAppDelegate::pillPositionIsSaved()
{
    Harness h;
    h.writeConfig(readyConfig());
    AppDelegate& app = h.start();
    h.clock.advance(1000);

    // A drag moves the window many times, with a pause longer than the save
    // delay in the middle; only where it ends is saved, and it stays there.
    QWidget* view = app.hud()->view();
    const QPoint origin = app.hud()->pos();
    const QPoint grip = view->rect().center();
    auto send = [view, grip, origin](QEvent::Type type, QPoint offset, Qt::MouseButtons buttons) {
        QMouseEvent event(type, QPointF(grip), QPointF(origin + grip + offset), Qt::LeftButton, buttons, Qt::NoModifier);
        QApplication::sendEvent(view, &event);
    };
    send(QEvent::MouseButtonPress, {}, Qt::LeftButton);
    for (int step = 1; step <= 10; ++step) {
        send(QEvent::MouseMove, QPoint(-20 * step, -10 * step), Qt::LeftButton);
        h.clock.advance(step == 5 ? 1000 : 16);
        QCOMPARE(app.hud()->pos(), origin + QPoint(-20 * step, -10 * step));
    }
    send(QEvent::MouseButtonRelease, QPoint(-200, -100), Qt::NoButton);
    h.clock.advance(AppDelegate::saveDelayMs);

    QCOMPARE(app.hud()->pos(), origin + QPoint(-200, -100));
    const QRect frame = app.hud()->geometry();
    const QJsonObject saved = h.savedConfig();
    QCOMPARE(saved.value(QStringLiteral("hudX")).toDouble(), frame.x() + frame.width() / 2.0);
    QCOMPARE(saved.value(QStringLiteral("hudY")).toDouble(), double(frame.y() + frame.height()));
}

void TestAppDelegate::statusMenuActions()
{
    Harness h;
    h.writeConfig(readyConfig());
    h.audio.setInputs({{QStringLiteral("usb-mic"), QStringLiteral("USB & Desk Mic")}});
    AppDelegate& app = h.start();
    QCOMPARE(menuTexts(app.statusItem()->menu()).mid(0, 3),
             (QStringList{QStringLiteral("Hold Ctrl + Super to talk"), QString(), QStringLiteral("Microphone: System default")}));

    QAction* device = findAction(app.statusItem()->menu(), QStringLiteral("USB && Desk Mic"));
    QVERIFY2(device, "menu texts escape the ampersand");
    QVERIFY(!device->isChecked());
    device->trigger();
    QCOMPARE(app.state().config().inputDeviceID, QStringLiteral("usb-mic"));
    QVERIFY(h.log().contains(QStringLiteral("microphone set to USB & Desk Mic")));
    QVERIFY(findAction(app.statusItem()->menu(), QStringLiteral("USB && Desk Mic"))->isChecked());
    QVERIFY(findAction(app.statusItem()->menu(), QStringLiteral("Microphone: USB && Desk Mic")));

    findAction(app.statusItem()->menu(), QStringLiteral("Hide button"))->trigger();
    h.clock.advance(AppDelegate::saveDelayMs);
    QVERIFY(!app.hud()->isVisible());
    QVERIFY(findAction(app.statusItem()->menu(), QStringLiteral("Show button")));

    app.state().setPhase(Phase::working);
    QCOMPARE(app.statusItem()->menu()->actions().first()->text(), QStringLiteral("Transcribing..."));
    QVERIFY(!app.statusItem()->menu()->actions().first()->isEnabled());
    app.state().setMessage(QStringLiteral("A & B"));
    QCOMPARE(app.statusItem()->menu()->actions().at(1)->text(), QStringLiteral("A && B"));
}

namespace {

// The relative luminance and contrast ratio of the accessibility guidelines.
double luminance(const QColor& colour)
{
    auto linear = [](double c) { return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) + 0.0722 * linear(colour.blueF());
}

double contrast(const QColor& a, const QColor& b)
{
    const double x = luminance(a);
    const double y = luminance(b);
    return (std::max(x, y) + 0.05) / (std::min(x, y) + 0.05);
}

// The opaque pixels of a picture, counted by colour.
QHash<QRgb, int> opaqueColours(const QImage& image)
{
    QHash<QRgb, int> count;
    const QImage rgba = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < rgba.height(); ++y)
        for (int x = 0; x < rgba.width(); ++x)
            if (qAlpha(rgba.pixel(x, y)) == 255)
                ++count[rgba.pixel(x, y)];
    return count;
}

} // namespace

void TestAppDelegate::statusPictures_data()
{
    QTest::addColumn<Phase>("phase");
    QTest::addColumn<bool>("accessibility");
    QTest::addColumn<int>("size");

    QTest::newRow("idle") << Phase::idle << true << 22;
    QTest::newRow("idle, large") << Phase::idle << true << 44;
    QTest::newRow("idle without typing permission") << Phase::idle << false << 22;
    QTest::newRow("recording") << Phase::recording << true << 22;
    QTest::newRow("working") << Phase::working << true << 22;
    QTest::newRow("failed") << Phase::failed << true << 22;
    QTest::newRow("failed, small") << Phase::failed << true << 16;
}

void TestAppDelegate::statusPictures()
{
    QFETCH(Phase, phase);
    QFETCH(bool, accessibility);
    QFETCH(int, size);

    const QImage image = StatusItem::picture(phase, accessibility).pixmap(size).toImage();
    QCOMPARE(image.size(), QSize(size, size));
    // Whatever the panel, the picture's body (its most common colour) stands
    // out from it 3:1 or more, on a black panel and on a white one; and the
    // figure stands out from the body: a good share of the picture is ink of
    // 3:1 or more on it.
    const QHash<QRgb, int> colours = opaqueColours(image);
    QVERIFY(!colours.isEmpty());
    QRgb most = colours.constBegin().key();
    int opaque = 0;
    for (auto it = colours.constBegin(); it != colours.constEnd(); ++it) {
        opaque += it.value();
        if (it.value() > colours.value(most))
            most = it.key();
    }
    const QColor body = QColor::fromRgb(most);
    for (const QColor& panel : {QColor(Qt::black), QColor(Qt::white)}) {
        QVERIFY2(contrast(body, panel) >= 3.0,
                 qPrintable(QStringLiteral("%1 on %2: %3:1").arg(body.name(), panel.name()).arg(contrast(body, panel), 0, 'f', 2)));
    }
    int ink = 0;
    for (auto it = colours.constBegin(); it != colours.constEnd(); ++it)
        ink += contrast(QColor::fromRgb(it.key()), body) >= 3.0 ? it.value() : 0;
    QVERIFY2(ink * 100 >= 5 * opaque, qPrintable(QStringLiteral("%1 of %2 pixels").arg(ink).arg(opaque)));
}

void TestAppDelegate::windowsAreReused()
{
    Harness h;
    h.writeConfig(readyConfig());
    AppDelegate& app = h.start();
    QVERIFY(!app.mainWindow());

    app.state().setSettingsTab(SettingsTab::microphone);
    findAction(app.statusItem()->menu(), QStringLiteral("Settings\u2026"))->trigger();
    QWidget* window = app.mainWindow();
    QVERIFY(h.visible(window));
    QVERIFY(app.state().settingsOpen());
    findAction(app.statusItem()->menu(), QStringLiteral("Settings\u2026"))->trigger();
    QCOMPARE(app.mainWindow(), window);
    QCOMPARE(app.state().settingsTab(), SettingsTab::microphone);

    window->close();
    QVERIFY(!window->isVisible());
    QVERIFY2(!app.state().settingsOpen(), "closing the window closes the settings");
    findAction(app.statusItem()->menu(), QStringLiteral("Open Kesto Viruz"))->trigger();
    QCOMPARE(app.mainWindow(), window);
    QVERIFY(window->isVisible());
    QVERIFY(!app.state().settingsOpen());

    app.openPermissionsAgain();
    QVERIFY(h.visible(app.permissionsWindow()));
    h.permissionsDone();
    QVERIFY(!app.permissionsWindow());
}

void TestAppDelegate::onboardingCallbacks()
{
    Harness h;
    AppDelegate& app = h.start();
    QWidget* wizard = app.onboardingWindow();
    QVERIFY(h.visible(wizard));

    // Closed with its close button, the same wizard comes back.
    wizard->close();
    findAction(app.statusItem()->menu(), QStringLiteral("Set up again"))->trigger();
    QCOMPARE(app.onboardingWindow(), wizard);
    QVERIFY(wizard->isVisible());
    QCOMPARE(wizard->size(), QSize(680, 640));
    QCOMPARE(wizard->grab().toImage().pixelColor(10, 10), QColor(Qt::white));
    app.state().updateConfig([](Config& c) { c.theme = ThemeMode::dark; });
    h.clock.advance(AppDelegate::saveDelayMs);
    QCOMPARE(wizard->grab().toImage().pixelColor(10, 10), QColor(21, 26, 36));

    Config edited = app.state().config();
    edited.onboardingDone = true;
    edited.hudVisible = false;
    h.onboarding.onSave(edited);
    QCOMPARE(h.savedConfig().value(QStringLiteral("onboardingDone")).toBool(), true);
    QVERIFY2(!app.hud()->isVisible(), "the wizard's settings apply at once");

    app.state().setMessage(QStringLiteral("something"));
    QPointer<QWidget> finished = wizard;
    h.onboarding.onFinish();
    QVERIFY(!app.onboardingWindow());
    QCOMPARE(app.state().message(), QString());
    QTRY_VERIFY(!finished);
    app.state().actions().openOnboarding();
    QVERIFY(h.visible(app.onboardingWindow()));
}

QTEST_MAIN(TestAppDelegate)
#include "TestAppDelegate.moc"

void TestAppDelegate::updatesItemFollowsTheController()
{
    for (const bool withFeed : {false, true}) {
        Harness h;
        h.writeConfig(readyConfig());
        if (withFeed)
            h.updates = {QUrl(QStringLiteral("http://127.0.0.1:9/feed.xml")), QByteArray(32, 'k'), QStringLiteral("100"),
                         QStringLiteral("1.0.0")};
        AppDelegate& app = h.start();
        QCOMPARE(app.updater().hasController(), withFeed);
        QCOMPARE(menuTexts(app.statusItem()->menu()).contains(QStringLiteral("Check for updates")), withFeed);
    }
}

void TestAppDelegate::windowKeysInEveryWindow()
{
    Harness h;
    h.updates = {QUrl(QStringLiteral("http://127.0.0.1:9/feed.xml")), QByteArray(32, 'k'), QStringLiteral("100"),
                 QStringLiteral("1.0.0")};
    AppDelegate& app = h.start();
    auto press = [](QWidget* window, Qt::Key key) {
        QVERIFY(QTest::qWaitForWindowActive(window));
        QTest::keyClick(window, key, Qt::ControlModifier);
    };

    QWidget* wizard = app.onboardingWindow();
    press(wizard, Qt::Key_M);
    QTRY_VERIFY(wizard->isMinimized());
    app.state().actions().openOnboarding();
    press(wizard, Qt::Key_W);
    QVERIFY(!wizard->isVisible());

    app.openPermissionsAgain();
    press(app.permissionsWindow(), Qt::Key_W);
    QVERIFY(!app.permissionsWindow()->isVisible());

    app.updater().checkForUpdates();
    QWidget* update = app.updater().window();
    QVERIFY(h.visible(update));
    press(update, Qt::Key_W);
    QVERIFY(!update->isVisible());

    // Ctrl+Q in the wizard ends the event loop, as the tray's Quit does.
    app.state().actions().openOnboarding();
    QVERIFY(QTest::qWaitForWindowActive(wizard));
    QTimer::singleShot(0, wizard, [wizard] { QTest::keyClick(wizard, Qt::Key_Q, Qt::ControlModifier); });
    QTimer::singleShot(5000, qApp, [] { QCoreApplication::exit(1); });
    QCOMPARE(QCoreApplication::exec(), 0);
}
