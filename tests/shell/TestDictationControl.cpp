#include "DictationRig.h"

#include "core/L10n.h"

#include "shell/NoteJob.h"

#include <QSignalSpy>

Q_DECLARE_METATYPE(Target)

// Starting, finishing and cancelling a dictation, the states that show its
// outcome, media pause, delivery and the note rules, on fakes.
class TestDictationControl final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void togglesFollowThePhase();
    void noteTargetRule_data();
    void noteTargetRule();
    void shortRecordingsAreDroppedSilently_data();
    void shortRecordingsAreDroppedSilently();
    void cancelKeepsOnlyALongRecording_data();
    void cancelKeepsOnlyALongRecording();
    void ownWindowIsNamedForPeople();
    void recorderFailures();
    void levelFollowsTheRecorder();
    void mediaIsResumedAfterTheRecording();
    void mediaPauseTakenBackIsNotResumed();
    void doneAndFailedStatesEndByThemselves();
    void soundsOff();
    void talkKeyWhileWorkingIsAnswered_data();
    void talkKeyWhileWorkingIsAnswered();
    void delivery_data();
    void delivery();
    void filingTitlesAndFilesANewNote();
    void noteJobs_data();
    void noteJobs();
    void microphoneTest();
    void microphoneFailuresReadInTheInterfaceLanguage_data();
    void microphoneFailuresReadInTheInterfaceLanguage();
    void startStopsTheMicrophoneTest();

private:
    std::unique_ptr<DictationRig> m_rig;
};

void TestDictationControl::init()
{
    m_rig = std::make_unique<DictationRig>();
}

void TestDictationControl::cleanup()
{
    m_rig.reset();
}

void TestDictationControl::togglesFollowThePhase()
{
    DictationRig& rig = *m_rig;
    QSignalSpy status(rig.controller.get(), &DictationController::statusChanged);
    rig.controller->toggleRecording(Target::frontApp());
    QCOMPARE(rig.state.phase(), Phase::recording);
    QCOMPARE(rig.state.source(), QString("mac"));
    QCOMPARE(rig.state.recordingStarted(), rig.clock.now());
    QVERIFY(rig.hotkey.externalRecording());
    QCOMPARE(rig.sounds.played, QStringList{"Tink"});
    QCOMPARE(rig.controller->recordingApp(), (DictationController::App{"Editor", "org.example.editor"}));
    QVERIFY(status.count() >= 1);
    QVERIFY(rig.log().contains("recording started (mac) on System default"));

    // A second start while recording changes nothing.
    rig.controller->startRecording("mac", Target::historyOnly());
    QCOMPARE(rig.sounds.played.size(), 1);
    QCOMPARE(rig.state.target(), Target::frontApp());

    rig.feed(0.2);
    rig.controller->toggleRecording(Target::frontApp());
    QCOMPARE(rig.state.phase(), Phase::working);
    QVERIFY(rig.hotkey.externalRecording()); // Escape still reaches the wait
    QCOMPARE(rig.state.recordingStarted(), std::nullopt);

    // Nothing starts while working, not even by a toggle.
    rig.controller->toggleRecording(Target::frontApp());
    rig.controller->startRecording("mac", Target::frontApp());
    QCOMPARE(rig.state.phase(), Phase::working);
    QTRY_COMPARE(rig.state.phase(), Phase::idle); // too short: dropped
    QVERIFY(!rig.hotkey.externalRecording());

    // From the failed state a toggle clears the message and records.
    rig.controller->fail("Gemini returned 500: boom");
    rig.controller->toggleRecording(Target::frontApp());
    QCOMPARE(rig.state.phase(), Phase::recording);
    QCOMPARE(rig.state.message(), QString());
}

void TestDictationControl::noteTargetRule_data()
{
    QTest::addColumn<bool>("mainWindowKey");
    QTest::addColumn<int>("screen");
    QTest::addColumn<bool>("settingsOpen");
    QTest::addColumn<bool>("noteOpen");
    QTest::addColumn<Target>("requested");
    QTest::addColumn<bool>("intoNote");

    const auto notes = int(Screen::notes);
    QTest::newRow("notes screen with a note open") << true << notes << false << true << Target::frontApp() << true;
    QTest::newRow("settings open") << true << notes << true << true << Target::frontApp() << false;
    QTest::newRow("another screen") << true << int(Screen::history) << false << true << Target::frontApp() << false;
    QTest::newRow("no note open") << true << notes << false << false << Target::frontApp() << false;
    QTest::newRow("another application in front") << false << notes << false << true << Target::frontApp() << false;
    QTest::newRow("history only is kept") << true << notes << false << true << Target::historyOnly() << false;
}

void TestDictationControl::noteTargetRule()
{
    QFETCH(bool, mainWindowKey);
    QFETCH(int, screen);
    QFETCH(bool, settingsOpen);
    QFETCH(bool, noteOpen);
    QFETCH(Target, requested);
    QFETCH(bool, intoNote);

    DictationRig& rig = *m_rig;
    const QUuid note = QUuid::createUuid();
    rig.controller->setMainWindowIsKey([mainWindowKey] { return mainWindowKey; });
    rig.state.setScreen(Screen(screen));
    rig.state.setSettingsOpen(settingsOpen);
    rig.state.setOpenNoteID(noteOpen ? std::optional(note) : std::nullopt);
    rig.controller->toggleRecording(requested);
    QCOMPARE(rig.state.target(), intoNote ? Target::note(note) : requested);
}

void TestDictationControl::shortRecordingsAreDroppedSilently_data()
{
    QTest::addColumn<double>("seconds");
    QTest::addColumn<bool>("kept");
    QTest::newRow("0.39 s") << 0.39 << false;
    QTest::newRow("0.4 s") << 0.4 << true;
}

void TestDictationControl::shortRecordingsAreDroppedSilently()
{
    QFETCH(double, seconds);
    QFETCH(bool, kept);
    DictationRig& rig = *m_rig;
    rig.record(seconds);
    rig.controller->finishRecording();
    QTRY_VERIFY(rig.log().contains("recorded "));
    if (kept) {
        QCOMPARE(rig.sounds.played, (QStringList{"Tink", "Pop"}));
        QCOMPARE(rig.state.phase(), Phase::working);
        QTRY_COMPARE(rig.state.phase(), Phase::failed); // no key in this rig
    } else {
        QCOMPARE(rig.sounds.played, QStringList{"Tink"});
        QCOMPARE(rig.state.phase(), Phase::idle);
        QVERIFY(rig.tempFiles().isEmpty());
        QVERIFY(rig.state.history().entries.isEmpty());
    }
}

void TestDictationControl::cancelKeepsOnlyALongRecording_data()
{
    QTest::addColumn<double>("seconds");
    QTest::addColumn<bool>("quitting");
    QTest::addColumn<bool>("kept");
    QTest::newRow("0.9 s") << 0.9 << false << false;
    QTest::newRow("1.0 s") << 1.0 << false << true;
    QTest::newRow("0.9 s, quitting") << 0.9 << true << false;
    QTest::newRow("1.0 s, quitting") << 1.0 << true << true;
}

void TestDictationControl::cancelKeepsOnlyALongRecording()
{
    QFETCH(double, seconds);
    QFETCH(bool, quitting);
    QFETCH(bool, kept);
    DictationRig& rig = *m_rig;
    rig.state.updateConfig([](Config& config) { config.model = "gemini-test"; });
    rig.record(seconds);
    if (quitting) {
        // Quitting waits for the file: the entry is there when it returns.
        rig.controller->shutDown();
        QCOMPARE(rig.state.history().entries.size(), kept ? 1 : 0);
        QVERIFY(rig.log().contains(kept ? "quit while recording; the recording is kept in History"
                                        : "quit while recording; too short to keep"));
    } else {
        rig.controller->cancelRecording();
        QCOMPARE(rig.state.phase(), Phase::idle);
        QCOMPARE(rig.sounds.played, (QStringList{"Tink", "Funk"}));
        QVERIFY(rig.log().contains("recording cancelled"));
    }
    QVERIFY(!rig.hotkey.externalRecording());
    QTRY_VERIFY(rig.tempFiles().isEmpty());
    if (!kept) {
        QTest::qWait(50);
        QVERIFY(rig.state.history().entries.isEmpty());
        return;
    }
    QTRY_COMPARE(rig.state.history().entries.size(), 1);
    const HistoryEntry entry = rig.state.history().entries.first();
    QCOMPARE(entry.status, HistoryEntry::Status::discarded);
    QCOMPARE(entry.text, QString());
    QCOMPARE(entry.model, QString("gemini-test"));
    QCOMPARE(entry.appName, std::optional<QString>("Editor"));
    QCOMPARE(entry.duration, 1.0);
    QVERIFY(entry.audioFile); // kept although keepAudio is off
    QCOMPARE(rig.keptAudio(), QStringList{*entry.audioFile});
}

void TestDictationControl::ownWindowIsNamedForPeople()
{
    DictationRig& rig = *m_rig;
    rig.front.app = {QStringLiteral("kesto-viruz"), QStringLiteral("kesto-viruz")};
    rig.record(2.0);
    rig.controller->cancelRecording();
    QTRY_COMPARE(rig.state.history().entries.size(), 1);
    QCOMPARE(rig.state.history().entries.first().appName, std::optional<QString>("Kesto Viruz"));
}

void TestDictationControl::recorderFailures()
{
    DictationRig& rig = *m_rig;
    const QList<AudioBackend::Input> inputs = rig.backend.inputs();
    rig.backend.setInputs({});
    rig.state.updateConfig([](Config& config) { config.pauseMedia = true; });
    rig.desktop.playing = true;
    rig.controller->toggleRecording(Target::frontApp());
    QCOMPARE(rig.state.phase(), Phase::failed);
    QCOMPARE(rig.state.message(), AudioFailure::noMicrophone().description());
    QVERIFY(rig.sounds.played.isEmpty());
    rig.clock.advance(DictationController::mediaResumeDelayMs);
    QCOMPARE(rig.desktop.resumes, 1);

    // The recorder giving up during a recording: the failed state, nothing kept.
    rig.backend.setInputs(inputs);
    rig.controller->toggleRecording(Target::frontApp());
    QCOMPARE(rig.state.phase(), Phase::recording);
    rig.controller->recordingFailed(AudioFailure::couldNotStart(AudioFailure::Cause::soundServer, "the device vanished"));
    QCOMPARE(rig.state.phase(), Phase::failed);
    QCOMPARE(rig.state.message(), AudioFailure::couldNotStart(AudioFailure::Cause::soundServer, "the device vanished").description());
    QVERIFY(!rig.hotkey.externalRecording());
    QVERIFY(rig.log().contains("recording stopped on its own: "));
    QVERIFY(rig.state.history().entries.isEmpty());

    // Ignored unless recording.
    rig.controller->recordingFailed(AudioFailure::couldNotStart(AudioFailure::Cause::soundServer, "late"));
    QCOMPARE(rig.state.message(), AudioFailure::couldNotStart(AudioFailure::Cause::soundServer, "the device vanished").description());
}

void TestDictationControl::levelFollowsTheRecorder()
{
    DictationRig& rig = *m_rig;
    rig.controller->toggleRecording(Target::frontApp());
    FakeInputStream* stream = rig.backend.lastStream();
    stream->feed(FakeAudio::sine(stream->format(), 1600, 440, 0.0795)); // -25 dB
    rig.clock.advance(DictationController::levelPollMs);
    QVERIFY(qAbs(rig.state.level() - 0.5) < 0.01);
    stream->feed(FakeAudio::sine(stream->format(), 1600, 440, 0.002)); // below -50 dB
    rig.clock.advance(DictationController::levelPollMs);
    QCOMPARE(rig.state.level(), 0.0);
    stream->feed(FakeAudio::sine(stream->format(), 1600, 440, 0.0795));
    rig.clock.advance(DictationController::levelPollMs);
    QVERIFY(rig.state.level() > 0.4);
    rig.controller->cancelRecording();
    QCOMPARE(rig.state.level(), 0.0);
    QCOMPARE(rig.clock.pendingTimers(), 0);
}

void TestDictationControl::mediaIsResumedAfterTheRecording()
{
    DictationRig& rig = *m_rig;
    rig.record(0.2);
    rig.controller->finishRecording();
    QCOMPARE(rig.desktop.pauses, 0); // pauseMedia is off
    QTRY_COMPARE(rig.state.phase(), Phase::idle);

    rig.state.updateConfig([](Config& config) { config.pauseMedia = true; });
    rig.desktop.playing = true;
    rig.record(0.2);
    QCOMPARE(rig.desktop.pauses, 1);
    QVERIFY(rig.controller->pausedMedia());
    rig.controller->finishRecording();
    QVERIFY(!rig.controller->pausedMedia());
    rig.clock.advance(DictationController::mediaResumeDelayMs - 1);
    QCOMPARE(rig.desktop.resumes, 0);
    rig.clock.advance(1);
    QCOMPARE(rig.desktop.resumes, 1);
    QTRY_COMPARE(rig.state.phase(), Phase::idle);
    rig.clock.advance(5000);
    QCOMPARE(rig.desktop.resumes, 1);

    // Quitting during a recording resumes what it paused, at once.
    rig.record(0.5);
    rig.controller->shutDown();
    QCOMPARE(rig.desktop.resumes, 2);
    QVERIFY(!rig.recorder.isRecording());
}

void TestDictationControl::mediaPauseTakenBackIsNotResumed()
{
    DictationRig& rig = *m_rig;
    rig.state.updateConfig([](Config& config) { config.pauseMedia = true; });
    rig.desktop.playing = true;
    rig.record(1.2);
    rig.desktop.undo(); // the key press started players instead of pausing them
    QVERIFY(!rig.controller->pausedMedia());
    rig.controller->cancelRecording();
    rig.clock.advance(1000);
    QCOMPARE(rig.desktop.resumes, 0);

    // Quitting just after a recording resumes at once, not after the delay.
    rig.record(0.5);
    rig.controller->finishRecording();
    rig.controller->shutDown();
    QCOMPARE(rig.desktop.resumes, 1);
    rig.clock.advance(DictationController::mediaResumeDelayMs);
    QCOMPARE(rig.desktop.resumes, 1);
}

void TestDictationControl::doneAndFailedStatesEndByThemselves()
{
    DictationRig& rig = *m_rig;
    rig.controller->showDone("History", 12, false);
    QCOMPARE(rig.state.doneText(), std::optional<QString>(QString::fromUtf8("History · 12 words")));
    QCOMPARE(rig.state.phase(), Phase::idle);
    rig.clock.advance(1000);
    rig.controller->showDone("Added to the note", 3, true);
    QCOMPARE(rig.state.doneText(), std::optional<QString>("Added to the note"));
    rig.clock.advance(1000); // the first timer would have fired here
    QVERIFY(rig.state.doneText());
    rig.clock.advance(DictationController::doneMs - 1000);
    QCOMPARE(rig.state.doneText(), std::nullopt);

    rig.controller->fail("first");
    rig.clock.advance(3000);
    rig.controller->fail("second");
    rig.clock.advance(3000);
    QCOMPARE(rig.state.phase(), Phase::failed);
    rig.clock.advance(1000);
    QCOMPARE(rig.state.phase(), Phase::idle);
    QCOMPARE(rig.state.message(), QString("second")); // kept until the next start

    // A recording started from the failed state outlives the old timer.
    rig.controller->fail("third");
    rig.controller->toggleRecording(Target::frontApp());
    rig.clock.advance(DictationController::failedMs);
    QCOMPARE(rig.state.phase(), Phase::recording);
}

void TestDictationControl::soundsOff()
{
    DictationRig& rig = *m_rig;
    rig.state.updateConfig([](Config& config) { config.sounds = false; });
    rig.record(1.0);
    rig.controller->cancelRecording();
    rig.record(0.5);
    rig.controller->finishRecording();
    QTRY_COMPARE(rig.state.phase(), Phase::failed);
    QVERIFY(rig.sounds.played.isEmpty());
}

void TestDictationControl::talkKeyWhileWorkingIsAnswered_data()
{
    QTest::addColumn<bool>("toggle");
    QTest::addColumn<bool>("sounds");
    QTest::newRow("held") << false << true;
    QTest::newRow("tapped") << true << true;
    QTest::newRow("held, sounds off") << false << false;
}

void TestDictationControl::talkKeyWhileWorkingIsAnswered()
{
    QFETCH(bool, toggle);
    QFETCH(bool, sounds);
    DictationRig& rig = *m_rig;
    rig.state.updateConfig([&](Config& config) { config.sounds = sounds; });
    rig.controller->setPhase(Phase::working);
    auto press = [&] {
        if (toggle)
            rig.controller->toggleRecording(Target::frontApp());
        else
            rig.controller->startRecording("mac", Target::frontApp());
    };
    // The press, then its end: the release of a held key, or the second tap.
    press();
    QVERIFY(rig.state.stillTranscribingNotice());
    QCOMPARE(rig.sounds.played, sounds ? QStringList{"Basso"} : QStringList());
    QCOMPARE(rig.state.phase(), Phase::working);
    QVERIFY(!rig.recorder.isRecording());
    if (toggle)
        rig.controller->toggleRecording(Target::frontApp());
    else
        rig.controller->finishRecording();
    QVERIFY(!rig.state.stillTranscribingNotice());
    QCOMPARE(rig.sounds.played.size(), sounds ? 1 : 0);
    QCOMPARE(rig.state.phase(), Phase::working);

    // The transcript arriving ends the notice as well.
    press();
    QVERIFY(rig.state.stillTranscribingNotice());
    rig.controller->showDone("Editor", 3, false);
    QVERIFY(!rig.state.stillTranscribingNotice());
}

void TestDictationControl::delivery_data()
{
    QTest::addColumn<int>("target"); // 0 front app, 1 note, 2 deleted note, 3 History only
    QTest::addColumn<bool>("appNamed");
    QTest::addColumn<QString>("doneText");
    QTest::addColumn<bool>("delivered");
    QTest::addColumn<QString>("toast");

    const QString dot = QString::fromUtf8(" · ");
    QTest::newRow("front application") << 0 << true << "Editor" + dot + "3 words" << true << "";
    QTest::newRow("front application without a name") << 0 << false << "Kesto Viruz" + dot + "3 words" << true << "";
    QTest::newRow("note") << 1 << true << "Added to the note" << true << "";
    QTest::newRow("deleted note") << 2 << true << "History" + dot + "3 words" << false << "The note was deleted";
    QTest::newRow("History only") << 3 << true << "History" + dot + "3 words" << false << "";
}

void TestDictationControl::delivery()
{
    QFETCH(int, target);
    QFETCH(bool, appNamed);
    QFETCH(QString, doneText);
    QFETCH(bool, delivered);
    QFETCH(QString, toast);

    DictationRig& rig = *m_rig;
    rig.state.updateConfig([](Config& config) {
        config.insertMethod = "type";
        config.newlineMode = "return";
    });
    Note note;
    note.body = "First line  \n\n";
    rig.state.updateNotes([&](NotesStore& notes) { notes.notes.prepend(note); });
    const Target targets[] = {Target::frontApp(), Target::note(note.id), Target::note(QUuid::createUuid()),
                              Target::historyOnly()};
    const DictationController::App app{appNamed ? std::optional<QString>("Editor") : std::nullopt,
                                       "org.example.editor"};

    QCOMPARE(rig.controller->deliver("one two three", targets[target], app, std::nullopt), delivered);
    QCOMPARE(rig.state.doneText(), std::optional<QString>(doneText));
    QCOMPARE(rig.state.toast() ? rig.state.toast()->title : QString(), toast);
    QCOMPARE(rig.desktop.inserts.size(), target == 0 ? 1 : 0);
    if (target == 0) {
        QCOMPARE(rig.desktop.inserts.first().text, QString("one two three"));
        QCOMPARE(rig.desktop.inserts.first().method, QString("type"));
        QCOMPARE(rig.desktop.inserts.first().newline, QString("return"));
        QCOMPARE(rig.desktop.inserts.first().frontAppId, QString("org.example.editor"));
    }
    QCOMPARE(rig.state.notes().note(note.id)->body, target == 1 ? QString("First line\none two three") : note.body);
}

void TestDictationControl::filingTitlesAndFilesANewNote()
{
    DictationRig& rig = *m_rig;
    NoteFolder work{QUuid::createUuid(), "Work"};
    Note untitled;
    untitled.title = "  \n";
    Note titled;
    titled.title = "My own title";
    Note meeting1, meeting3;
    meeting1.kind = meeting3.kind = "meeting";
    meeting1.number = 1;
    meeting3.number = 3;
    meeting1.title = meeting3.title = "old meeting";
    meeting1.body = meeting3.body = "text";
    rig.state.updateNotes([&](NotesStore& notes) {
        notes.folders = {work};
        notes.notes = {untitled, titled, meeting1, meeting3};
    });

    const NoteFiler::Result meeting{NoteFiler::Kind::meeting, "Planning", " work "};
    NoteJob both;
    both.title = both.folder = true;
    QVERIFY(rig.controller->deliver("notes of the day", Target::note(untitled.id), {}, DictationController::Filing{both, meeting}));
    const Note* filed = rig.state.notes().note(untitled.id);
    QCOMPARE(filed->number, std::optional<qint64>(4));
    QCOMPARE(filed->kind, std::optional<QString>("meeting"));
    QCOMPARE(filed->title, NoteFiler::title(meeting, 4, rig.clock.now()));
    QCOMPARE(filed->folderID, work.id); // matched in another letter case
    QCOMPARE(rig.state.notes().folders.size(), 1);
    QCOMPARE(rig.state.toast()->title, QString("Saved to folder"));
    QCOMPARE(rig.state.toast()->detail, QString("Work"));

    // A title the user typed stays; a new folder is made for an unknown name.
    const NoteFiler::Result idea{NoteFiler::Kind::idea, "Gardens", "Hobbies"};
    QVERIFY(rig.controller->deliver("roof garden", Target::note(titled.id), {}, DictationController::Filing{both, idea}));
    filed = rig.state.notes().note(titled.id);
    QCOMPARE(filed->title, QString("My own title"));
    QCOMPARE(filed->kind, std::nullopt);
    QCOMPARE(rig.state.notes().folders.size(), 2);
    QCOMPARE(rig.state.notes().folders.last().name, QString("Hobbies"));
    QCOMPARE(filed->folderID, rig.state.notes().folders.last().id);

    // Without the folder flag there is no toast, whatever the answer says.
    const std::optional<Toast> before = rig.state.toast();
    NoteJob titleOnly;
    titleOnly.title = true;
    QVERIFY(rig.controller->deliver("more", Target::note(meeting1.id), {}, DictationController::Filing{titleOnly, idea}));
    QCOMPARE(rig.state.toast(), before);
    QCOMPARE(rig.state.notes().note(meeting1.id)->folderID, meeting1.folderID);
}

void TestDictationControl::noteJobs_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("body");
    QTest::addColumn<bool>("job");
    QTest::addColumn<bool>("titleFlag");
    QTest::addColumn<bool>("folderFlag");

    QTest::newRow("new note") << "" << "" << true << true << true;
    QTest::newRow("title, no text") << "Shopping" << "" << true << false << true;
    QTest::newRow("text, no title") << "" << "eggs" << true << true << false;
    QTest::newRow("only white space") << " \n\t" << "\n  \n" << true << true << true;
    QTest::newRow("titled and written") << "Shopping" << "eggs" << false << false << false;
}

void TestDictationControl::noteJobs()
{
    QFETCH(QString, title);
    QFETCH(QString, body);
    QFETCH(bool, job);
    QFETCH(bool, titleFlag);
    QFETCH(bool, folderFlag);

    NotesStore store;
    store.folders = {{QUuid::createUuid(), "Work"}, {QUuid::createUuid(), "Home"}};
    Note note;
    note.title = title;
    note.body = body;
    note.folderID = store.folders.last().id;
    store.notes = {note};
    Config config;
    config.apiKey = "key";
    config.model = "gemini-3.8-flash";
    config.thinkingLevel = "low";

    const std::optional<NoteJob> made = NoteJob::make(Target::note(note.id), store, config, {});
    QCOMPARE(made.has_value(), job);
    QVERIFY(!NoteJob::make(Target::frontApp(), store, config, {}));
    QVERIFY(!NoteJob::make(Target::note(QUuid::createUuid()), store, config, {}));
    if (!made)
        return;
    QCOMPARE(made->title, titleFlag);
    QCOMPARE(made->folder, folderFlag);
    QCOMPARE(made->context.folders, (QStringList{"Work", "Home"}));
    QCOMPARE(made->context.recent, store.recentTitles(10));
    QVERIFY(made->filer);
    QCOMPARE(made->filer->model, config.model); // the configured model keeps its thinking level
    QCOMPARE(made->filer->thinkingLevel, QString("low"));
    QCOMPARE(made->filer->apiKey, QString("key"));

    // A speech-only model files on another text model, without thinking settings,
    // or not at all when there is none.
    config.model = "gemini-3.8-transcribe";
    const std::optional<NoteJob> other = NoteJob::make(Target::note(note.id), store, config,
                                                       {"gemini-3.8-transcribe", "gemini-3.8-flash"});
    QVERIFY(other->filer);
    QCOMPARE(other->filer->model, QString("gemini-3.8-flash"));
    QCOMPARE(other->filer->thinkingLevel, QString());
    QVERIFY(!NoteJob::make(Target::note(note.id), store, config, {"gemini-3.8-transcribe"})->filer);
}

void TestDictationControl::microphoneTest()
{
    DictationRig& rig = *m_rig;
    rig.controller->toggleMicTest();
    QVERIFY(rig.meter.isRunning());
    QCOMPARE(rig.state.micTestLevel(), std::optional<double>(0.0));
    rig.controller->toggleMicTest();
    QVERIFY(!rig.meter.isRunning());
    QCOMPARE(rig.state.micTestLevel(), std::nullopt);

    // Not during a recording.
    rig.controller->toggleRecording(Target::frontApp());
    rig.controller->toggleMicTest();
    QVERIFY(!rig.meter.isRunning());
    rig.controller->cancelRecording();

    // A microphone that cannot start says so in a toast.
    rig.backend.setInputs({});
    rig.controller->toggleMicTest();
    QVERIFY(!rig.meter.isRunning());
    QCOMPARE(rig.state.micTestLevel(), std::nullopt);
    QCOMPARE(rig.state.toast()->title, QString("The microphone did not start"));
    QCOMPARE(rig.state.toast()->tone, ToastTone::danger);
}

void TestDictationControl::microphoneFailuresReadInTheInterfaceLanguage_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("letters"); // any letter outside the language's script
    QTest::newRow("Russian") << "ru" << "[A-Za-z]";
    QTest::newRow("Uzbek") << "uz" << "[\\x{0400}-\\x{04FF}]";
}

void TestDictationControl::microphoneFailuresReadInTheInterfaceLanguage()
{
    QFETCH(QString, language);
    QFETCH(QString, letters);
    L10n::install(language);
    const auto english = qScopeGuard([] { L10n::install(QStringLiteral("en")); });
    const QRegularExpression foreign(letters);
    DictationRig& rig = *m_rig;
    rig.backend.failStart = [](const QAudioFormat&) { return true; };

    // Noise reduction on: the suppressor and then the plain capture fail.
    rig.state.updateConfig([](Config& config) { config.noiseReduction = true; });
    rig.controller->toggleMicTest();
    QVERIFY(rig.state.toast());
    const QString toast = rig.state.toast()->title + u'\n' + rig.state.toast()->detail;
    QVERIFY2(!toast.contains(foreign) && !toast.contains("device") && !toast.contains("Could not"), qPrintable(toast));
    QVERIFY(!rig.state.toast()->detail.isEmpty());

    rig.controller->toggleRecording(Target::frontApp());
    QCOMPARE(rig.state.phase(), Phase::failed);
    QVERIFY2(!rig.state.message().contains(foreign), qPrintable(rig.state.message()));
    QCOMPARE(rig.state.message(), rig.state.toast()->detail);
    for (const auto& [title, body] : rig.desktop.notifications)
        QVERIFY2(!QString(title + body).contains(foreign), qPrintable(title + body));
    // The sound server's own words are in the log.
    QVERIFY(rig.log().contains("(The device did not start.)"));
}

void TestDictationControl::startStopsTheMicrophoneTest()
{
    DictationRig& rig = *m_rig;
    rig.controller->toggleMicTest();
    QVERIFY(rig.meter.isRunning());
    rig.controller->toggleRecording(Target::frontApp());
    QCOMPARE(rig.state.phase(), Phase::recording);
    QVERIFY(!rig.meter.isRunning());
    QCOMPARE(rig.state.micTestLevel(), std::nullopt);
}

QTEST_MAIN(TestDictationControl)
#include "TestDictationControl.moc"
