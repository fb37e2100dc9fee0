#include "FakeAudioBackend.h"
#include "FakeClock.h"
#include "FakeKeySource.h"
#include "SmallDisk.h"
#include "TempDataDir.h"

#include "core/DataActions.h"
#include "core/StoreFile.h"
#include "shell/AppDelegate.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

// The data folder on a file system with no space left: every store, the
// settings saved at quit, a kept recording and the exports either land whole
// or leave the file before them byte for byte, and the user is told.
class TestFullDisk final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void storesKeepTheirFilesAndSayWhy();
    void keptRecordingArrivesWholeOrStaysWhereItWas();
    void exportsFailWithoutTouchingTheOldFile();

private:
    AppDelegate& start();
    // The store files as they are now.
    QMap<QString, QByteArray> snapshot() const;

    std::unique_ptr<SmallDisk> m_disk;
    std::unique_ptr<TempDataDir> m_data;
    FakeClock m_clock;
    FakeAudioBackend m_audio;
    std::unique_ptr<AppDelegate> m_app;
};

void TestFullDisk::init()
{
    m_disk = std::make_unique<SmallDisk>();
    QVERIFY2(!m_disk->path().isEmpty(), qPrintable(m_disk->why()));
    StoreFile::releaseAll();
    m_data = std::make_unique<TempDataDir>(m_disk->path());
}

void TestFullDisk::cleanup()
{
    m_app.reset();
    m_data.reset();
    m_disk.reset();
}

AppDelegate& TestFullDisk::start()
{
    AppDelegate::Host host;
    host.clock = &m_clock;
    host.audio = &m_audio;
    host.keySource = [] { return std::make_unique<FakeKeySource>(); };
    host.accessibility = [] { return Permissions::Check{true, {}}; };
    host.microphone = [] { return Permissions::Check{true, {}}; };
    host.windows = WindowFactory::plain();
    m_app = std::make_unique<AppDelegate>(host);
    m_app->start();
    AppState& state = m_app->state();
    state.updateConfig([](Config& c) {
        c.onboardingDone = true;
        c.apiKey = QStringLiteral("the-users-key");
        for (int i = 0; i < 40; ++i)
            c.vocabulary.append(VocabularyWord{QUuid::createUuid(), QStringLiteral("word%1").arg(i), QString()});
    });
    m_clock.advance(AppDelegate::saveDelayMs);
    HistoryEntry entry;
    entry.text = QStringLiteral("The first dictation.");
    state.updateHistory([&entry](History& h) { h.add(entry); });
    state.updateNotes([](NotesStore& n) {
        Note note = n.draft(n.folders.first().id);
        note.body = QStringLiteral("A note written before the disk filled up.");
        n.update(note);
    });
    return *m_app;
}

QMap<QString, QByteArray> TestFullDisk::snapshot() const
{
    QMap<QString, QByteArray> files;
    for (const QString& name : {QStringLiteral("config.json"), QStringLiteral("history.json"), QStringLiteral("notes.json")})
        files.insert(name, m_data->read(name));
    return files;
}

void TestFullDisk::storesKeepTheirFilesAndSayWhy()
{
    AppState& state = start().state();
    const QMap<QString, QByteArray> before = snapshot();
    for (const QByteArray& bytes : before)
        QVERIFY(!bytes.isEmpty());
    QSignalSpy toasts(&state, &AppState::toastChanged);
    QVERIFY(m_disk->fill());

    // Each store changes; none of the files may change with it.
    state.updateConfig([](Config& c) { c.theme = ThemeMode::dark; });
    m_clock.advance(AppDelegate::saveDelayMs);
    QCOMPARE(snapshot(), before);
    QVERIFY(state.toast());
    QCOMPARE(state.toast()->title, QStringLiteral("Changes are not being saved"));
    QCOMPARE(state.toast()->detail, QStringLiteral("config.json could not be written: No space left on device"));

    HistoryEntry entry;
    entry.text = QStringLiteral("A dictation on a full disk.");
    state.updateHistory([&entry](History& h) { h.add(entry); });
    QCOMPARE(snapshot(), before);
    QVERIFY(state.toast()->detail.startsWith(QStringLiteral("history.json could not be written")));

    auto type = [&state](const QString& body) {
        state.updateNotes([&body](NotesStore& n) {
            Note note = n.notes.first();
            note.body = body;
            n.update(note);
        });
    };
    type(QStringLiteral("More"));
    QCOMPARE(snapshot(), before);
    QVERIFY(state.toast()->detail.startsWith(QStringLiteral("notes.json could not be written")));
    // Once per file, not once per keystroke.
    const qsizetype shown = toasts.size();
    type(QStringLiteral("More text"));
    type(QStringLiteral("More text still"));
    QCOMPARE(toasts.size(), shown);

    // Quitting saves the settings once more: still nothing lost.
    m_app->shutdown();
    QCOMPARE(snapshot(), before);

    // With space again, the next change of a store lands whole.
    m_disk->release();
    type(QStringLiteral("Saved at last"));
    QCOMPARE(NotesStore::decode(m_data->read(QStringLiteral("notes.json")))->notes.first().body,
             QStringLiteral("Saved at last"));
    QVERIFY(state.config().save());
    QCOMPARE(Config::decode(m_data->read(QStringLiteral("config.json")))->theme, ThemeMode::dark);
}

void TestFullDisk::keptRecordingArrivesWholeOrStaysWhereItWas()
{
    // The recorder writes into the temporary folder, another file system.
    QTemporaryDir elsewhere;
    const QString recording = elsewhere.filePath(QStringLiteral("kesto-rec.wav"));
    QByteArray audio(96 * 1024, '\0');
    for (qsizetype i = 0; i < audio.size(); ++i)
        audio[i] = char(i * 7);
    {
        QFile file(recording);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(audio);
    }
    QVERIFY(QDir().mkpath(Config::audioDirectory()));
    QVERIFY(m_disk->fill());
    const QUuid id = QUuid::createUuid();
    QCOMPARE(History::keepAudio(recording, id), std::nullopt);
    QCOMPARE(QDir(Config::audioDirectory()).entryList(QDir::Files | QDir::Hidden), QStringList());
    QFile source(recording);
    QVERIFY(source.open(QIODevice::ReadOnly));
    QCOMPARE(source.readAll(), audio);
    source.close();

    m_disk->release();
    const std::optional<QString> kept = History::keepAudio(recording, id);
    QVERIFY(kept);
    QFile moved(QDir(Config::audioDirectory()).filePath(*kept));
    QVERIFY(moved.open(QIODevice::ReadOnly));
    QCOMPARE(moved.readAll(), audio);
    QVERIFY(!QFile::exists(recording));
}

void TestFullDisk::exportsFailWithoutTouchingTheOldFile()
{
    AppState& state = start().state();
    QTemporaryDir elsewhere;
    const QString archive = elsewhere.filePath(QStringLiteral("kesto-voice.zip"));
    const QString words = m_data->filePath(QStringLiteral("lugat.txt"));
    for (const QString& path : {archive, words}) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("the export made last week");
    }
    QVERIFY(m_disk->fill());
    // The History on disk is behind the one in memory and cannot catch up.
    state.updateHistory([](History& h) { h.entries.first().text = QStringLiteral("Changed in memory only."); });

    const std::optional<QString> error = DataActions::exportAll(state, archive);
    QVERIFY(error);
    QCOMPARE(*error, QStringLiteral("history.json could not be saved: No space left on device"));
    const DataActions::WordsResult result = DataActions::exportWords(state, words);
    QVERIFY(!result.ok());
    for (const QString& path : {archive, words}) {
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("the export made last week"));
    }
    QCOMPARE(QDir(elsewhere.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("kesto-voice.zip")});
}

QTEST_MAIN(TestFullDisk)
#include "TestFullDisk.moc"
