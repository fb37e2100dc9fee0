#include "TempDataDir.h"

#include "core/AppState.h"
#include "core/DataActions.h"
#include "core/Log.h"
#include "core/LoginItem.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <cerrno>

#include <zip.h>

// The data actions against a temporary data folder: what the archive holds
// (read back with libzip), that a failed export keeps the old archive, what
// the wipe clears, keeps and reports; and the autostart entry.
class TestDataActions final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void exportedArchiveHoldsTheData_data();
    void exportedArchiveHoldsTheData();
    void failedExportKeepsTheOldArchive();
    void exportIntoAMissingFolderSaysWhy();
    void wipeClearsDataAndKeepsSettings();
    void wipeAfterTwoRunsLeavesNoTranscript();
    void wipeReportsWhatItCouldNotDelete_data();
    void wipeReportsWhatItCouldNotDelete();
    void loginItemWritesAndRemovesTheEntry();
    void loginItemReportsAFolderItCannotWrite();
};

namespace {

// Name -> content of every file in a ZIP archive; folders map to "/".
QMap<QString, QByteArray> readZip(const QString& path)
{
    QMap<QString, QByteArray> files;
    int error = 0;
    zip_t* archive = zip_open(QFile::encodeName(path).constData(), ZIP_RDONLY, &error);
    if (!archive)
        return files;
    const zip_int64_t count = zip_get_num_entries(archive, 0);
    for (zip_int64_t i = 0; i < count; ++i) {
        zip_stat_t stat;
        zip_stat_index(archive, zip_uint64_t(i), 0, &stat);
        const QString name = QString::fromUtf8(stat.name);
        QByteArray bytes(qsizetype(stat.size), Qt::Uninitialized);
        if (zip_file_t* file = zip_fopen_index(archive, zip_uint64_t(i), 0)) {
            zip_fread(file, bytes.data(), stat.size);
            zip_fclose(file);
        }
        files.insert(name, name.endsWith(u'/') ? QByteArray("/") : bytes);
    }
    zip_close(archive);
    return files;
}

QJsonObject json(const QByteArray& bytes)
{
    return QJsonDocument::fromJson(bytes).object();
}

HistoryEntry entryWithAudio(const QString& text, const QString& audio)
{
    HistoryEntry entry;
    entry.text = text;
    entry.audioFile = audio;
    return entry;
}

QStringList folderNames(const NotesStore& notes)
{
    QStringList names;
    for (const NoteFolder& folder : notes.folders)
        names << folder.name;
    return names;
}

// chattr +i: a file even root cannot delete. Only where the file system has it.
bool makeImmutable(const QString& path, bool on)
{
    return QProcess::execute(QStringLiteral("chattr"), {on ? QStringLiteral("+i") : QStringLiteral("-i"), path}) == 0;
}

} // namespace

void TestDataActions::exportedArchiveHoldsTheData_data()
{
    QTest::addColumn<bool>("withData");
    QTest::addColumn<bool>("historyUnwritable");
    QTest::newRow("fresh install") << false << false;
    QTest::newRow("history, notes and words") << true << false;
    // The export takes what the app holds, not the files.
    QTest::newRow("history file cannot be written") << true << true;
}

void TestDataActions::exportedArchiveHoldsTheData()
{
    QFETCH(bool, withData);
    QFETCH(bool, historyUnwritable);
    TempDataDir data;
    AppState state;
    if (historyUnwritable) {
        // A folder where the History file should be: saving and reading it fail.
        QVERIFY(QDir(data.path()).mkpath(QStringLiteral("history.json/inner")));
    }
    if (withData) {
        state.updateHistory([](History& history) { history.add(entryWithAudio(QStringLiteral("hello"), {})); });
        state.updateConfig([](Config& config) {
            config.vocabulary.append({QUuid::createUuid(), QStringLiteral("Kesto"), QStringLiteral("uz-UZ")});
            config.snippets.append({QUuid::createUuid(), QStringLiteral("sign"), QStringLiteral("Best wishes")});
        });
    }
    data.write(QStringLiteral("kesto.log"), "a log line\n");
    data.write(QStringLiteral("config.json"), state.config().encode());

    QTemporaryDir out;
    const QString path = out.filePath(DataActions::exportFileName(QDate(2026, 3, 9)));
    QCOMPARE(QFileInfo(path).fileName(), QStringLiteral("kesto-voice-2026-03-09.zip"));
    QCOMPARE(DataActions::exportAll(state, path), std::nullopt);

    const QMap<QString, QByteArray> files = readZip(path);
    QCOMPARE(files.keys(), (QStringList{QStringLiteral("kesto-voice/"), QStringLiteral("kesto-voice/history.json"),
                                        QStringLiteral("kesto-voice/notes.json"), QStringLiteral("kesto-voice/vocabulary.json")}));
    QCOMPARE(History::decode(files.value(QStringLiteral("kesto-voice/history.json")))->entries.size(), withData ? 1 : 0);
    QCOMPARE(NotesStore::decode(files.value(QStringLiteral("kesto-voice/notes.json")))->folders, state.notes().folders);
    const QByteArray vocabulary = files.value(QStringLiteral("kesto-voice/vocabulary.json"));
    QVERIFY(vocabulary.indexOf("\"snippets\"") < vocabulary.indexOf("\"vocabulary\""));
    const QJsonObject words = json(vocabulary);
    QCOMPARE(words.value(QStringLiteral("vocabulary")).toArray().size(), withData ? 1 : 0);
    QCOMPARE(words.value(QStringLiteral("snippets")).toArray().size(), withData ? 1 : 0);
    // Nothing is left beside the archive.
    QCOMPARE(QDir(out.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QFileInfo(path).fileName()});
}

void TestDataActions::failedExportKeepsTheOldArchive()
{
    TempDataDir data;
    AppState state;
    QTemporaryDir out;
    const QString path = out.filePath(QStringLiteral("backup.zip"));
    QFile old(path);
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("the previous archive");
    old.close();
    // Writes half an archive, then fails, as a full disk would.
    const DataActions::Archiver archiver = [](const QString& partial, const QList<ZipArchive::Entry>&, QString* error) {
        QFile file(partial);
        file.open(QIODevice::WriteOnly);
        file.write("PK\x03\x04 half");
        *error = QStringLiteral("No space left on device");
        errno = ENOSPC;
        return false;
    };
    const std::optional<QString> error = DataActions::exportAll(state, path, archiver);
    QVERIFY(error);
    // Said in the interface's words, the system's text only as a detail;
    // the log keeps the system's text.
    QCOMPARE(*error, QStringLiteral("The disk is full. (No space left on device)"));
    const QString logged = QStringLiteral("No space left on device");

    QVERIFY(old.open(QIODevice::ReadOnly));
    QCOMPARE(old.readAll(), QByteArray("the previous archive"));
    QCOMPARE(QDir(out.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("backup.zip")});
    Log::flush();
    QVERIFY(data.read(QStringLiteral("kesto.log")).contains(QByteArray(QByteArray("export failed: ") + logged.toUtf8())));
}

void TestDataActions::exportIntoAMissingFolderSaysWhy()
{
    TempDataDir data;
    AppState state;
    QTemporaryDir out;
    const QString path = out.filePath(QStringLiteral("gone/backup.zip"));
    const std::optional<QString> error = DataActions::exportAll(state, path);
    QVERIFY(error);
    QVERIFY2(error->startsWith(QStringLiteral("The folder does not exist any more. (")), qPrintable(*error));
    QVERIFY2(error->contains(QStringLiteral("No such file or directory")), qPrintable(*error));
}

void TestDataActions::wipeClearsDataAndKeepsSettings()
{
    TempDataDir data;
    AppState state;
    QVERIFY(QDir(data.path()).mkpath(QStringLiteral("audio")));
    data.write(QStringLiteral("audio/one.m4a"), "audio");
    data.write(QStringLiteral("audio/stray.wav"), "audio");
    data.write(QStringLiteral("history.json.broken-20260101-120000"), "old transcripts");
    data.write(QStringLiteral("notes.json.broken-20260101-120000"), "old notes");
    data.write(QStringLiteral("kesto.log"), "log\n");
    state.updateHistory([](History& history) { history.add(entryWithAudio(QStringLiteral("kept"), QStringLiteral("one.m4a"))); });
    state.updateNotes([](NotesStore& notes) {
        notes.folders.append({QUuid::createUuid(), QStringLiteral("Work")});
        notes.draft(notes.folders.last().id);
    });
    state.updateConfig([](Config& config) {
        config.apiKey = QStringLiteral("my-key");
        config.hotkey = HotkeyKind::rightCommand;
        config.vocabulary.append({QUuid::createUuid(), QStringLiteral("Kesto"), {}});
        config.snippets.append({QUuid::createUuid(), QStringLiteral("sign"), QStringLiteral("Regards")});
    });

    QCOMPARE(DataActions::wipe(state), QStringList());

    QVERIFY(state.history().entries.isEmpty());
    QCOMPARE(History::load().entries.size(), 0);
    QVERIFY(!QFileInfo::exists(data.filePath(QStringLiteral("audio"))));
    QCOMPARE(folderNames(state.notes()), folderNames(NotesStore::starter()));
    QVERIFY(state.notes().notes.isEmpty());
    QCOMPARE(NotesStore::load().folders.size(), 2);
    QVERIFY(state.config().vocabulary.isEmpty());
    QVERIFY(state.config().snippets.isEmpty());
    QCOMPARE(state.config().apiKey, QStringLiteral("my-key"));
    QCOMPARE(state.config().hotkey, HotkeyKind::rightCommand);
    QCOMPARE(QDir(data.path()).entryList({QStringLiteral("*.broken-*")}, QDir::Files), QStringList());
    Log::flush();
    QVERIFY(!data.read(QStringLiteral("kesto.log")).contains("log\n"));
}

// Every file under a folder, recursively, that holds needle.
QStringList filesHolding(const QString& folder, const QByteArray& needle)
{
    QStringList found;
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile file(it.next());
        if (file.open(QIODevice::ReadOnly) && file.readAll().contains(needle))
            found << file.fileName();
    }
    return found;
}

void TestDataActions::wipeAfterTwoRunsLeavesNoTranscript()
{
    TempDataDir data;
    const QByteArray said = "Meet me at 12 Navoi Street " + QUuid::createUuid().toByteArray(QUuid::WithoutBraces);
    auto run = [&](const QString& text) {
        // What a start and a dictation leave behind.
        Log::reset();
        Log::write(QStringLiteral("launched, bundle=kesto-viruz"));
        Log::write(QStringLiteral("transcript: ") + text);
        AppState state;
        HistoryEntry entry;
        entry.text = text;
        state.updateHistory([&entry](History& history) { history.add(entry); });
        state.updateNotes([&text](NotesStore& notes) {
            Note note = notes.draft(notes.folders.first().id);
            note.body = text;
            notes.update(note);
        });
        state.updateConfig([&text](Config& config) {
            config.snippets = {Snippet{QUuid::createUuid(), QStringLiteral("address"), text}};
        });
        QVERIFY(state.config().save());
        Log::flush();
    };
    run(QString::fromUtf8(said) + QStringLiteral(" first"));
    QVERIFY(QFileInfo::exists(data.filePath(QStringLiteral("kesto.log"))));
    run(QString::fromUtf8(said) + QStringLiteral(" second"));
    QVERIFY2(QFileInfo::exists(data.filePath(QStringLiteral("kesto.previous.log"))), "the first run's log is kept");
    // A recording still waiting for its transcript.
    QVERIFY(QDir().mkpath(Config::recordingsDirectory()));
    QFile waiting(QDir(Config::recordingsDirectory()).filePath(QStringLiteral("kesto-0F8FAD5B-D9CB-469F-A165-70867728950E.wav")));
    QVERIFY(waiting.open(QIODevice::WriteOnly));
    waiting.write("RIFF" + said);
    waiting.close();
    QVERIFY(!filesHolding(data.path(), said).isEmpty());

    AppState state;
    QCOMPARE(DataActions::wipe(state), QStringList());
    QVERIFY(state.config().save());
    Log::write(QStringLiteral("after the wipe"));
    Log::flush();

    QCOMPARE(filesHolding(data.path(), said), QStringList());
    QCOMPARE(filesHolding(Config::recordingsDirectory(), said), QStringList());
    for (const QFileInfo& file : QDir(QDir::tempPath()).entryInfoList({QStringLiteral("kesto*")}, QDir::Files)) {
        QFile temporary(file.absoluteFilePath());
        QVERIFY2(!temporary.open(QIODevice::ReadOnly) || !temporary.readAll().contains(said), qPrintable(file.fileName()));
    }
    QVERIFY(!QFileInfo::exists(data.filePath(QStringLiteral("kesto.previous.log"))));
}

void TestDataActions::wipeReportsWhatItCouldNotDelete_data()
{
    QTest::addColumn<QString>("blocker");
    QTest::addColumn<QStringList>("reported");
    QTest::newRow("history cannot be saved") << QStringLiteral("history.json") << QStringList{QStringLiteral("history.json")};
    QTest::newRow("a recording cannot be deleted") << QStringLiteral("audio/one.m4a")
                                                   << QStringList{QStringLiteral("audio/one.m4a")};
}

void TestDataActions::wipeReportsWhatItCouldNotDelete()
{
    QFETCH(QString, blocker);
    QFETCH(QStringList, reported);
    TempDataDir data;
    AppState state;
    state.updateHistory([](History& history) { history.add(entryWithAudio(QStringLiteral("kept"), QStringLiteral("one.m4a"))); });
    QVERIFY(QDir(data.path()).mkpath(QStringLiteral("audio")));
    bool immutable = false;
    if (blocker == QStringLiteral("history.json")) {
        QFile::remove(data.filePath(blocker));
        QVERIFY(QDir(data.path()).mkpath(QStringLiteral("history.json/inner")));
    } else {
        data.write(blocker, "audio");
        immutable = makeImmutable(data.filePath(blocker), true);
        if (!immutable)
            QSKIP("this file system cannot make a file undeletable");
    }

    const QStringList left = DataActions::wipe(state);
    if (immutable)
        makeImmutable(data.filePath(blocker), false);
    QCOMPARE(left, reported);
    // Everything else went all the same.
    QCOMPARE(folderNames(state.notes()), folderNames(NotesStore::starter()));
    Log::flush();
    QVERIFY(data.read(QStringLiteral("kesto.log")).contains(QString(QStringLiteral("wipe left: ") + reported.join(QStringLiteral(", "))).toUtf8()));
}

void TestDataActions::loginItemWritesAndRemovesTheEntry()
{
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
    const QString entry = config.filePath(QStringLiteral("autostart/kesto-viruz.desktop"));
    QCOMPARE(LoginItem::entryPath(), entry);
    QVERIFY(!LoginItem::isEnabled());

    QVERIFY(LoginItem::set(true));
    QFile file(entry);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(file.readAll());
    file.close();
    QVERIFY(text.startsWith(QStringLiteral("[Desktop Entry]\n")));
    QVERIFY(text.contains(QStringLiteral("Exec=\"") + QCoreApplication::applicationFilePath() + QStringLiteral("\"\n")));
    QVERIFY(AppState().launchAtLogin());

    QVERIFY(!LoginItem::set(false));
    QVERIFY(!QFileInfo::exists(entry));
    // Turning off what is already off is no failure.
    QVERIFY(!LoginItem::set(false));
    qunsetenv("XDG_CONFIG_HOME");
}

void TestDataActions::loginItemReportsAFolderItCannotWrite()
{
    TempDataDir data;
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
    // A file where the autostart folder should be.
    QFile blocker(config.filePath(QStringLiteral("autostart")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();

    QVERIFY(!LoginItem::set(true));
    Log::flush();
    QVERIFY(data.read(QStringLiteral("kesto.log")).contains("login item register failed: "));
    qunsetenv("XDG_CONFIG_HOME");
}

QTEST_GUILESS_MAIN(TestDataActions)
#include "TestDataActions.moc"
