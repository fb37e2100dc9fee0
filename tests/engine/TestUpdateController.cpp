#include "core/Log.h"
#include "engine/UpdateController.h"
#include "engine/UpdateRequest.h"

#include "EndlessServer.h"
#include "FakeClock.h"
#include "FakeGemini.h"
#include "FeedDocument.h"
#include "TempDataDir.h"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

Q_DECLARE_METATYPE(UpdateController::Result)
Q_DECLARE_METATYPE(EndlessServer::Pace)

// Checks against a feed served on loopback: what is offered, the errors
// the user reads, and the schedule of automatic checks on a fake clock.
class TestUpdateController final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void userChecks_data();
    void userChecks();
    void failuresHaveTheirOwnText();
    void endlessFeedsEnd_data();
    void endlessFeedsEnd();
    void anAbandonedCheckIsNotJoined();
    void skippedVersionIsRemembered();
    void logsWhyNothingIsOffered();
    void refusesAPlainHttpFeedElsewhere();
    void timeOutsAreLoggedAsSuch();
    void scheduledChecksAfterLaunchAndEveryInterval();
    void remindLaterWaitsForTheNextInterval();
    void automaticChecksOff();

private:
    std::unique_ptr<UpdateController> make(const QString& feed = QString());
    UpdateController::Result checkNow(UpdateController& controller, bool user = true);
    QString log() const;
    void serve(const QList<UpdateItem>& items);

    std::unique_ptr<TempDataDir> m_data;
    std::unique_ptr<QTemporaryDir> m_config;
    std::unique_ptr<FakeClock> m_clock;
    std::unique_ptr<FakeGemini> m_server;
    bool m_online = true;
};

namespace {

constexpr qint64 day = 24 * 60 * 60 * 1000;

} // namespace

void TestUpdateController::init()
{
    m_data = std::make_unique<TempDataDir>();
    m_config = std::make_unique<QTemporaryDir>();
    m_clock = std::make_unique<FakeClock>();
    m_server = std::make_unique<FakeGemini>();
    QVERIFY(m_server->listen());
    m_online = true;
}

void TestUpdateController::cleanup()
{
    m_server.reset();
    m_clock.reset();
    m_config.reset();
    m_data.reset();
}

std::unique_ptr<UpdateController> TestUpdateController::make(const QString& feed)
{
    UpdateSource source;
    source.feed = QUrl(feed.isEmpty() ? m_server->url() + QStringLiteral("/feed.xml") : feed);
    source.publicKey = QByteArray(32, 'k');
    source.runningVersion = QStringLiteral("100");
    source.runningDisplayVersion = QStringLiteral("1.0.0");
    return std::make_unique<UpdateController>(source, *m_clock, m_config->filePath(QStringLiteral("kesto.conf")),
                                              [this] { return m_online; });
}

void TestUpdateController::serve(const QList<UpdateItem>& items)
{
    m_server->setFallback(FakeGemini::Reply::raw(200, FeedDocument::of(items), "application/rss+xml"));
}

QString TestUpdateController::log() const
{
    Log::flush();
    return QString::fromUtf8(m_data->read(QStringLiteral("kesto.log")));
}

UpdateController::Result TestUpdateController::checkNow(UpdateController& controller, bool user)
{
    QSignalSpy finished(&controller, &UpdateController::checkFinished);
    controller.check(user);
    if (finished.isEmpty() && !finished.wait(10000))
        return {UpdateController::Result::Kind::error, std::nullopt, QStringLiteral("no answer"), true};
    return finished.first().first().value<UpdateController::Result>();
}

void TestUpdateController::userChecks_data()
{
    QTest::addColumn<QStringList>("versions");
    QTest::addColumn<QString>("offered");
    QTest::newRow("up to date") << QStringList{"90", "100"} << "";
    QTest::newRow("an update") << QStringList{"100", "120", "110"} << "1.120";
    QTest::newRow("only older") << QStringList{"99"} << "";
}

void TestUpdateController::userChecks()
{
    QFETCH(QStringList, versions);
    QFETCH(QString, offered);
    QList<UpdateItem> items;
    for (const QString& version : versions)
        items.append(FeedDocument::item(version));
    serve(items);
    auto controller = make();
    const UpdateController::Result result = checkNow(*controller);
    QCOMPARE(result.kind, offered.isEmpty() ? UpdateController::Result::Kind::upToDate
                                            : UpdateController::Result::Kind::update);
    QCOMPARE(result.update ? result.update->displayVersion : QString(), offered);
    QVERIFY(result.userInitiated);
    // What the user asked to see is no reminder.
    QVERIFY(!controller->pending());
    QCOMPARE(m_server->requests().first().path, QStringLiteral("/feed.xml"));
    QCOMPARE(controller->settings().lastCheck, m_clock->now());
}

void TestUpdateController::failuresHaveTheirOwnText()
{
    auto controller = make();
    m_server->setFallback(FakeGemini::Reply::raw(200, "<html>Captive portal</html>", "text/html"));
    const QString malformed = checkNow(*controller).error;
    m_server->setFallback(FakeGemini::Reply::raw(503, "busy", "text/plain"));
    const UpdateController::Result http = checkNow(*controller);
    m_online = false;
    const QString offline = checkNow(*controller).error;
    m_online = true;
    const int requests = int(m_server->requests().size());
    m_server.reset(); // nothing listens any more
    const QString unreachable = checkNow(*controller).error;

    QCOMPARE(http.kind, UpdateController::Result::Kind::error);
    QVERIFY2(http.error.contains(QStringLiteral("503")), qPrintable(http.error));
    const QStringList texts{malformed, http.error, offline, unreachable};
    for (const QString& text : texts)
        QVERIFY(!text.isEmpty());
    QCOMPARE(QSet<QString>(texts.begin(), texts.end()).size(), texts.size());
    QCOMPARE(requests, 2); // offline: no request at all
    // A check that failed is a check all the same: the next one waits an interval.
    QCOMPARE(controller->settings().lastCheck, m_clock->now());
    QCOMPARE(UpdateController::loadSettings(m_config->filePath(QStringLiteral("kesto.conf"))).lastCheck,
             m_clock->now());
}

void TestUpdateController::endlessFeedsEnd_data()
{
    QTest::addColumn<EndlessServer::Pace>("pace");
    QTest::newRow("a flood of bytes") << EndlessServer::Pace::flood;
    QTest::newRow("a trickle that never ends") << EndlessServer::Pace::trickle;
}

// A feed that never ends is cut off at its size limit or at the check's
// time limit, without a click, holding no more than the limit in memory.
void TestUpdateController::endlessFeedsEnd()
{
    QFETCH(EndlessServer::Pace, pace);
    EndlessServer endless(pace);
    QVERIFY(endless.listen());
    auto controller = make(endless.url() + QStringLiteral("/feed.xml"));
    UpdateController::Limits limits;
    limits.checkMs = pace == EndlessServer::Pace::flood ? 10 * 60 * 1000 : 1000;
    controller->setLimits(limits);
    const qint64 start = residentBytes();
    qint64 peak = start;
    QSignalSpy finished(controller.get(), &UpdateController::checkFinished);
    controller->check(false);
    while (finished.isEmpty()) {
        peak = std::max(peak, residentBytes());
        finished.wait(20);
    }
    peak = std::max(peak, residentBytes());
    qInfo("sent %lld bytes; memory grew by %lld KiB", endless.sent(), (peak - start) / 1024);
    const auto result = finished.first().first().value<UpdateController::Result>();
    QCOMPARE(result.kind, UpdateController::Result::Kind::error);
    if (pace == EndlessServer::Pace::flood)
        QVERIFY(endless.sent() > limits.feedBytes);
    QVERIFY2(peak - start < 16 * 1024 * 1024, qPrintable(QString::number(peak - start)));
    QCOMPARE(endless.requests(), 1);
    // Recorded, so the next launch does not ask again at once.
    QCOMPARE(UpdateController::loadSettings(m_config->filePath(QStringLiteral("kesto.conf"))).lastCheck,
             m_clock->now());
    QVERIFY(!controller->isChecking());
}

// A user's check nobody waits for any more is dropped: the next one asks the
// server afresh instead of joining it.
void TestUpdateController::anAbandonedCheckIsNotJoined()
{
    EndlessServer endless(EndlessServer::Pace::trickle);
    QVERIFY(endless.listen());
    auto controller = make(endless.url() + QStringLiteral("/feed.xml"));
    controller->check(true);
    QTRY_COMPARE(endless.requests(), 1);
    controller->abandonUserCheck();
    QVERIFY(!controller->isChecking());
    controller->check(true);
    QTRY_COMPARE(endless.requests(), 2);
    // A scheduled check is not the user's to drop.
    controller->abandonUserCheck();
    controller->check(false);
    QVERIFY(controller->isChecking());
}

void TestUpdateController::skippedVersionIsRemembered()
{
    serve({FeedDocument::item(QStringLiteral("120"))});
    {
        auto controller = make();
        const UpdateController::Result found = checkNow(*controller);
        QVERIFY(found.update);
        controller->skip(*found.update);
    }
    // Across a restart.
    auto controller = make();
    QCOMPARE(controller->settings().skippedVersion, QStringLiteral("120"));
    QCOMPARE(checkNow(*controller, false).kind, UpdateController::Result::Kind::upToDate);
    QVERIFY(!controller->pending());
    // The user asking is shown what is there, skipped or not.
    const UpdateController::Result asked = checkNow(*controller);
    QCOMPARE(asked.update ? asked.update->version : QString(), QStringLiteral("120"));
    serve({FeedDocument::item(QStringLiteral("120")), FeedDocument::item(QStringLiteral("130"))});
    const UpdateController::Result newer = checkNow(*controller);
    QCOMPARE(newer.update ? newer.update->version : QString(), QStringLiteral("130"));
}

void TestUpdateController::logsWhyNothingIsOffered()
{
    UpdateItem unsigned_ = FeedDocument::item(QStringLiteral("130"));
    unsigned_.signature.clear();
    UpdateItem written = FeedDocument::item(QStringLiteral("1.1.0"));
    written.displayVersion = QStringLiteral("1.1.0");
    serve({unsigned_, written});
    auto controller = make();
    QCOMPARE(checkNow(*controller).kind, UpdateController::Result::Kind::upToDate);
    const QString text = log();
    QVERIFY2(text.contains(QStringLiteral("update feed item dropped: 1.130: its enclosure has no ed25519 signature")),
             qPrintable(text));
    QVERIFY2(text.contains(
                 QStringLiteral("update feed item not offered: 1.1.0: its version 1.1.0 is not newer than this build's 100")),
             qPrintable(text));
}

void TestUpdateController::refusesAPlainHttpFeedElsewhere()
{
    UpdateSource source;
    source.feed = QUrl(QStringLiteral("http://192.0.2.2:8080/feed.xml"));
    source.publicKey = QByteArray(32, 'k');
    source.runningVersion = QStringLiteral("100");
    QVERIFY(!source.isValid());
    UpdateController controller(source, *m_clock, m_config->filePath(QStringLiteral("kesto.conf")), [] { return true; });
    const UpdateController::Result result = checkNow(controller);
    QCOMPARE(result.kind, UpdateController::Result::Kind::error);
    QVERIFY(log().contains(QStringLiteral("update feed refused: not an https address: http://192.0.2.2:8080/feed.xml")));
}

void TestUpdateController::timeOutsAreLoggedAsSuch()
{
    m_server->setFallback(FakeGemini::Reply::raw(200, "late", "text/plain").delayed(5000));
    QNetworkAccessManager network;
    QNetworkReply* reply = UpdateRequest::get(network, QUrl(m_server->url() + QStringLiteral("/feed.xml")), 300, {});
    QSignalSpy finished(reply, &QNetworkReply::finished);
    QVERIFY(finished.wait(10000));
    QVERIFY(UpdateRequest::timedOut(*reply));
    QCOMPARE(UpdateRequest::failure(*reply), QStringLiteral("timed out: no data for 0.3 s"));
    reply->deleteLater();
}

void TestUpdateController::scheduledChecksAfterLaunchAndEveryInterval()
{
    serve({FeedDocument::item(QStringLiteral("120"))});
    auto controller = make();
    QSignalSpy finished(controller.get(), &UpdateController::checkFinished);
    QSignalSpy pending(controller.get(), &UpdateController::pendingChanged);
    controller->start();
    m_clock->advance(UpdateController::launchDelayMs - 1);
    QVERIFY(m_server->requests().isEmpty());
    m_clock->advance(1);
    QVERIFY(finished.wait(10000));
    const auto first = finished.takeFirst().first().value<UpdateController::Result>();
    QVERIFY(!first.userInitiated);
    QCOMPARE(controller->pending()->version, QStringLiteral("120"));
    QCOMPARE(pending.size(), 1);

    // A failed scheduled check is retried an interval later, silently.
    m_server->setFallback(FakeGemini::Reply::raw(500, "oops", "text/plain"));
    m_clock->advance(day - 1);
    QCOMPARE(m_server->requests().size(), 1);
    m_clock->advance(1);
    QVERIFY(finished.wait(10000));
    QCOMPARE(finished.takeFirst().first().value<UpdateController::Result>().kind,
             UpdateController::Result::Kind::error);
    QVERIFY(controller->pending()); // a failure takes no offer away

    // No check while offline; the next interval tries again.
    m_online = false;
    m_clock->advance(day);
    QCOMPARE(m_server->requests().size(), 2);
    m_online = true;
    serve({FeedDocument::item(QStringLiteral("120"))});
    m_clock->advance(day);
    QVERIFY(finished.wait(10000));
    QCOMPARE(m_server->requests().size(), 3);

    // A later launch waits for the interval since the last check.
    auto later = make();
    later->start();
    m_clock->advance(day - 1);
    QCOMPARE(m_server->requests().size(), 3);
}

void TestUpdateController::remindLaterWaitsForTheNextInterval()
{
    serve({FeedDocument::item(QStringLiteral("120"))});
    auto controller = make();
    QSignalSpy finished(controller.get(), &UpdateController::checkFinished);
    controller->start();
    m_clock->advance(UpdateController::launchDelayMs);
    QVERIFY(finished.wait(10000));
    QVERIFY(controller->pending());
    controller->remindLater();
    QVERIFY(!controller->pending());
    m_clock->advance(day / 2);
    QVERIFY(!controller->pending());
    m_clock->advance(day / 2);
    QVERIFY(finished.wait(10000));
    QCOMPARE(controller->pending()->version, QStringLiteral("120"));
}

void TestUpdateController::automaticChecksOff()
{
    UpdateController::Settings settings;
    settings.automaticChecks = false;
    UpdateController::saveSettings(m_config->filePath(QStringLiteral("kesto.conf")), settings);
    serve({FeedDocument::item(QStringLiteral("120"))});
    auto controller = make();
    controller->start();
    m_clock->advance(2 * day);
    QVERIFY(m_server->requests().isEmpty());
    QCOMPARE(checkNow(*controller).kind, UpdateController::Result::Kind::update); // the user may still ask
}

QTEST_GUILESS_MAIN(TestUpdateController)
#include "TestUpdateController.moc"
