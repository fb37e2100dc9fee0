#include "DictationRig.h"
#include "DiskFull.h"
#include "FakeGemini.h"

#include <QDeadlineTimer>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTcpServer>
#include <QTcpSocket>

// A finished recording on its way to the service and back, with the fake
// service over loopback: trimming, encoding, the WAV resend, History, the
// failure path, dictation into a note, and the retry and key-check actions.
class TestDictationPipeline final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void dictationReachesTheFrontAppAndHistory_data();
    void dictationReachesTheFrontAppAndHistory();
    void refusedM4a_data();
    void refusedM4a();
    void brokenLiveEncodingStillReachesTheService_data();
    void brokenLiveEncodingStillReachesTheService();
    void failureKeepsTheAudio_data();
    void failureKeepsTheAudio();
    void serverErrorsAreRetriedFirst();
    void offlineOnlyWhenTheNetworkFailed_data();
    void offlineOnlyWhenTheNetworkFailed();
    void transcriptLogLineKeepsWholeCharacters();
    void transcriptLineBreaksForgeNoLogLine();
    void quittingWhileWorkingKeepsTheRecording();
    void stalledServiceEndsInTime_data();
    void stalledServiceEndsInTime();
    void escapeStopsTheWait_data();
    void escapeStopsTheWait();
    void newNoteIsFiledInOneRequest();
    void speechOnlyModelFilesOnATextModel();
    void speechOnlyModelWithoutTextModelFillsTheNote();
    void retryTranscribesAKeptRecording_data();
    void retryTranscribesAKeptRecording();
    void failedRetryKeepsTheEntry();
    void checkKey();

private:
    // Records seconds of tone (with a long pause in the middle when asked),
    // finishes and waits for the outcome.
    void dictate(double seconds, bool pause = false, const Target& target = Target::frontApp());
    // A discarded History entry with its audio kept, made by cancelling.
    HistoryEntry keptRecording();
    QList<DictationStage> m_stages;

    std::unique_ptr<FakeGemini> m_gemini;
    std::unique_ptr<DictationRig> m_rig;
};

namespace {

const QString transcript = QStringLiteral("Hello there, my signature");
const QString expanded = QStringLiteral("Hello there, Best regards");

} // namespace

void TestDictationPipeline::init()
{
    m_gemini = std::make_unique<FakeGemini>();
    QVERIFY(m_gemini->listen());
    qputenv("KESTO_GEMINI_URL", m_gemini->url().toUtf8());
    m_gemini->setFallback(FakeGemini::Reply::models({"gemini-3.8-flash"}).on("GET"));
    m_rig = std::make_unique<DictationRig>();
    m_rig->state.updateConfig([](Config& config) {
        config.apiKey = "test-key";
        Snippet snippet;
        snippet.trigger = "my signature";
        snippet.text = "Best regards";
        config.snippets = {snippet};
    });
    m_stages.clear();
    connect(&m_rig->state, &AppState::phaseChanged, this, [this] {
        if (m_rig->state.phase() == Phase::working
            && (m_stages.isEmpty() || m_stages.last() != m_rig->state.processingStage()))
            m_stages << m_rig->state.processingStage();
    });
}

void TestDictationPipeline::cleanup()
{
    m_rig.reset();
    m_gemini.reset();
    qunsetenv("KESTO_GEMINI_URL");
}

void TestDictationPipeline::dictate(double seconds, bool pause, const Target& target)
{
    DictationRig& rig = *m_rig;
    rig.record(pause ? seconds / 2 : seconds, target);
    if (pause) {
        FakeInputStream* stream = rig.backend.lastStream();
        stream->feed(FakeAudio::sine(stream->format(), 2 * stream->format().sampleRate(), 440, 0.0));
        rig.feed(seconds / 2);
    }
    rig.controller->finishRecording();
    // The service's retry waits run on the rig's clock: they pass at once.
    QDeadlineTimer deadline(20000);
    while (rig.state.phase() == Phase::working && !deadline.hasExpired()) {
        if (rig.state.processingStage() == DictationStage::retrying)
            rig.clock.advance(3000);
        QTest::qWait(5);
    }
    QVERIFY(rig.state.phase() != Phase::working);
}

HistoryEntry TestDictationPipeline::keptRecording()
{
    DictationRig& rig = *m_rig;
    const qsizetype before = rig.state.history().entries.size();
    rig.record(1.5);
    rig.controller->cancelRecording();
    [&] { QTRY_COMPARE(rig.state.history().entries.size(), before + 1); }();
    return rig.state.history().entries.first();
}

void TestDictationPipeline::dictationReachesTheFrontAppAndHistory_data()
{
    QTest::addColumn<bool>("trim");
    QTest::addColumn<bool>("keepAudio");
    QTest::newRow("trimmed, audio not kept") << true << false;
    QTest::newRow("untrimmed, audio kept") << false << true;
}

void TestDictationPipeline::dictationReachesTheFrontAppAndHistory()
{
    QFETCH(bool, trim);
    QFETCH(bool, keepAudio);
    DictationRig& rig = *m_rig;
    rig.state.updateConfig([&](Config& config) {
        config.trimSilence = trim;
        config.keepAudio = keepAudio;
        config.model = "gemini-3.8-flash";
    });
    m_gemini->enqueue(FakeGemini::Reply::text(transcript).on("POST"));

    rig.record(0.5);
    FakeInputStream* stream = rig.backend.lastStream();
    stream->feed(FakeAudio::sine(stream->format(), 2 * stream->format().sampleRate(), 440, 0.0));
    rig.feed(0.5);
    rig.controller->finishRecording();
    // Settings changed after the hand-over do not reach this dictation.
    QTRY_VERIFY(rig.sounds.played.contains("Pop"));
    rig.state.updateConfig([](Config& config) {
        config.model = "gemini-later";
        config.snippets.clear();
    });
    QTRY_VERIFY_WITH_TIMEOUT(rig.state.phase() != Phase::working, 20000);

    QCOMPARE(rig.state.phase(), Phase::idle);
    const QList<FakeGemini::Request> posts = m_gemini->requests("POST");
    QCOMPARE(posts.size(), 1);
    QCOMPARE(posts.first().audioMime, QString("audio/mp4"));
    QCOMPARE(posts.first().header("x-goog-api-key"), QByteArray("test-key"));
    QCOMPARE(posts.first().audio.mid(4, 4), QByteArray("ftyp"));

    QCOMPARE(rig.desktop.inserts.size(), 1);
    QCOMPARE(rig.desktop.inserts.first().text, expanded);
    QCOMPARE(rig.state.doneText(), std::optional<QString>(QString::fromUtf8("Editor · 4 words")));
    const QList<DictationStage> stages = trim ? QList{DictationStage::preparing, DictationStage::trimming,
                                                      DictationStage::transcribing, DictationStage::finishing}
                                              : QList{DictationStage::preparing, DictationStage::transcribing,
                                                      DictationStage::finishing};
    QCOMPARE(m_stages, stages);

    QCOMPARE(rig.state.history().entries.size(), 1);
    const HistoryEntry entry = rig.state.history().entries.first();
    QCOMPARE(entry.status, HistoryEntry::Status::done);
    QCOMPARE(entry.text, expanded);
    QCOMPARE(entry.model, QString("gemini-3.8-flash"));
    QCOMPARE(entry.source, QString("mac"));
    QCOMPARE(entry.appName, std::optional<QString>("Editor"));
    QCOMPARE(entry.appBundleID, std::optional<QString>("org.example.editor"));
    QCOMPARE(entry.duration, 3.0);
    QVERIFY(entry.latency);
    QCOMPARE(entry.error, std::nullopt);
    if (keepAudio) {
        QVERIFY(entry.audioFile);
        QVERIFY(entry.audioFile->endsWith(".m4a"));
        QCOMPARE(rig.keptAudio(), QStringList{*entry.audioFile});
    } else {
        QCOMPARE(entry.audioFile, std::nullopt);
        QVERIFY(rig.keptAudio().isEmpty());
    }
    QCOMPARE(rig.tempFiles(), QStringList());
    const QString log = rig.log();
    QVERIFY2(log.contains("transcript: " + expanded), qPrintable(log));
    QVERIFY(log.contains("encoded while recording, finished in "));
    QVERIFY(!log.contains("trimmed silence in")); // the file was not trimmed after the recording
    QVERIFY(log.contains(QRegularExpression(
        "timing format=m4a bytes=[1-9]\\d* encode=\\d+\\.\\d\\ds ready=\\d+\\.\\d\\ds response=\\d+\\.\\d\\ds inserted=\\d+\\.\\d\\ds\n")));
}

void TestDictationPipeline::refusedM4a_data()
{
    QTest::addColumn<QString>("refusal");
    QTest::addColumn<bool>("wavRefusedToo");
    QTest::addColumn<int>("posts");
    QTest::addColumn<bool>("done");

    QTest::newRow("unsupported format") << "Unsupported audio format" << false << 2 << true;
    QTest::newRow("WAV refused as well") << "Unsupported audio format" << true << 2 << false;
    QTest::newRow("about the key") << "API Key not valid" << false << 1 << false;
    QTest::newRow("about thinking") << "Thinking budget is not supported" << false << 1 << false;
}

void TestDictationPipeline::refusedM4a()
{
    QFETCH(QString, refusal);
    QFETCH(bool, wavRefusedToo);
    QFETCH(int, posts);
    QFETCH(bool, done);
    DictationRig& rig = *m_rig;
    rig.state.updateConfig([](Config& config) { config.keepAudio = true; });
    m_gemini->enqueue(FakeGemini::Reply::error(400, refusal).on("POST"));
    m_gemini->enqueue(wavRefusedToo ? FakeGemini::Reply::error(400, refusal).on("POST")
                                    : FakeGemini::Reply::text(transcript).on("POST"));
    dictate(3.0, true);

    const QList<FakeGemini::Request> requests = m_gemini->requests("POST");
    QCOMPARE(requests.size(), posts);
    QCOMPARE(requests.first().audioMime, QString("audio/mp4"));
    if (posts == 2) {
        QCOMPARE(requests.last().audioMime, QString("audio/wav"));
        QVERIFY(requests.last().audio.size() < 4 * 16000 * 2); // trimmed: the 2 s pause is cut
        QVERIFY(rig.log().contains("Gemini refused m4a with 400; sending WAV"));
    } else {
        QVERIFY(!rig.log().contains("sending WAV"));
    }
    const HistoryEntry entry = rig.state.history().entries.first();
    QCOMPARE(entry.status, done ? HistoryEntry::Status::done : HistoryEntry::Status::failed);
    QCOMPARE(rig.state.phase(), done ? Phase::idle : Phase::failed);
    if (done)
        QVERIFY(rig.log().contains("timing format=wav bytes="));
    // After a WAV resend History keeps the untrimmed recording itself.
    QVERIFY(entry.audioFile);
    QVERIFY(entry.audioFile->endsWith(posts == 2 ? ".wav" : ".m4a"));
    if (posts == 2) {
        const QFileInfo kept(QDir(Config::audioDirectory()).filePath(*entry.audioFile));
        QVERIFY(kept.size() >= 5 * 16000 * 2); // the pause was not cut
    }
    QCOMPARE(rig.tempFiles(), QStringList());
}

void TestDictationPipeline::brokenLiveEncodingStillReachesTheService_data()
{
    QTest::addColumn<bool>("trim");
    QTest::newRow("trimmed") << true;
    QTest::newRow("untrimmed") << false;
}

void TestDictationPipeline::brokenLiveEncodingStillReachesTheService()
{
    QFETCH(bool, trim);
    DictationRig& rig = *m_rig;
    rig.state.updateConfig([&](Config& config) { config.trimSilence = trim; });
    m_gemini->enqueue(FakeGemini::Reply::text(transcript).on("POST"));
    rig.record(1.0);
    // The disk that takes the M4A made while recording fills up.
    QStringList m4a;
    QTRY_VERIFY(!(m4a = QDir(Config::recordingsDirectory()).entryList({"*.m4a"}, QDir::Files)).isEmpty());
    QVERIFY(DiskFull::strike(QDir(Config::recordingsDirectory()).filePath(m4a.first())));
    rig.feed(2.0);
    rig.controller->finishRecording();
    QTRY_VERIFY_WITH_TIMEOUT(rig.state.phase() != Phase::working, 20000);

    const QString log = rig.log();
    QVERIFY2(log.contains("live AAC failed ("), qPrintable(log));
    const QList<FakeGemini::Request> posts = m_gemini->requests("POST");
    QCOMPARE(posts.size(), 1);
    QCOMPARE(posts.first().audioMime, QString("audio/mp4"));
    QCOMPARE(posts.first().audio.mid(4, 4), QByteArray("ftyp"));
    QCOMPARE(rig.state.history().entries.first().status, HistoryEntry::Status::done);
    QCOMPARE(rig.state.history().entries.first().duration, 3.0);
    QCOMPARE(rig.tempFiles(), QStringList());
}

void TestDictationPipeline::failureKeepsTheAudio_data()
{
    QTest::addColumn<bool>("notificationsOff");
    QTest::newRow("notifications on") << false;
    QTest::newRow("notifications off") << true;
}

void TestDictationPipeline::failureKeepsTheAudio()
{
    QFETCH(bool, notificationsOff);
    DictationRig& rig = *m_rig;
    rig.state.updateConfig([&](Config& config) { config.notificationsOff = notificationsOff; });
    m_gemini->enqueue(FakeGemini::Reply::error(403, "Permission denied").on("POST"));
    dictate(1.0);

    const QString description = GeminiError::http(403, "Permission denied").description();
    QCOMPARE(rig.state.phase(), Phase::failed);
    QCOMPARE(rig.state.message(), description);
    QCOMPARE(rig.sounds.played, (QStringList{"Tink", "Pop", "Basso"}));
    QVERIFY(rig.desktop.inserts.isEmpty());
    const HistoryEntry entry = rig.state.history().entries.first();
    QCOMPARE(entry.status, HistoryEntry::Status::failed);
    QCOMPARE(entry.text, QString());
    QCOMPARE(entry.error, std::optional<QString>(description));
    QVERIFY(!entry.offline);
    QCOMPARE(entry.latency, std::nullopt);
    QVERIFY(entry.audioFile); // kept although keepAudio is off
    QCOMPARE(rig.keptAudio(), QStringList{*entry.audioFile});
    QCOMPARE(rig.tempFiles(), QStringList());
    QVERIFY(rig.log().contains("transcription failed: " + description));
    if (notificationsOff)
        QVERIFY(rig.desktop.notifications.isEmpty());
    else
        QCOMPARE(rig.desktop.notifications,
                 (QList{std::pair<QString, QString>{"Not transcribed", "The audio is saved. Try again from History."}}));
    rig.clock.advance(DictationController::failedMs);
    QCOMPARE(rig.state.phase(), Phase::idle);
}

void TestDictationPipeline::serverErrorsAreRetriedFirst()
{
    for (int attempt = 0; attempt < 4; ++attempt)
        m_gemini->enqueue(FakeGemini::Reply::error(500, "Internal error").on("POST"));
    dictate(1.0);
    QCOMPARE(m_gemini->requests("POST").size(), 4); // no WAV resend after the retries
    QVERIFY(m_stages.contains(DictationStage::retrying));
    QCOMPARE(m_rig->state.history().entries.first().status, HistoryEntry::Status::failed);
    QVERIFY(!m_rig->state.history().entries.first().offline);
}

void TestDictationPipeline::offlineOnlyWhenTheNetworkFailed_data()
{
    QTest::addColumn<bool>("tls");
    QTest::addColumn<bool>("offline");
    QTest::newRow("nothing listens") << false << true;
    QTest::newRow("a server refuses the TLS handshake") << true << false;
}

void TestDictationPipeline::offlineOnlyWhenTheNetworkFailed()
{
    QFETCH(bool, tls);
    QFETCH(bool, offline);
    // Answers every connection in plain text, which no TLS client accepts.
    QTcpServer server;
    QVERIFY(server.listen(QHostAddress::LocalHost));
    connect(&server, &QTcpServer::newConnection, &server, [&server] {
        while (QTcpSocket* socket = server.nextPendingConnection())
            socket->write("HTTP/1.1 400 Bad Request\r\nContent-Length: 0\r\n\r\n");
    });
    const quint16 port = server.serverPort();
    if (!tls)
        server.close();
    qputenv("KESTO_GEMINI_URL", QByteArray(tls ? "https" : "http") + "://127.0.0.1:" + QByteArray::number(port));
    dictate(1.0);
    const HistoryEntry entry = m_rig->state.history().entries.first();
    QCOMPARE(entry.status, HistoryEntry::Status::failed);
    QCOMPARE(entry.offline, offline);
    QVERIFY(entry.audioFile);
}

void TestDictationPipeline::transcriptLogLineKeepsWholeCharacters()
{
    // The 120th character is a thumb with a skin tone: four UTF-16 units.
    const QString head = QString(119, QLatin1Char('a')) + QString::fromUtf8("\U0001F44D\U0001F3FD");
    m_gemini->enqueue(FakeGemini::Reply::text(head + "bc").on("POST"));
    dictate(1.0);
    QCOMPARE(m_rig->state.history().entries.first().text, head + "bc");
    const QString log = m_rig->log();
    QVERIFY2(log.contains("transcript: " + head + "\n"), qPrintable(log));
}

void TestDictationPipeline::transcriptLineBreaksForgeNoLogLine()
{
    m_gemini->enqueue(FakeGemini::Reply::text("Salom\n12:00:00.000 ready").on("POST"));
    dictate(1.0);
    QCOMPARE(m_rig->state.history().entries.first().text, QStringLiteral("Salom\n12:00:00.000 ready"));
    const QString log = m_rig->log();
    QVERIFY2(log.contains("transcript: Salom\\u{000a}12:00:00.000 ready\n"), qPrintable(log));
}

void TestDictationPipeline::quittingWhileWorkingKeepsTheRecording()
{
    DictationRig& rig = *m_rig;
    m_gemini->enqueue(FakeGemini::Reply::text(transcript).on("POST").delayed(5000));
    rig.record(1.0);
    rig.controller->finishRecording();
    QTRY_COMPARE(m_gemini->requests("POST").size(), 1);
    rig.controller->shutDown();

    QCOMPARE(rig.state.history().entries.size(), 1);
    const HistoryEntry entry = rig.state.history().entries.first();
    QCOMPARE(entry.status, HistoryEntry::Status::failed);
    QCOMPARE(entry.error, std::optional<QString>("The application was closed before the transcript arrived."));
    QVERIFY(entry.audioFile && entry.audioFile->endsWith(".wav"));
    QCOMPARE(rig.keptAudio(), QStringList{*entry.audioFile});
    QCOMPARE(rig.tempFiles(), QStringList());
    QCOMPARE(rig.sounds.played, (QStringList{"Tink", "Pop"}));
    QVERIFY(rig.desktop.notifications.isEmpty());
    QTest::qWait(100); // the cancelled request reports nothing more
    QCOMPARE(rig.state.history().entries.size(), 1);
}

void TestDictationPipeline::stalledServiceEndsInTime_data()
{
    QTest::addColumn<FakeGemini::Reply>("reply");
    QTest::newRow("never answers") << FakeGemini::Reply::silence().on("POST");
    QTest::newRow("trickles") << FakeGemini::Reply::text(QString(20000, QLatin1Char('a'))).on("POST").trickled(10);
}

void TestDictationPipeline::stalledServiceEndsInTime()
{
    QFETCH(FakeGemini::Reply, reply);
    DictationRig& rig = *m_rig;
    for (int i = 0; i < 4; ++i)
        m_gemini->enqueue(reply);
    rig.record(1.0);
    rig.controller->finishRecording();
    QTRY_COMPARE(m_gemini->requests("POST").size(), 1);
    // However the service answers, the dictation is over 180 s on.
    rig.clock.advance(180000);
    QCOMPARE(rig.state.phase(), Phase::failed);
    const HistoryEntry entry = rig.state.history().entries.first();
    QCOMPARE(entry.status, HistoryEntry::Status::failed);
    QCOMPARE(entry.error, std::optional<QString>(GeminiError::network(GeminiError::Cause::timedOut, {}, true).description()));
    QVERIFY(entry.audioFile);
    QCOMPARE(rig.keptAudio(), QStringList{*entry.audioFile});
    QVERIFY(!rig.hotkey.externalRecording());
}

void TestDictationPipeline::escapeStopsTheWait_data()
{
    stalledServiceEndsInTime_data();
}

void TestDictationPipeline::escapeStopsTheWait()
{
    QFETCH(FakeGemini::Reply, reply);
    DictationRig& rig = *m_rig;
    m_gemini->enqueue(reply);
    rig.record(1.0);
    rig.controller->finishRecording();
    QTRY_COMPARE(m_gemini->requests("POST").size(), 1);
    // Escape reaches the controller while it waits.
    QVERIFY(rig.hotkey.externalRecording());
    rig.controller->cancelRecording();

    QCOMPARE(rig.state.phase(), Phase::idle);
    QVERIFY(!rig.hotkey.externalRecording());
    QCOMPARE(rig.state.history().entries.size(), 1);
    const HistoryEntry entry = rig.state.history().entries.first();
    QCOMPARE(entry.status, HistoryEntry::Status::failed);
    QCOMPARE(entry.error, std::optional<QString>("Stopped before the transcript arrived."));
    QVERIFY(entry.audioFile);
    QCOMPARE(rig.keptAudio(), QStringList{*entry.audioFile});
    QCOMPARE(rig.tempFiles(), QStringList());
    QCOMPARE(rig.sounds.played, (QStringList{"Tink", "Pop", "Funk"}));
    QVERIFY(rig.desktop.notifications.isEmpty());
    QVERIFY(rig.log().contains("stopped waiting for the transcript; the recording is kept in History"));
    // Nothing more comes of the abandoned request.
    rig.clock.advance(180000);
    QTest::qWait(50);
    QCOMPARE(rig.state.history().entries.size(), 1);
    QCOMPARE(rig.state.phase(), Phase::idle);
}

void TestDictationPipeline::newNoteIsFiledInOneRequest()
{
    DictationRig& rig = *m_rig;
    Note note;
    rig.state.updateNotes([&](NotesStore& notes) {
        notes = NotesStore::starter();
        note.folderID = notes.folders.first().id;
        notes.notes = {note};
    });
    const QJsonObject answer{{"text", "Buy milk and bread"}, {"kind", "tasks"}, {"topic", "Shopping"},
                             {"folder", "Errands"}};
    m_gemini->enqueue(FakeGemini::Reply::text(QString::fromUtf8(QJsonDocument(answer).toJson())).on("POST"));
    dictate(1.0, false, Target::note(note.id));

    QCOMPARE(m_gemini->requests("POST").size(), 1);
    QCOMPARE(m_stages, (QList{DictationStage::preparing, DictationStage::trimming, DictationStage::transcribing,
                              DictationStage::finishing}));
    const Note* filed = rig.state.notes().note(note.id);
    QCOMPARE(filed->body, QString("Buy milk and bread"));
    QCOMPARE(filed->title, NoteFiler::title({NoteFiler::Kind::tasks, "Shopping", "Errands"}, std::nullopt, rig.clock.now()));
    QCOMPARE(rig.state.notes().folders.last().name, QString("Errands"));
    QCOMPARE(filed->folderID, rig.state.notes().folders.last().id);
    QCOMPARE(rig.state.toast()->title, QString("Saved to folder"));
    QCOMPARE(rig.state.doneText(), std::optional<QString>("Added to the note"));
    const HistoryEntry entry = rig.state.history().entries.first();
    QCOMPARE(entry.text, QString("Buy milk and bread"));
    QVERIFY(entry.latency);
    QVERIFY(rig.desktop.inserts.isEmpty());
}

void TestDictationPipeline::speechOnlyModelFilesOnATextModel()
{
    DictationRig& rig = *m_rig;
    rig.state.updateConfig([](Config& config) { config.model = "gemini-3.8-transcribe"; });
    rig.state.setModels({"gemini-3.8-transcribe", "gemini-3.8-flash"});
    Note note;
    note.title = "Plans";
    rig.state.updateNotes([&](NotesStore& notes) { notes.notes = {note}; });
    m_gemini->enqueue(FakeGemini::Reply::text("Visit the coast").on("POST"));
    const QJsonObject answer{{"kind", "idea"}, {"topic", "Coast trip"}, {"folder", "Travel"}};
    m_gemini->enqueue(FakeGemini::Reply::text(QString::fromUtf8(QJsonDocument(answer).toJson())).on("POST"));
    dictate(1.0, false, Target::note(note.id));

    const QList<FakeGemini::Request> posts = m_gemini->requests("POST");
    QCOMPARE(posts.size(), 2);
    QVERIFY(posts.first().path.endsWith("/interactions"));
    QVERIFY(posts.last().path.contains("gemini-3.8-flash"));
    QCOMPARE(m_stages, (QList{DictationStage::preparing, DictationStage::trimming, DictationStage::transcribing,
                              DictationStage::organizing, DictationStage::finishing}));
    const Note* filed = rig.state.notes().note(note.id);
    QCOMPARE(filed->body, QString("Visit the coast"));
    QCOMPARE(filed->title, QString("Plans")); // only the folder was asked for
    QCOMPARE(rig.state.notes().folders.last().name, QString("Travel"));
    QCOMPARE(filed->folderID, rig.state.notes().folders.last().id);
}

void TestDictationPipeline::speechOnlyModelWithoutTextModelFillsTheNote()
{
    DictationRig& rig = *m_rig;
    rig.state.updateConfig([](Config& config) { config.model = "gemini-3.8-transcribe"; });
    rig.state.setModels({"gemini-3.8-transcribe"});
    Note note;
    rig.state.updateNotes([&](NotesStore& notes) { notes.notes = {note}; });
    m_gemini->enqueue(FakeGemini::Reply::text("Call the plumber").on("POST"));
    dictate(1.0, false, Target::note(note.id));

    QCOMPARE(m_gemini->requests("POST").size(), 1);
    QVERIFY(m_gemini->requests("POST").first().path.endsWith("/interactions"));
    QCOMPARE(rig.state.notes().note(note.id)->body, QString("Call the plumber"));
    QCOMPARE(rig.state.notes().note(note.id)->title, QString());
    QVERIFY(!rig.log().contains("note filing failed"));
}

void TestDictationPipeline::retryTranscribesAKeptRecording_data()
{
    QTest::addColumn<int>("status");
    QTest::addColumn<bool>("keepAudio");
    QTest::addColumn<int>("after");
    QTest::newRow("failed becomes done, audio kept") << int(HistoryEntry::Status::failed) << true
                                                     << int(HistoryEntry::Status::done);
    QTest::newRow("discarded stays discarded, audio deleted") << int(HistoryEntry::Status::discarded) << false
                                                              << int(HistoryEntry::Status::discarded);
}

void TestDictationPipeline::retryTranscribesAKeptRecording()
{
    QFETCH(int, status);
    QFETCH(bool, keepAudio);
    QFETCH(int, after);
    DictationRig& rig = *m_rig;
    HistoryEntry entry = keptRecording();
    entry.status = HistoryEntry::Status(status);
    entry.error = "Gemini returned 500: boom";
    entry.offline = true;
    rig.state.updateHistory([&](History& history) { history.update(entry); });
    rig.state.updateConfig([&](Config& config) { config.keepAudio = keepAudio; });
    m_gemini->enqueue(FakeGemini::Reply::text(transcript).on("POST").delayed(100));

    rig.controller->retry(entry.id);
    rig.controller->retry(entry.id); // a second press while one runs does nothing
    QVERIFY(rig.state.retrying().contains(entry.id));
    QTRY_VERIFY_WITH_TIMEOUT(rig.state.retrying().isEmpty(), 20000);

    QCOMPARE(m_gemini->requests("POST").size(), 1);
    QCOMPARE(m_gemini->requests("POST").first().audioMime, QString("audio/wav"));
    const HistoryEntry updated = rig.state.history().entries.first();
    QCOMPARE(updated.id, entry.id);
    QCOMPARE(updated.text, expanded);
    QCOMPARE(int(updated.status), after);
    QCOMPARE(updated.error, std::nullopt);
    QVERIFY(!updated.offline);
    QCOMPARE(updated.date, entry.date);
    QCOMPARE(updated.latency, entry.latency);
    QCOMPARE(updated.audioFile.has_value(), keepAudio);
    QCOMPARE(rig.keptAudio(), keepAudio ? QStringList{*entry.audioFile} : QStringList()); // no trimmed copy left
    QCOMPARE(rig.state.toast()->title, QString("Transcribed"));
    QCOMPARE(rig.state.toast()->detail, QString::fromUtf8("4 words · Editor"));
    QCOMPARE(rig.state.toast()->tone, ToastTone::success);
    QVERIFY(rig.desktop.inserts.isEmpty()); // nothing is typed
    QCOMPARE(rig.state.phase(), Phase::idle);

    rig.controller->retry(QUuid::createUuid()); // unknown: nothing
    QCOMPARE(rig.state.retrying(), QSet<QUuid>());
}

void TestDictationPipeline::failedRetryKeepsTheEntry()
{
    DictationRig& rig = *m_rig;
    const HistoryEntry entry = keptRecording();
    m_gemini->enqueue(FakeGemini::Reply::error(401, "API key not valid").on("POST"));
    rig.controller->retry(entry.id);
    QTRY_VERIFY_WITH_TIMEOUT(rig.state.retrying().isEmpty(), 20000);

    const QString description = GeminiError::http(401, "API key not valid").description();
    const HistoryEntry updated = rig.state.history().entries.first();
    QCOMPARE(updated.status, HistoryEntry::Status::discarded);
    QCOMPARE(updated.error, std::optional<QString>(description));
    QVERIFY(!updated.offline);
    QCOMPARE(updated.audioFile, entry.audioFile);
    QCOMPARE(rig.keptAudio(), QStringList{*entry.audioFile});
    QCOMPARE(rig.state.toast()->title, QString("Not transcribed"));
    QCOMPARE(rig.state.toast()->detail, description);

    // An entry without audio is not sent.
    HistoryEntry silent = updated;
    silent.audioFile.reset();
    rig.state.updateHistory([&](History& history) { history.update(silent); });
    rig.controller->retry(entry.id);
    QVERIFY(rig.state.retrying().isEmpty());
    QCOMPARE(m_gemini->requests("POST").size(), 1);
}

void TestDictationPipeline::checkKey()
{
    DictationRig& rig = *m_rig;
    m_gemini->enqueue(FakeGemini::Reply::models({"gemini-3.8-flash", "gemini-embedding-2", "gemma-4", "gemini-3.8-pro"})
                          .on("GET")
                          .delayed(100));
    rig.state.updateConfig([](Config& config) { config.model = "gemini-retired"; });
    rig.controller->checkKey();
    QCOMPARE(rig.state.keyStatus().kind, KeyStatus::Kind::checking);
    QTRY_COMPARE_WITH_TIMEOUT(rig.state.keyStatus().kind, KeyStatus::Kind::ok, 10000);
    QCOMPARE(rig.state.models(), (QStringList{"gemini-3.8-flash", "gemini-3.8-pro"}));
    QCOMPARE(rig.state.config().model, QString("gemini-3.8-flash"));

    // A check that ends after the key changed leaves everything to the newer one.
    m_gemini->enqueue(FakeGemini::Reply::models({"gemini-9"}).on("GET").delayed(200));
    QSignalSpy replied(m_gemini.get(), &FakeGemini::replied);
    QSignalSpy abandoned(m_gemini.get(), &FakeGemini::abandoned);
    rig.controller->checkKey();
    rig.state.updateConfig([](Config& config) { config.apiKey = "other-key"; });
    QTRY_COMPARE(m_gemini->requests("GET").size(), 2);
    // The stale check's answer went out (or the check was dropped before it);
    // the view's request below goes round after it.
    QTRY_COMPARE(replied.count() + abandoned.count(), 1);
    QCOMPARE(rig.state.keyStatus().kind, KeyStatus::Kind::checking);
    QCOMPARE(rig.state.models(), (QStringList{"gemini-3.8-flash", "gemini-3.8-pro"}));

    // A view's own request: the full list and the pick among all of it (the
    // model set keeps a name without "gemini"), and no state touched.
    rig.state.updateConfig([](Config& config) { config.model = "learnlm-2-flash"; });
    m_gemini->enqueue(FakeGemini::Reply::models({"gemma-4", "learnlm-2-flash", "gemini-3.8-flash"}).on("GET").delayed(100));
    Config asked = rig.state.config();
    asked.apiKey = "view-key";
    std::optional<ModelList> answer;
    rig.controller->listModels(asked, [&answer](const ModelList& list) { answer = list; });
    QTRY_VERIFY(answer.has_value());
    QCOMPARE(m_gemini->requests("GET").last().header("x-goog-api-key"), QByteArray("view-key"));
    QCOMPARE(answer->names, std::optional<QStringList>({"gemini-3.8-flash", "gemma-4", "learnlm-2-flash"}));
    QCOMPARE(answer->pick, std::optional<QString>("learnlm-2-flash"));
    QCOMPARE(rig.state.keyStatus().kind, KeyStatus::Kind::checking);
    QCOMPARE(rig.state.models(), (QStringList{"gemini-3.8-flash", "gemini-3.8-pro"}));

    m_gemini->enqueue(FakeGemini::Reply::error(400, "API key not valid").on("GET"));
    rig.controller->checkKey();
    QTRY_COMPARE(rig.state.keyStatus().kind, KeyStatus::Kind::failed);
    QCOMPARE(rig.state.keyStatus().message, GeminiError::http(400, "API key not valid").description());

    // No key at all: nothing checked (not a failure), at once, and no request.
    qunsetenv("GEMINI_API_KEY");
    rig.state.updateConfig([](Config& config) { config.apiKey.clear(); });
    const qsizetype requests = m_gemini->requests().size();
    rig.controller->checkKey();
    QCOMPARE(rig.state.keyStatus().kind, KeyStatus::Kind::unknown);
    QTest::qWait(100);
    QCOMPARE(m_gemini->requests().size(), requests);
}

QTEST_MAIN(TestDictationPipeline)
#include "TestDictationPipeline.moc"
