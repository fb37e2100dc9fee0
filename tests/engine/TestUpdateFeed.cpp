#include "engine/UpdateFeed.h"

#include "FeedDocument.h"

#include <QtTest>

Q_DECLARE_METATYPE(UpdateItem)

// Reading the update feed and choosing the update: only complete items are
// trusted, versions order numerically, and a skipped version stays skipped.
class TestUpdateFeed final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void readsEveryField();
    void incompleteItemsAreDropped_data();
    void incompleteItemsAreDropped();
    void malformedDocuments_data();
    void malformedDocuments();
    void versionsOrderAsNumbers_data();
    void versionsOrderAsNumbers();
    void choosesTheUpdate_data();
    void choosesTheUpdate();
};

void TestUpdateFeed::readsEveryField()
{
    const UpdateItem written = FeedDocument::item(QStringLiteral("120"));
    const UpdateFeed::Parsed parsed = UpdateFeed::parse(FeedDocument::of({written}));
    QVERIFY2(parsed.error.isEmpty(), qPrintable(parsed.error));
    QCOMPARE(parsed.items.size(), 1);
    const UpdateItem& read = parsed.items.first();
    QCOMPARE(read.version, written.version);
    QCOMPARE(read.displayVersion, written.displayVersion);
    QCOMPARE(read.published, written.published);
    QCOMPARE(read.notes, written.notes); // markup stays text
    QCOMPARE(read.url, written.url);
    QCOMPARE(read.length, written.length);
    QCOMPARE(read.type, written.type);
    QCOMPARE(read.signature, written.signature);
}

void TestUpdateFeed::incompleteItemsAreDropped_data()
{
    QTest::addColumn<UpdateItem>("item");
    QTest::addColumn<QString>("why");
    UpdateItem item = FeedDocument::item(QStringLiteral("120"));
    auto with = [&item](auto change) {
        UpdateItem changed = item;
        change(changed);
        return changed;
    };
    QTest::newRow("no version") << with([](UpdateItem& i) { i.version.clear(); }) << "1.120: its version \"\" is";
    QTest::newRow("version not a number") << with([](UpdateItem& i) { i.version = QStringLiteral("1.2-beta"); })
                                          << "1.120: its version \"1.2-beta\" is not numbers and dots";
    QTest::newRow("no display version") << with([](UpdateItem& i) { i.displayVersion.clear(); })
                                        << "120: it has no displayVersion";
    QTest::newRow("plain http elsewhere")
        << with([](UpdateItem& i) { i.url = QUrl(QStringLiteral("http://example.org/kv.zip")); })
        << "1.120: its download is not an https address: http://example.org/kv.zip";
    QTest::newRow("file url") << with([](UpdateItem& i) { i.url = QUrl(QStringLiteral("file:///etc/passwd")); })
                              << "its download is not an https address";
    QTest::newRow("no length") << with([](UpdateItem& i) { i.length = 0; }) << "1.120: its enclosure has no length";
    QTest::newRow("short signature") << with([](UpdateItem& i) { i.signature = QByteArray(32, 'x'); })
                                     << "1.120: its enclosure has no ed25519 signature";
}

void TestUpdateFeed::incompleteItemsAreDropped()
{
    QFETCH(UpdateItem, item);
    QFETCH(QString, why);
    const UpdateItem good = FeedDocument::item(QStringLiteral("110"));
    const UpdateFeed::Parsed parsed = UpdateFeed::parse(FeedDocument::of({item, good}));
    QVERIFY(parsed.error.isEmpty());
    QCOMPARE(parsed.items, QList<UpdateItem>{good});
    QCOMPARE(parsed.dropped.size(), 1);
    QVERIFY2(parsed.dropped.first().contains(why), qPrintable(parsed.dropped.first()));
}

void TestUpdateFeed::malformedDocuments_data()
{
    QTest::addColumn<QByteArray>("document");
    const QByteArray good = FeedDocument::of({FeedDocument::item(QStringLiteral("120"))});
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("html page") << QByteArray("<html><body>Gateway timeout</body></html>");
    QTest::newRow("json") << QByteArray("{\"version\": 120}");
    QTest::newRow("rss without channel") << QByteArray("<rss version=\"2.0\"></rss>");
    QTest::newRow("cut off after an item") << good.left(good.indexOf("</item>") + 7);
}

void TestUpdateFeed::malformedDocuments()
{
    QFETCH(QByteArray, document);
    const UpdateFeed::Parsed parsed = UpdateFeed::parse(document);
    QVERIFY(!parsed.error.isEmpty());
    QVERIFY(parsed.items.isEmpty());
}

void TestUpdateFeed::versionsOrderAsNumbers_data()
{
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<int>("order");
    QTest::newRow("plain numbers") << "101" << "100" << 1;
    QTest::newRow("not as text") << "99" << "100" << -1;
    QTest::newRow("dotted segments") << "1.10" << "1.9" << 1;
    QTest::newRow("missing segment is zero") << "1.0" << "1" << 0;
    QTest::newRow("invalid sorts first") << "abc" << "1" << -1;
    QTest::newRow("signs are not numbers") << "+5" << "1" << -1;
}

void TestUpdateFeed::versionsOrderAsNumbers()
{
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(int, order);
    QCOMPARE(qBound(-1, UpdateFeed::compareVersions(a, b), 1), order);
    QCOMPARE(qBound(-1, UpdateFeed::compareVersions(b, a), 1), -order);
}

void TestUpdateFeed::choosesTheUpdate_data()
{
    QTest::addColumn<QStringList>("versions");
    QTest::addColumn<QString>("skipped");
    QTest::addColumn<QString>("chosen");
    QTest::newRow("up to date") << QStringList{"100", "90"} << "" << "";
    QTest::newRow("newest of several") << QStringList{"110", "130", "120"} << "" << "130";
    QTest::newRow("older and equal ignored") << QStringList{"100", "99"} << "" << "";
    QTest::newRow("skipped not offered") << QStringList{"110", "120"} << "120" << "";
    QTest::newRow("newer than skipped offered") << QStringList{"110", "130"} << "120" << "130";
}

void TestUpdateFeed::choosesTheUpdate()
{
    QFETCH(QStringList, versions);
    QFETCH(QString, skipped);
    QFETCH(QString, chosen);
    QList<UpdateItem> items;
    for (const QString& version : versions)
        items.append(FeedDocument::item(version));
    const std::optional<UpdateItem> update = UpdateFeed::newestUpdate(items, QStringLiteral("100"), skipped);
    QCOMPARE(update ? update->version : QString(), chosen);
}

QTEST_GUILESS_MAIN(TestUpdateFeed)
#include "TestUpdateFeed.moc"
