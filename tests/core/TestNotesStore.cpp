#include "core/Log.h"
#include "core/NotesStore.h"
#include "core/StoreFile.h"

#include "TempDataDir.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtTest>

namespace {

Note noteIn(const NoteFolder& folder, const QString& title, const QString& body = QString(),
            const QDateTime& updated = QDateTime::currentDateTimeUtc())
{
    Note n;
    n.folderID = folder.id;
    n.title = title;
    n.body = body;
    n.updated = updated;
    return n;
}

QStringList titles(const QList<Note>& notes)
{
    QStringList out;
    for (const Note& n : notes)
        out.append(n.title);
    return out;
}

} // namespace

class TestNotesStore final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        StoreFile::releaseAll();
        m_dir = std::make_unique<TempDataDir>();
        m_store = NotesStore::starter();
    }
    void cleanup() { m_dir.reset(); }

    void starterIsNotWritten();
    void roundTripsThroughTheFile();
    void strictFileIsSetAside_data();
    void strictFileIsSetAside();
    void appendsAfterTrailingBlanks_data();
    void appendsAfterTrailingBlanks();
    void draftsAtMostOneBlankNote();
    void searchesAndSorts();
    void numbersAndRecentTitles();
    void filesDictatedNotes();
    void renamesAndDeletes();
    void snippetIsFirstNonEmptyLine();

private:
    const NoteFolder& personal() const { return m_store.folders[0]; }
    const NoteFolder& ideas() const { return m_store.folders[1]; }

    std::unique_ptr<TempDataDir> m_dir;
    NotesStore m_store;
};

void TestNotesStore::starterIsNotWritten()
{
    const NotesStore loaded = NotesStore::load();
    QCOMPARE(loaded.folders.size(), 2);
    QCOMPARE(loaded.folders[0].name, QStringLiteral("Personal"));
    QCOMPARE(loaded.folders[1].name, QStringLiteral("Ideas"));
    QVERIFY(loaded.notes.isEmpty());
    QVERIFY(!QFileInfo::exists(NotesStore::filePath()));
}

void TestNotesStore::roundTripsThroughTheFile()
{
    Note filed = noteIn(personal(), QStringLiteral("Meeting 3"), QStringLiteral("agenda"));
    filed.kind = QStringLiteral("meeting");
    filed.number = 3;
    filed.updated = QDateTime::currentDateTimeUtc().addMSecs(-250);
    m_store.notes = {filed, noteIn(ideas(), QStringLiteral("plain"))};
    QVERIFY(m_store.save());

    const QJsonArray notes = QJsonDocument::fromJson(m_dir->read(QStringLiteral("notes.json"))).object()[QStringLiteral("notes")].toArray();
    QVERIFY(!notes[1].toObject().contains(QStringLiteral("kind")));
    QVERIFY(!notes[1].toObject().contains(QStringLiteral("number")));

    const NotesStore loaded = NotesStore::load();
    QCOMPARE(loaded.folders, m_store.folders);
    QCOMPARE(loaded.notes.size(), 2);
    QCOMPARE(loaded.notes[0].kind, filed.kind);
    QCOMPARE(loaded.notes[0].number, filed.number);
    QCOMPARE(loaded.notes[0].updated.time().msec(), 0);
    QCOMPARE(loaded.notes[0].updated.toSecsSinceEpoch(), filed.updated.toSecsSinceEpoch());
    QVERIFY(!loaded.notes[1].kind);
}

void TestNotesStore::strictFileIsSetAside_data()
{
    QTest::addColumn<QByteArray>("bytes");
    const QByteArray id = R"("id": "6F9619FF-8B86-D011-B42D-00C04FC964FF")";
    const QByteArray folder = R"("folderID": "6F9619FF-8B86-D011-B42D-00C04FC964FF")";
    const QByteArray dates = R"("created": "2026-03-14T09:30:00Z", "updated": "2026-03-14T09:30:00Z")";
    QTest::newRow("note without title") << R"({"folders": [], "notes": [{)" + id + ", " + folder + R"(, "body": "", )" + dates + "}]}";
    QTest::newRow("no folders key") << QByteArray(R"({"notes": []})");
    QTest::newRow("folder without name") << "{\"folders\": [{" + id + "}], \"notes\": []}";
    QTest::newRow("fractional date") << R"({"folders": [], "notes": [{)" + id + ", " + folder
                                            + R"(, "title": "", "body": "", "created": "2026-03-14T09:30:00.1Z", "updated": "2026-03-14T09:30:00Z"}]})";
    QTest::newRow("not json") << QByteArray("<notes/>");
}

void TestNotesStore::strictFileIsSetAside()
{
    QFETCH(QByteArray, bytes);
    m_dir->write(QStringLiteral("notes.json"), bytes);
    m_dir->write(QStringLiteral("config.json"), "{}");
    const NotesStore loaded = NotesStore::load();
    QCOMPARE(loaded.folders.size(), 2);
    QVERIFY(loaded.notes.isEmpty());
    const QStringList aside = QDir(m_dir->path()).entryList({QStringLiteral("notes.json.broken-*")});
    QCOMPARE(aside.size(), 1);
    QCOMPARE(m_dir->read(aside.first()), bytes);
    QCOMPARE(m_dir->read(QStringLiteral("config.json")), QByteArray("{}"));
    Log::flush();
    QVERIFY(m_dir->read(QStringLiteral("kesto.log")).contains("could not read notes.json; kept it as"));
}

void TestNotesStore::appendsAfterTrailingBlanks_data()
{
    QTest::addColumn<QString>("body");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected");
    QTest::newRow("space and two line feeds") << QStringLiteral("Buy milk \n\n") << QStringLiteral("eggs")
                                              << QStringLiteral("Buy milk\neggs");
    QTest::newRow("only spaces") << QStringLiteral("   ") << QStringLiteral("word") << QStringLiteral("word");
    QTest::newRow("text keeps its spaces") << QString() << QStringLiteral("  indented") << QStringLiteral("  indented");
    QTest::newRow("unicode separators") << QStringLiteral(u"a\u2029\u00A0\t") << QStringLiteral("b")
                                        << QStringLiteral("a\nb");
}

void TestNotesStore::appendsAfterTrailingBlanks()
{
    QFETCH(QString, body);
    QFETCH(QString, text);
    QFETCH(QString, expected);
    Note n = noteIn(personal(), QStringLiteral("t"), body, QDateTime::currentDateTimeUtc().addDays(-1));
    m_store.notes = {n};
    QVERIFY(m_store.append(text, n.id));
    QCOMPARE(m_store.notes[0].body, expected);
    QVERIFY(m_store.notes[0].updated > n.updated);
    QCOMPARE(NotesStore::load().notes[0].body, expected);

    QFile::remove(NotesStore::filePath());
    QVERIFY(!m_store.append(text, QUuid::createUuid()));
    QVERIFY(!QFileInfo::exists(NotesStore::filePath()));
}

void TestNotesStore::draftsAtMostOneBlankNote()
{
    const Note first = m_store.draft(personal().id);
    const Note again = m_store.draft(personal().id);
    QCOMPARE(again.id, first.id);
    QCOMPARE(m_store.notes.size(), 1);

    // A blank note (title of spaces) elsewhere moves, keeping its dates.
    m_store.notes[0].title = QStringLiteral("  ");
    const QDateTime updated = m_store.notes[0].updated;
    const Note moved = m_store.draft(ideas().id);
    QCOMPARE(moved.id, first.id);
    QCOMPARE(moved.folderID, ideas().id);
    QCOMPARE(moved.updated, updated);
    QCOMPARE(NotesStore::load().notes[0].folderID, ideas().id);

    m_store.notes[0].body = QStringLiteral("now written");
    QVERIFY(m_store.draft(ideas().id).id != first.id);
    QCOMPARE(m_store.notes.size(), 2);

    m_store.removeEmpty({});
    QCOMPARE(m_store.notes.size(), 1);
    const Note spared = m_store.draft(personal().id);
    m_store.removeEmpty({spared.id});
    QCOMPARE(m_store.notes.size(), 2);
}

void TestNotesStore::searchesAndSorts()
{
    const QDateTime t = QDateTime::currentDateTimeUtc();
    m_store.notes = {noteIn(personal(), QStringLiteral("Shopping"), QStringLiteral("milk"), t.addSecs(-60)),
                     noteIn(personal(), QStringLiteral("Same time A"), QStringLiteral("x"), t),
                     noteIn(personal(), QStringLiteral("Same time B"), QStringLiteral("MILK bread"), t),
                     noteIn(ideas(), QStringLiteral("Idea"), QStringLiteral("milky way"), t.addSecs(60))};
    QCOMPARE(titles(m_store.search(personal().id, QStringLiteral("  Milk\t"))),
             QStringList({QStringLiteral("Same time B"), QStringLiteral("Shopping")}));
    QCOMPARE(titles(m_store.search(personal().id, QStringLiteral("   "))),
             QStringList({QStringLiteral("Same time A"), QStringLiteral("Same time B"), QStringLiteral("Shopping")}));
    QCOMPARE(m_store.search(std::nullopt, QStringLiteral("milk")).size(), 3);
    QCOMPARE(m_store.search(std::nullopt, QStringLiteral("g milk")).size(), 1); // title, space, body
    QCOMPARE(m_store.count(personal().id), 3);
}

void TestNotesStore::numbersAndRecentTitles()
{
    QCOMPARE(m_store.nextNumber(QStringLiteral("meeting")), 1);
    const QDateTime t = QDateTime::currentDateTimeUtc();
    for (qint64 n : {1, 2, 4}) {
        Note meeting = noteIn(ideas(), QStringLiteral("Meeting %1").arg(n), QString(), t.addSecs(-n));
        meeting.kind = QStringLiteral("meeting");
        meeting.number = n;
        m_store.notes.append(meeting);
    }
    Note task = noteIn(personal(), QStringLiteral("Tasks"), QString(), t.addSecs(-10));
    task.kind = QStringLiteral("tasks");
    task.number = 9;
    m_store.notes.append(task);
    m_store.notes.prepend(noteIn(personal(), QStringLiteral("   "), QStringLiteral("untitled"), t.addSecs(10)));
    QCOMPARE(m_store.nextNumber(QStringLiteral("meeting")), 5);

    m_store.deleteFolder(personal().id);
    QCOMPARE(m_store.notes.size(), 3);
    m_store.notes.append(task); // its folder is gone now
    const auto recent = m_store.recentTitles(10);
    QCOMPARE(recent.size(), 4);
    QCOMPARE(recent[0], (NotesStore::RecentTitle{QStringLiteral("Meeting 1"), QStringLiteral("Ideas")}));
    QCOMPARE(recent[3], (NotesStore::RecentTitle{QStringLiteral("Tasks"), QString()}));
    QCOMPARE(m_store.recentTitles(2).size(), 2);
}

void TestNotesStore::filesDictatedNotes()
{
    Note untitled = noteIn(personal(), QStringLiteral("  "), QStringLiteral("we met"));
    Note titled = noteIn(personal(), QStringLiteral("Mine"), QStringLiteral("text"), QDateTime::currentDateTimeUtc().addDays(-1));
    m_store.notes = {untitled, titled};

    auto folder = m_store.file(untitled.id, QStringLiteral("Meeting 3"), QStringLiteral("meeting"), 3,
                               QStringLiteral(" IDEAS "));
    QCOMPARE(folder, std::optional<NoteFolder>(ideas()));
    QCOMPARE(m_store.notes[0].title, QStringLiteral("Meeting 3"));
    QCOMPARE(m_store.notes[0].number, std::optional<qint64>(3));

    folder = m_store.file(titled.id, QStringLiteral("Model title"), QStringLiteral("idea"), std::nullopt,
                          QStringLiteral("Work"));
    QVERIFY(folder);
    QCOMPARE(folder->name, QStringLiteral("Work"));
    QCOMPARE(m_store.folders.last().name, QStringLiteral("Work"));
    QCOMPARE(m_store.notes[1].title, QStringLiteral("Mine"));
    QVERIFY(!m_store.notes[1].kind);
    QVERIFY(m_store.notes[1].updated > titled.updated);
    QCOMPARE(NotesStore::load().folders.size(), 3);

    QVERIFY(!m_store.file(QUuid::createUuid(), QStringLiteral("x"), std::nullopt, std::nullopt, std::nullopt));
    // A note whose folder is gone has none to report.
    m_store.notes[0].folderID = QUuid::createUuid();
    QVERIFY(!m_store.file(m_store.notes[0].id, std::nullopt, std::nullopt, std::nullopt, QString()));
}

void TestNotesStore::renamesAndDeletes()
{
    m_store.renameFolder(personal().id, QStringLiteral("   "));
    QCOMPARE(personal().name, QStringLiteral("Personal"));
    m_store.renameFolder(personal().id, QStringLiteral("  Home \n"));
    QCOMPARE(personal().name, QStringLiteral("Home"));

    m_store.notes = {noteIn(ideas(), QStringLiteral("a")), noteIn(personal(), QStringLiteral("b")),
                     noteIn(ideas(), QStringLiteral("c")), noteIn(personal(), QStringLiteral("d"))};
    m_store.deleteFolder(personal().id);
    QCOMPARE(titles(m_store.notes), QStringList({QStringLiteral("a"), QStringLiteral("c")}));
    QCOMPARE(m_store.folders.size(), 1);
    m_store.deleteNote(m_store.notes[0].id);
    QCOMPARE(titles(NotesStore::load().notes), QStringList{QStringLiteral("c")});
}

void TestNotesStore::snippetIsFirstNonEmptyLine()
{
    Note n;
    n.body = QStringLiteral("\n\n  first line\nsecond");
    QCOMPARE(n.snippet(), QStringLiteral("  first line"));
    n.body = QStringLiteral("\n\n");
    QCOMPARE(n.snippet(), QString());
}

QTEST_GUILESS_MAIN(TestNotesStore)
#include "TestNotesStore.moc"
