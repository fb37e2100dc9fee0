#include "core/Config.h"
#include "core/History.h"
#include "core/IsoDate.h"
#include "core/Log.h"
#include "core/StoreFile.h"

#include "TempDataDir.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

#include <cmath>

namespace {

HistoryEntry entry(const QString& text, const QDateTime& date = QDateTime::currentDateTimeUtc(),
                   HistoryEntry::Status status = HistoryEntry::Status::done)
{
    HistoryEntry e;
    e.text = text;
    e.date = date;
    e.status = status;
    return e;
}

QDateTime local(int y, int m, int d, int h = 12, int min = 0, int s = 0)
{
    return QDateTime(QDate(y, m, d), QTime(h, min, s));
}

QByteArray historyWith(const QByteArray& entryJson)
{
    return R"({"entries": [)" + entryJson + "]}";
}

// A recording file to be kept.
QString makeRecording(const QTemporaryDir& tmp, const QString& name, const QByteArray& bytes)
{
    QFile file(tmp.filePath(name));
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
    return file.fileName();
}

} // namespace

class TestHistory final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { StoreFile::releaseAll(); }

    void roundTripsThroughTheFile();
    void readsEntriesLeniently_data();
    void readsEntriesLeniently();
    void parsesDatesStrictly_data();
    void parsesDatesStrictly();
    void unreadableFileIsSetAside_data();
    void unreadableFileIsSetAside();
    void missingFileStartsEmpty();
    void capsAtOneThousand();
    void prunesByAge();
    void updateAndRemove();
    void keepsAndDeletesAudio();
    void nonFiniteNumbersNeverBlockSaving();
    void countsWords_data();
    void countsWords();
    void statsCountDoneEntries();
    void groupsConsecutiveDays();
};

void TestHistory::roundTripsThroughTheFile()
{
    TempDataDir dir;
    History history;
    HistoryEntry full = entry(QStringLiteral("Salom dunyo"), QDateTime::currentDateTimeUtc().addMSecs(-1234));
    full.duration = 3.25;
    full.model = QStringLiteral("gemini-3.8-flash");
    full.source = QStringLiteral("phone");
    full.appName = QStringLiteral("Telegram");
    full.appBundleID = QStringLiteral("org.telegram.desktop");
    full.status = HistoryEntry::Status::failed;
    full.audioFile = QStringLiteral("X.m4a");
    full.error = QStringLiteral("offline");
    full.offline = true;
    full.latency = 0.8;
    history.add(full);
    history.add(entry(QStringLiteral("bare")));

    const QJsonObject bare =
        QJsonDocument::fromJson(dir.read(QStringLiteral("history.json"))).object()[QStringLiteral("entries")][0].toObject();
    for (const char* key : {"appName", "appBundleID", "audioFile", "error", "latency"})
        QVERIFY2(!bare.contains(QLatin1String(key)), key); // absent, not null
    QCOMPARE(bare.value(QStringLiteral("id")).toString(), bare.value(QStringLiteral("id")).toString().toUpper());

    const History loaded = History::load();
    QCOMPARE(loaded.entries.size(), 2);
    QCOMPARE(loaded.entries[0].text, QStringLiteral("bare"));
    // Dates come back in whole seconds; everything else unchanged.
    HistoryEntry expected = full;
    expected.date = QDateTime::fromSecsSinceEpoch(full.date.toSecsSinceEpoch(), Qt::UTC);
    QCOMPARE(loaded.entries[1], expected);
    QCOMPARE(loaded.entries[1].date.time().msec(), 0);
}

void TestHistory::readsEntriesLeniently_data()
{
    QTest::addColumn<QByteArray>("json");
    QTest::addColumn<QString>("status");
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("text");
    QTest::newRow("empty entry") << QByteArray("{}") << "done" << "mac" << "";
    QTest::newRow("nulls everywhere")
        << QByteArray(R"({"id": null, "date": null, "text": null, "source": null, "latency": null, "status": null})")
        << "done" << "mac" << "";
    QTest::newRow("unknown status") << QByteArray(R"({"status": "lost", "text": "a"})") << "done" << "mac" << "a";
    QTest::newRow("numeric status") << QByteArray(R"({"status": 2, "source": "phone"})") << "done" << "phone" << "";
    QTest::newRow("discarded") << QByteArray(R"({"status": "discarded"})") << "discarded" << "mac" << "";
}

void TestHistory::readsEntriesLeniently()
{
    QFETCH(QByteArray, json);
    QFETCH(QString, status);
    QFETCH(QString, source);
    QFETCH(QString, text);
    const auto history = History::decode(historyWith(json));
    QVERIFY(history);
    QCOMPARE(history->entries.size(), 1);
    QCOMPARE(rawValue(history->entries[0].status), status);
    QCOMPARE(history->entries[0].source, source);
    QCOMPARE(history->entries[0].text, text);
    QVERIFY(!history->entries[0].id.isNull());
    // Without an id, every load makes a new one.
    if (!json.contains("\"id\": \""))
        QVERIFY(History::decode(historyWith(json))->entries[0].id != history->entries[0].id);
}

void TestHistory::parsesDatesStrictly_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("ok");
    QTest::newRow("utc") << "2026-03-14T09:30:00Z" << true;
    QTest::newRow("offset") << "2026-03-14T11:30:00+02:00" << true;
    QTest::newRow("fraction") << "2026-03-14T09:30:00.5Z" << false;
    QTest::newRow("no zone") << "2026-03-14T09:30:00" << false;
    QTest::newRow("date only") << "2026-03-14" << false;
    QTest::newRow("bad day") << "2026-02-30T09:30:00Z" << false;
    QTest::newRow("space separator") << "2026-03-14 09:30:00Z" << false;
    QTest::newRow("hour 24") << "2026-03-14T24:00:00Z" << false;
}

void TestHistory::parsesDatesStrictly()
{
    QFETCH(QString, text);
    QFETCH(bool, ok);
    const auto parsed = IsoDate::parse(text);
    QCOMPARE(bool(parsed), ok);
    if (ok)
        QCOMPARE(IsoDate::format(*parsed), QStringLiteral("2026-03-14T09:30:00Z"));
    const auto history = History::decode(historyWith("{\"date\": \"" + text.toUtf8() + "\"}"));
    QCOMPARE(bool(history), ok);
}

void TestHistory::unreadableFileIsSetAside_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("garbage") << QByteArray("\x00\x01garbage", 9);
    QTest::newRow("truncated") << QByteArray(R"({"entries": [{"text": "a"}, {"te)");
    QTest::newRow("number as text") << historyWith(R"({"text": 5})");
    QTest::newRow("string duration") << historyWith(R"({"duration": "3"})");
    QTest::newRow("no entries key") << QByteArray(R"({"items": []})");
    QTest::newRow("bad id") << historyWith(R"({"id": "not-a-uuid"})");
}

void TestHistory::unreadableFileIsSetAside()
{
    QFETCH(QByteArray, bytes);
    TempDataDir dir;
    dir.write(QStringLiteral("history.json"), bytes);
    dir.write(QStringLiteral("notes.json"), "untouched");
    QVERIFY(History::load().entries.isEmpty());
    const QStringList aside = QDir(dir.path()).entryList({QStringLiteral("history.json.broken-*")});
    QCOMPARE(aside.size(), 1);
    QCOMPARE(dir.read(aside.first()), bytes);
    QVERIFY(!QFileInfo::exists(dir.filePath(QStringLiteral("history.json"))));
    QCOMPARE(dir.read(QStringLiteral("notes.json")), QByteArray("untouched"));
    Log::flush();
    QVERIFY(dir.read(QStringLiteral("kesto.log")).contains(QByteArray("could not read history.json; kept it as ").append(aside.first().toUtf8())));
}

void TestHistory::missingFileStartsEmpty()
{
    TempDataDir dir;
    QVERIFY(History::load().entries.isEmpty());
    Log::flush();
    QVERIFY(QDir(dir.path()).entryList(QDir::Files).isEmpty()); // no file, no log line
}

void TestHistory::capsAtOneThousand()
{
    TempDataDir dir;
    QTemporaryDir tmp;
    History history;
    HistoryEntry oldest = entry(QStringLiteral("oldest"));
    oldest.audioFile = History::keepAudio(makeRecording(tmp, QStringLiteral("a.wav"), "RIFF"), oldest.id);
    QVERIFY(oldest.audioFile);
    history.entries.append(oldest);
    for (int i = 0; i < History::capacity - 1; ++i)
        history.entries.prepend(entry(QString::number(i)));
    history.add(entry(QStringLiteral("newest")));
    QCOMPARE(history.entries.size(), History::capacity);
    QCOMPARE(history.entries.first().text, QStringLiteral("newest"));
    QCOMPARE(history.entries.last().text, QStringLiteral("0"));
    QVERIFY(!QFileInfo::exists(Config::audioDirectory() + QLatin1Char('/') + *oldest.audioFile));
    QCOMPARE(History::load().entries.size(), History::capacity);
}

void TestHistory::prunesByAge()
{
    TempDataDir dir;
    const QDateTime now = local(2026, 3, 14, 9, 30);
    History history;
    history.entries = {entry(QStringLiteral("exactly 7 days"), now.addDays(-7)),
                       entry(QStringLiteral("one second older"), now.addDays(-7).addSecs(-1)),
                       entry(QStringLiteral("recent"), now.addDays(-1))};

    for (qint64 days : {0, -3}) {
        history.prune(days, now);
        QCOMPARE(history.entries.size(), 3);
    }
    QVERIFY(!QFileInfo::exists(History::filePath())); // nothing written

    history.prune(7, now);
    QCOMPARE(history.entries.size(), 2);
    QCOMPARE(history.entries[0].text, QStringLiteral("exactly 7 days"));
    QCOMPARE(history.entries[1].text, QStringLiteral("recent"));
    QVERIFY(QFileInfo::exists(History::filePath()));

    QFile::remove(History::filePath());
    history.prune(7, now); // nothing old: nothing written
    QVERIFY(!QFileInfo::exists(History::filePath()));
}

void TestHistory::updateAndRemove()
{
    TempDataDir dir;
    QTemporaryDir tmp;
    History history;
    history.add(entry(QStringLiteral("one")));
    HistoryEntry changed = history.entries[0];
    changed.text = QStringLiteral("edited");
    history.update(changed);
    QCOMPARE(History::load().entries[0].text, QStringLiteral("edited"));

    QFile::remove(History::filePath());
    history.update(entry(QStringLiteral("stranger")));
    QVERIFY(!QFileInfo::exists(History::filePath()));

    // Removing an unknown entry still deletes its named recording and saves.
    HistoryEntry stranger = entry(QStringLiteral("stranger"));
    stranger.audioFile = History::keepAudio(makeRecording(tmp, QStringLiteral("s.wav"), "x"), stranger.id);
    history.remove(stranger);
    QVERIFY(!QFileInfo::exists(Config::audioDirectory() + QLatin1Char('/') + *stranger.audioFile));
    QVERIFY(QFileInfo::exists(History::filePath()));
    QCOMPARE(history.entries.size(), 1);

    history.remove(history.entries[0]);
    QVERIFY(History::load().entries.isEmpty());
}

void TestHistory::keepsAndDeletesAudio()
{
    TempDataDir dir;
    QTemporaryDir tmp;
    const QUuid id = QUuid::createUuid();
    const QString first = makeRecording(tmp, QStringLiteral("first.m4a"), "first");
    const auto name = History::keepAudio(first, id);
    QCOMPARE(name, std::optional<QString>(id.toString(QUuid::WithoutBraces).toUpper() + QStringLiteral(".m4a")));
    QVERIFY(!QFileInfo::exists(first));

    const QString second = makeRecording(tmp, QStringLiteral("second.m4a"), "second");
    QCOMPARE(History::keepAudio(second, id), name);
    QCOMPARE(dir.read(QStringLiteral("audio/") + *name), QByteArray("second"));
    QVERIFY(!QFileInfo::exists(second));

    QVERIFY(!History::keepAudio(tmp.filePath(QStringLiteral("missing.wav")), id));
    Log::flush();
    QVERIFY(dir.read(QStringLiteral("kesto.log")).contains("could not keep the audio: "));

    HistoryEntry e;
    e.audioFile = name;
    History history;
    history.entries = {e};
    history.clear();
    QVERIFY(!QFileInfo::exists(dir.filePath(QStringLiteral("audio/")) + *name));
    History::deleteAudio(e); // already gone: no harm
}

void TestHistory::nonFiniteNumbersNeverBlockSaving()
{
    TempDataDir dir;
    History history;
    HistoryEntry bad = entry(QStringLiteral("nan"));
    bad.duration = std::nan("");
    bad.latency = INFINITY;
    history.add(bad);
    history.add(entry(QStringLiteral("later")));
    const History loaded = History::load();
    QCOMPARE(loaded.entries.size(), 2);
    QCOMPARE(loaded.entries[1].duration, 0.0);
    QVERIFY(!loaded.entries[1].latency);
}

void TestHistory::countsWords_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("words");
    QTest::newRow("empty") << QString() << 0;
    QTest::newRow("blank") << QStringLiteral("  \n \r\n\t ") << 0;
    QTest::newRow("two words, mixed breaks") << QStringLiteral("  Salom\n\n\tdunyo  ") << 2;
    QTest::newRow("unicode separators") << QStringLiteral(u"a\u2028b\u0085c\u00A0d") << 4;
    QTest::newRow("punctuation is part of a word") << QStringLiteral("hello, world!") << 2;
}

void TestHistory::countsWords()
{
    QFETCH(QString, text);
    QFETCH(int, words);
    QCOMPARE(History::wordCount(text), words);
}

void TestHistory::statsCountDoneEntries()
{
    // Wednesday 18 March 2026; weeks start on Monday the 16th.
    const QDateTime now = local(2026, 3, 18, 15, 0);
    History history;
    history.entries = {entry(QStringLiteral("one two"), local(2026, 3, 18, 9)),
                       entry(QStringLiteral("failed words"), local(2026, 3, 18, 8), HistoryEntry::Status::failed),
                       entry(QStringLiteral("thrown away"), local(2026, 3, 18, 7), HistoryEntry::Status::discarded),
                       entry(QStringLiteral("three words here"), local(2026, 3, 17, 9)),
                       entry(QStringLiteral("last week"), local(2026, 3, 15, 23, 59))};
    QCOMPARE(history.stats(now, Qt::Monday), (History::Stats{2, 5}));
    QCOMPARE(history.stats(now, Qt::Sunday), (History::Stats{2, 7}));
}

void TestHistory::groupsConsecutiveDays()
{
    const QList<HistoryEntry> entries = {entry(QStringLiteral("a"), local(2026, 3, 16, 10)),
                                         entry(QStringLiteral("b"), local(2026, 3, 16, 9)),
                                         entry(QStringLiteral("c"), local(2026, 3, 15, 9)),
                                         entry(QStringLiteral("d"), local(2026, 3, 16, 8))};
    const auto groups = History::groups(entries);
    QCOMPARE(groups.size(), 3);
    QCOMPARE(groups[0].day, QDate(2026, 3, 16));
    QCOMPARE(groups[0].entries.size(), 2);
    QCOMPARE(groups[1].day, QDate(2026, 3, 15));
    QCOMPARE(groups[2].entries.first().text, QStringLiteral("d"));
}

QTEST_GUILESS_MAIN(TestHistory)
#include "TestHistory.moc"
