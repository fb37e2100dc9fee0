#include "core/Log.h"
#include "design/components/SButton.h"
#include "design/components/TextLabel.h"
#include "engine/UpdateTree.h"
#include "platform/ZipArchive.h"
#include "shell/StatusMenu.h"
#include "shell/UpdateWindow.h"
#include "shell/Updater.h"

#include "FakeClock.h"
#include "FakeGemini.h"
#include "FakeNotificationServer.h"
#include "FeedDocument.h"
#include "ReadOnlyFolder.h"
#include "ReleaseArchive.h"
#include "ReleaseKey.h"
#include "TempDataDir.h"

#include <QTemporaryDir>
#include <QtTest>

#include <memory>

// The updater as the user meets it: a check they ask for shows its window
// in front; a scheduled one only posts a notification and offers the
// update in the status menu.
class TestUpdater final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void controllerExistsOnlyWithAFeed();
    void userCheckShowsItsWindow();
    void scheduledFindNotifiesWithoutAWindow();
    void skipAndInstallFromTheWindow();
    void readOnlyInstallKeepsTheUpdateInDownloads();

private:
    Updater& make(const QString& feed = QString());
    UpdateItem serveRelease(const QString& version);
    UpdateWindowState::Stage stage() const;
    void click(const char* name);
    QStringList menu() const;

    std::unique_ptr<TempDataDir> m_data;
    QTemporaryDir m_config;
    QTemporaryDir m_root;
    QTemporaryDir m_downloads;
    QStringList m_shownFiles;
    std::unique_ptr<FakeClock> m_clock;
    std::unique_ptr<FakeGemini> m_server;
    std::unique_ptr<FakeNotificationServer> m_notifications;
    std::unique_ptr<ReleaseKey> m_key;
    std::unique_ptr<Updater> m_updater;
    QByteArray m_release;
    int m_relaunches = 0;
    UpdateWindowState::Stage m_stageAtRelaunch = UpdateWindowState::Stage::checking;
};

using Stage = UpdateWindowState::Stage;

void TestUpdater::init()
{
    m_data = std::make_unique<TempDataDir>();
    QFile::remove(m_config.filePath(QStringLiteral("kesto.conf")));
    m_clock = std::make_unique<FakeClock>();
    m_server = std::make_unique<FakeGemini>();
    QVERIFY(m_server->listen());
    m_notifications = std::make_unique<FakeNotificationServer>();
    QVERIFY(m_notifications->isRegistered());
    m_key = std::make_unique<ReleaseKey>();
    QVERIFY(m_key->isValid());
    m_relaunches = 0;
    m_shownFiles.clear();
}

void TestUpdater::cleanup()
{
    m_updater.reset();
    m_notifications.reset();
    m_server.reset();
    m_data.reset();
}

Updater& TestUpdater::make(const QString& feed)
{
    UpdateSource source;
    source.feed = QUrl(feed.isEmpty() ? m_server->url() + QStringLiteral("/feed.xml") : feed);
    source.publicKey = m_key->publicKey();
    source.runningVersion = QStringLiteral("100");
    source.runningDisplayVersion = QStringLiteral("1.0.0");
    Updater::Host host;
    host.clock = m_clock.get();
    host.settingsPath = m_config.filePath(QStringLiteral("kesto.conf"));
    host.online = [] { return true; };
    UpdateInstaller::Target target;
    target.installRoot = m_root.path();
    target.program = QStringLiteral("bin/kesto-viruz");
    target.downloads = m_downloads.path();
    target.relaunch = [this](const UpdateTrial::Plan& plan) {
        ++m_relaunches;
        m_stageAtRelaunch = stage();
        // As the new version does once it runs.
        return UpdateTree::commit(plan.root);
    };
    host.target = target;
    host.showFile = [this](const QString& path) {
        m_shownFiles << path;
        return true;
    };
    m_updater = std::make_unique<Updater>(source, host);
    return *m_updater;
}

UpdateWindowState::Stage TestUpdater::stage() const
{
    return m_updater->window() ? m_updater->window()->shown().stage : Stage::checking;
}

void TestUpdater::click(const char* name)
{
    auto* button = m_updater->window()->findChild<SButton*>(QString::fromLatin1(name));
    QVERIFY2(button && button->isVisible(), name);
    QTest::mouseClick(button, Qt::LeftButton);
}

QStringList TestUpdater::menu() const
{
    StatusMenuInput input;
    input.updaterAvailable = m_updater->hasController();
    input.updateOffer = m_updater->offeredVersion();
    QStringList titles;
    for (const StatusMenuItem& item : StatusMenu::build(input)) {
        if (item.action == StatusMenuItem::Action::showUpdate || item.action == StatusMenuItem::Action::checkForUpdates)
            titles << item.title;
    }
    return titles;
}

void TestUpdater::controllerExistsOnlyWithAFeed()
{
    Updater none(UpdateSource{});
    QVERIFY(!none.hasController());
    none.checkForUpdates();
    QVERIFY(!none.window());
    QVERIFY(make().hasController());
    QCOMPARE(menu(), QStringList{QStringLiteral("Check for updates")});
    // A feed anyone on the network could rewrite is refused.
    m_updater.reset();
    QVERIFY(!make(QStringLiteral("http://192.0.2.2:8080/feed.xml")).hasController());
    Log::flush();
    QVERIFY(m_data->read(QStringLiteral("kesto.log")).contains("update feed refused: http://192.0.2.2:8080/feed.xml"));
    // This build's own updater exists exactly when the build names a feed.
    QCOMPARE(Updater::builtIn().isValid(), !QStringLiteral(KESTO_TEST_FEED_URL).isEmpty());
}

void TestUpdater::userCheckShowsItsWindow()
{
    Updater& updater = make();
    m_server->setFallback(FakeGemini::Reply::raw(200, FeedDocument::of({FeedDocument::item(QStringLiteral("90"))}),
                                                 "application/rss+xml")
                              .delayed(300));
    updater.checkForUpdates();
    QVERIFY(updater.window()->isVisible());
    QCOMPARE(stage(), Stage::checking);
    QTRY_COMPARE(stage(), Stage::upToDate);
    QCOMPARE(updater.window()->shown().runningVersion, QStringLiteral("1.0.0"));

    m_server->setFallback(FakeGemini::Reply::raw(502, "bad gateway", "text/plain"));
    updater.checkForUpdates();
    QTRY_COMPARE(stage(), Stage::checkFailed);
    QVERIFY(updater.window()->shown().error.contains(QStringLiteral("502")));
    QCOMPARE(updater.window()->findChild<TextLabel*>(QStringLiteral("updateTitle"))->text(),
             QStringLiteral("Could not check for updates"));

    m_server->setFallback(FakeGemini::Reply::raw(200, FeedDocument::of({FeedDocument::item(QStringLiteral("120"))}),
                                                 "application/rss+xml"));
    updater.checkForUpdates();
    QTRY_COMPARE(stage(), Stage::available);
    QCOMPARE(updater.window()->shown().newVersion, QStringLiteral("1.120"));
    // What the user asked for is not also a reminder.
    QVERIFY(m_notifications->notifications.isEmpty());
    QCOMPARE(updater.offeredVersion(), QString());
}

void TestUpdater::scheduledFindNotifiesWithoutAWindow()
{
    m_server->setFallback(FakeGemini::Reply::raw(200, FeedDocument::of({FeedDocument::item(QStringLiteral("120"))}),
                                                 "application/rss+xml"));
    Updater& updater = make();
    m_clock->advance(UpdateController::launchDelayMs);
    QTRY_COMPARE(m_notifications->notifications.size(), 1);
    const FakeNotificationServer::Notification& note = m_notifications->notifications.first();
    QCOMPARE(note.summary, QStringLiteral("Kesto Viruz 1.120 is available"));
    QCOMPARE(note.actions, (QStringList{QStringLiteral("default"), QStringLiteral("Show update")}));
    QVERIFY(!updater.window());
    QCOMPARE(menu(), (QStringList{QStringLiteral("Install Kesto Viruz 1.120\u2026"), QStringLiteral("Check for updates")}));

    // The notification's action opens the window on the update.
    m_notifications->invokeAction(0, QStringLiteral("default"));
    QTRY_VERIFY(updater.window() && updater.window()->isVisible());
    QCOMPARE(stage(), Stage::available);

    // "Remind me later": gone from the menu until the next scheduled check.
    click("remindLater");
    QVERIFY(!updater.window()->isVisible());
    QCOMPARE(menu(), QStringList{QStringLiteral("Check for updates")});
    m_clock->advance(UpdateController::Settings().intervalSeconds * 1000);
    QTRY_COMPARE(m_notifications->notifications.size(), 2);
    QCOMPARE(updater.offeredVersion(), QStringLiteral("1.120"));
    QVERIFY(!updater.window()->isVisible());
}

void TestUpdater::skipAndInstallFromTheWindow()
{
    Updater& updater = make();
    const UpdateItem old = FeedDocument::item(QStringLiteral("110"));
    m_server->setFallback(FakeGemini::Reply::raw(200, FeedDocument::of({old}), "application/rss+xml"));
    updater.checkForUpdates();
    QTRY_COMPARE(stage(), Stage::available);
    click("skipVersion");
    QVERIFY(!updater.window()->isVisible());
    // Skipped, it is no reminder; asked for, it is shown: it is there.
    m_clock->advance(UpdateController::Settings().intervalSeconds * 1000);
    QTRY_COMPARE(m_server->requests().size(), 2);
    QVERIFY(m_notifications->notifications.isEmpty());
    QCOMPARE(updater.offeredVersion(), QString());
    updater.checkForUpdates();
    QTRY_COMPARE(stage(), Stage::available);
    QCOMPARE(updater.window()->shown().newVersion, QStringLiteral("1.110"));

    // A newer release, signed, served, installed over the folder.
    const UpdateItem newer = serveRelease(QStringLiteral("130"));
    m_server->enqueue(FakeGemini::Reply::raw(200, FeedDocument::of({old, newer}), "application/rss+xml"));
    m_server->enqueue(FakeGemini::Reply::raw(200, m_release, "application/zip"));
    updater.checkForUpdates();
    QTRY_COMPARE(stage(), Stage::available);
    QCOMPARE(updater.window()->shown().newVersion, QStringLiteral("1.130"));
    click("install");
    QTRY_COMPARE(m_relaunches, 1);
    // Not "Checking the signature" while the files go in.
    QCOMPARE(m_stageAtRelaunch, Stage::installing);
    QFile installed(m_root.filePath(QStringLiteral("bin/kesto-viruz")));
    QVERIFY(installed.open(QIODevice::ReadOnly));
    QCOMPARE(installed.readAll(), ReleaseArchive::program(QStringLiteral("130")));
}

UpdateItem TestUpdater::serveRelease(const QString& version)
{
    m_release = ReleaseArchive::bytes(ReleaseArchive::entries(version));
    UpdateItem item = FeedDocument::item(version, m_server->url() + QStringLiteral("/kesto-viruz-1.3.zip"));
    item.length = m_release.size();
    item.signature = m_key->sign(m_release);
    return item;
}

void TestUpdater::readOnlyInstallKeepsTheUpdateInDownloads()
{
    Updater& updater = make();
    const UpdateItem item = serveRelease(QStringLiteral("130"));
    m_server->enqueue(FakeGemini::Reply::raw(200, FeedDocument::of({item}), "application/rss+xml"));
    m_server->enqueue(FakeGemini::Reply::raw(200, m_release, "application/zip"));
    ReadOnlyFolder readOnly(m_root.path());
    QVERIFY(readOnly.isReadOnly());
    updater.checkForUpdates();
    QTRY_COMPARE(stage(), Stage::available);
    click("install");
    QTRY_COMPARE(stage(), Stage::kept);
    const QString kept = m_downloads.filePath(QStringLiteral("kesto-viruz-1.3.zip"));
    QFile file(kept);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), m_release);
    QCOMPARE(updater.window()->findChild<TextLabel*>(QStringLiteral("updateTitle"))->text(),
             QStringLiteral("Kesto Viruz 1.130 is in your Downloads folder"));
    QCOMPARE(updater.window()->findChild<TextLabel*>(QStringLiteral("updateSubtitle"))->text(),
             QStringLiteral("This copy cannot replace itself: its folder is read-only. The update was downloaded, "
                            "checked and saved as “kesto-viruz-1.3.zip”."));
    click("showKeptFile");
    QCOMPARE(m_shownFiles, QStringList{kept});
    QCOMPARE(m_relaunches, 0);
    QCOMPARE(updater.offeredVersion(), QString());
}

QTEST_MAIN(TestUpdater)
#include "TestUpdater.moc"
