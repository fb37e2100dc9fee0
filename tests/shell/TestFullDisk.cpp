#include "FakeAudioBackend.h"
#include "FakeClock.h"
#include "FakeGemini.h"
#include "FakeKeySource.h"
#include "FakeNotificationServer.h"
#include "SmallDisk.h"
#include "TempDataDir.h"

#include "core/DataActions.h"
#include "core/StoreFile.h"
#include "engine/Notifier.h"
#include "platform/FrontApplication.h"
#include "platform/ZipArchive.h"
#include "shell/AppDelegate.h"
#include "shell/DictationDesktop.h"
#include "shell/StaleRecordings.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

// The data folder on a file system with no space left: every store, the
// settings saved at quit, a kept recording and the exports either land whole
// or leave the file before them byte for byte, and the user is told, also
// with only the pill on screen. Recordings wait on another file system.
class TestFullDisk final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void storesKeepTheirFilesAndSayWhy();
    void keptRecordingArrivesWholeOrStaysWhereItWas();
    void exportAllRescuesTheDataElsewhere();
    void failedSaveShowsInThePillAndANotification();
    void unkeptRecordingStaysLinkedAfterTheNextStart_data();
    void unkeptRecordingStaysLinkedAfterTheNextStart();

private:
    AppDelegate& start();
    // A dictation of seconds of tone, through the fake service, until done.
    void dictate(double seconds);
    // A dictation whose transcript never comes, and the user stops waiting.
    void dictateAndStopWaiting(double seconds);
    // The store files as they are now.
    QMap<QString, QByteArray> snapshot() const;

    std::unique_ptr<SmallDisk> m_disk;
    std::unique_ptr<TempDataDir> m_data;
    FakeClock m_clock;
    FakeAudioBackend m_audio;
    std::unique_ptr<AppDelegate> m_app;
    std::unique_ptr<FakeGemini> m_gemini;
};

namespace {

// Types nowhere; notifications go to the session bus like the real ones.
struct BusDesktop final : DictationDesktop
{
    QStringList inserted;
    bool pauseMedia(std::function<void()>) override { return false; }
    void resumeMedia() override {}
    void insert(const QString& text, const QString&, const QString&, const QString&) override { inserted << text; }
    void notify(const QString& title, const QString& body) override { Notifier::post(title, body); }
};

struct EditorFront final : FrontApplication
{
    FrontApp current() override { return {QStringLiteral("org.example.editor"), QStringLiteral("Editor")}; }
};

BusDesktop busDesktop;
EditorFront editorFront;

} // namespace

void TestFullDisk::init()
{
    m_disk = std::make_unique<SmallDisk>();
    QVERIFY2(!m_disk->path().isEmpty(), qPrintable(m_disk->why()));
    StoreFile::releaseAll();
    m_data = std::make_unique<TempDataDir>(m_disk->path());
    QVERIFY2(!Config::recordingsDirectory().startsWith(m_disk->path()), "recordings wait in the runtime folder");
    m_gemini = std::make_unique<FakeGemini>();
    QVERIFY(m_gemini->listen());
    qputenv("KESTO_GEMINI_URL", m_gemini->url().toUtf8());
    m_gemini->setFallback(FakeGemini::Reply::models({"gemini-3.8-flash"}).on("GET"));
    busDesktop.inserted.clear();
}

void TestFullDisk::cleanup()
{
    m_app.reset();
    m_data.reset();
    m_disk.reset();
    m_gemini.reset();
    qunsetenv("KESTO_GEMINI_URL");
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
    host.desktop = &busDesktop;
    host.frontApp = &editorFront;
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

void TestFullDisk::dictate(double seconds)
{
    m_gemini->enqueue(FakeGemini::Reply::text(QStringLiteral("Meet at nine")).on("POST"));
    m_app->dictation().startRecording(QStringLiteral("mac"), Target::frontApp());
    QCOMPARE(m_app->state().phase(), Phase::recording);
    FakeInputStream* stream = m_audio.lastStream();
    QVERIFY(stream);
    stream->feed(FakeAudio::sine(stream->format(), qint64(seconds * stream->format().sampleRate()), 440, 0.3));
    m_app->dictation().finishRecording();
    QTRY_VERIFY_WITH_TIMEOUT(m_app->state().phase() != Phase::working, 20000);
    QCOMPARE(busDesktop.inserted.size(), 1);
}

void TestFullDisk::dictateAndStopWaiting(double seconds)
{
    m_gemini->enqueue(FakeGemini::Reply::silence().on("POST"));
    m_app->dictation().startRecording(QStringLiteral("mac"), Target::frontApp());
    FakeInputStream* stream = m_audio.lastStream();
    QVERIFY(stream);
    stream->feed(FakeAudio::sine(stream->format(), qint64(seconds * stream->format().sampleRate()), 440, 0.3));
    m_app->dictation().finishRecording();
    QTRY_COMPARE_WITH_TIMEOUT(m_gemini->requests("POST").size(), 1, 20000);
    m_app->dictation().cancelRecording();
    QCOMPARE(m_app->state().phase(), Phase::idle);
    QVERIFY(busDesktop.inserted.isEmpty());
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

void TestFullDisk::exportAllRescuesTheDataElsewhere()
{
    AppState& state = start().state();
    QTemporaryDir elsewhere;
    const QString archive = elsewhere.filePath(QStringLiteral("kesto-voice.zip"));
    const QString words = m_data->filePath(QStringLiteral("lugat.txt"));
    m_data->write(QStringLiteral("lugat.txt"), "the export made last week");
    QVERIFY(m_disk->fill());
    // The History on disk is behind the one in memory and cannot catch up.
    state.updateHistory([](History& h) { h.entries.first().text = QStringLiteral("Changed in memory only."); });

    // The archive holds what the app holds, written to a healthy disk.
    QCOMPARE(DataActions::exportAll(state, archive), std::nullopt);
    QString error;
    const std::optional<QList<ZipArchive::Entry>> entries = ZipArchive::read(archive, &error);
    QVERIFY2(entries, qPrintable(error));
    QMap<QString, QByteArray> files;
    for (const ZipArchive::Entry& entry : *entries)
        files.insert(entry.name, entry.bytes);
    QCOMPARE(History::decode(files.value(QStringLiteral("kesto-voice/history.json")))->entries.first().text,
             QStringLiteral("Changed in memory only."));
    QCOMPARE(NotesStore::decode(files.value(QStringLiteral("kesto-voice/notes.json")))->notes.first().body,
             QStringLiteral("A note written before the disk filled up."));
    QVERIFY(files.value(QStringLiteral("kesto-voice/vocabulary.json")).contains("word39"));

    // The word list into the full data folder fails and keeps the old file.
    const DataActions::WordsResult result = DataActions::exportWords(state, words);
    QVERIFY(!result.ok());
    QCOMPARE(m_data->read(QStringLiteral("lugat.txt")), QByteArray("the export made last week"));
}

void TestFullDisk::failedSaveShowsInThePillAndANotification()
{
    FakeNotificationServer notifications;
    QVERIFY2(notifications.isRegistered(), "no notification server on the session bus");
    AppState& state = start().state();
    QVERIFY(!m_app->mainWindow() || !m_app->mainWindow()->isVisible());
    state.updateConfig([](Config& c) { c.trimSilence = false; });
    m_clock.advance(AppDelegate::saveDelayMs);
    QVERIFY(m_disk->fill());

    dictate(1.5);

    QCOMPARE(state.phase(), Phase::failed);
    QCOMPARE(state.message(), QStringLiteral("Changes are not being saved"));
    QTRY_COMPARE(notifications.notifications.size(), 1);
    QCOMPARE(notifications.notifications.first().summary, QStringLiteral("Changes are not being saved"));
    QCOMPARE(notifications.notifications.first().body,
             QStringLiteral("history.json could not be written: No space left on device"));

    // With the main window on screen its toast says it, and nothing else.
    m_app->openMainWindow();
    QVERIFY(m_app->mainWindow()->isVisible());
    m_clock.advance(DictationController::failedMs);
    QCOMPARE(state.phase(), Phase::idle);
    auto addEntry = [&state] {
        HistoryEntry entry;
        entry.text = QStringLiteral("Another dictation.");
        state.updateHistory([&entry](History& h) { h.add(entry); });
    };
    // Saved once there is room; then the disk fills up again.
    m_disk->release();
    addEntry();
    QVERIFY(m_disk->fill());
    QSignalSpy toasts(&state, &AppState::toastChanged);
    addEntry();
    QCOMPARE(toasts.size(), 1);
    QCOMPARE(state.toast()->detail, QStringLiteral("history.json could not be written: No space left on device"));
    QCOMPARE(state.phase(), Phase::idle);
    QCOMPARE(notifications.notifications.size(), 1);
}

void TestFullDisk::unkeptRecordingStaysLinkedAfterTheNextStart_data()
{
    QTest::addColumn<bool>("stopWaiting");
    QTest::addColumn<QString>("text");
    QTest::newRow("transcribed") << false << QStringLiteral("Meet at nine");
    QTest::newRow("the user stopped waiting") << true << QString();
}

void TestFullDisk::unkeptRecordingStaysLinkedAfterTheNextStart()
{
    QFETCH(bool, stopWaiting);
    QFETCH(QString, text);
    AppState& state = start().state();
    state.updateConfig([](Config& c) {
        c.trimSilence = false;
        c.keepAudio = true;
    });
    m_clock.advance(AppDelegate::saveDelayMs);
    QVERIFY(QDir().mkpath(Config::audioDirectory()));
    // Room for History to be saved, not for the recording.
    m_data->write(QStringLiteral("reserve"), QByteArray(8 * 1024, 'r'));
    QVERIFY(m_disk->fill());
    QVERIFY(QFile::remove(m_data->filePath(QStringLiteral("reserve"))));

    if (stopWaiting)
        dictateAndStopWaiting(6);
    else
        dictate(6);

    const HistoryEntry entry = state.history().entries.first();
    QCOMPARE(entry.text, text);
    QVERIFY(entry.audioFile);
    const QString waiting = QDir(Config::recordingsDirectory()).filePath(*entry.audioFile);
    QVERIFY2(QFileInfo::exists(waiting), "the recording stays where it waited");
    QCOMPARE(History::audioPath(*entry.audioFile), waiting);
    const QByteArray audio = [&waiting] {
        QFile file(waiting);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }();
    QVERIFY(audio.size() > 8 * 1024);

    // The next start, with the disk still full, leaves it linked.
    m_app->shutdown();
    m_app.reset();
    start();
    auto entryAfter = [this, &entry] {
        for (const HistoryEntry& e : m_app->state().history().entries) {
            if (e.id == entry.id)
                return e;
        }
        return HistoryEntry();
    };
    StaleRecordings::tidy(m_app->state(), QDateTime::currentDateTimeUtc());
    QCOMPARE(entryAfter().audioFile, entry.audioFile);
    QVERIFY(QFileInfo::exists(waiting));

    // A start with room again keeps it with the entry.
    m_disk->release();
    m_app->shutdown();
    m_app.reset();
    start();
    const StaleRecordings::Outcome outcome = StaleRecordings::tidy(m_app->state(), QDateTime::currentDateTimeUtc());
    QCOMPARE(outcome.kept, 1);
    const HistoryEntry kept = entryAfter();
    QCOMPARE(kept.id, entry.id);
    QCOMPARE(*kept.audioFile, JsonUuid::text(entry.id) + u'.' + QFileInfo(waiting).suffix());
    QFile moved(QDir(Config::audioDirectory()).filePath(*kept.audioFile));
    QVERIFY(moved.open(QIODevice::ReadOnly));
    QCOMPARE(moved.readAll(), audio);
    QVERIFY(!QFileInfo::exists(waiting));
}

QTEST_MAIN(TestFullDisk)
#include "TestFullDisk.moc"
