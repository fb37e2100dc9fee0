#include "core/AppState.h"
#include "core/StoreFile.h"

#include "FakeClock.h"
#include "TempDataDir.h"

#include <QSignalSpy>
#include <QtTest>

class TestAppState final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { StoreFile::releaseAll(); }

    void loadsDefaultsWhenFilesAreMissing();
    void setsAsideUnreadableFiles();
    void loadsSavedFiles();
    void phaseRuleResetsTheStage();
    void stagesOnlyMoveWhileWorking();
    void processingMessageNeverGoesBackInTime();
    void toastsReplaceAndHide();
    void toastHideAfterStateIsGone();
    void toastNamingAFileStaysToBeRead();
    void phoneConnectedForFortyFiveSeconds_data();
    void phoneConnectedForFortyFiveSeconds();
    void lastTranscriptSkipsFailures();
    void mutatorsEmitOnceAndOnlyOnChange();
    void actionsDoNothingUntilInstalled();
};

void TestAppState::loadsDefaultsWhenFilesAreMissing()
{
    TempDataDir dir;
    FakeClock clock;
    AppState state(clock);
    QCOMPARE(state.config(), Config());
    QVERIFY(QFileInfo::exists(dir.filePath(QStringLiteral("config.json"))));
    QVERIFY(state.history().entries.isEmpty());
    QVERIFY(!QFileInfo::exists(dir.filePath(QStringLiteral("history.json"))));
    QCOMPARE(state.notes().folders.size(), 2);
    QVERIFY(!QFileInfo::exists(dir.filePath(QStringLiteral("notes.json"))));
    QCOMPARE(state.phase(), Phase::idle);
    QCOMPARE(state.source(), QStringLiteral("mac"));
    QCOMPARE(state.target(), Target::frontApp());
    QCOMPARE(state.screen(), Screen::history);
    QCOMPARE(state.settingsTab(), SettingsTab::general);
    QCOMPARE(state.keyStatus(), KeyStatus());
    QVERIFY(!state.userName().isEmpty());
}

void TestAppState::setsAsideUnreadableFiles()
{
    TempDataDir dir;
    dir.write(QStringLiteral("config.json"), "{not json");
    dir.write(QStringLiteral("history.json"), "[]");
    dir.write(QStringLiteral("notes.json"), R"({"folders": 3, "notes": []})");
    FakeClock clock;
    AppState state(clock);
    QCOMPARE(state.config(), Config());
    QVERIFY(state.history().entries.isEmpty());
    QCOMPARE(state.notes().folders.size(), 2);
    const QStringList aside = QDir(dir.path()).entryList({QStringLiteral("*.broken-*")});
    QCOMPARE(aside.size(), 3);
    QCOMPARE(Config::decode(dir.read(QStringLiteral("config.json"))), std::optional<Config>(Config()));
    QVERIFY(!QFileInfo::exists(dir.filePath(QStringLiteral("history.json"))));
}

void TestAppState::loadsSavedFiles()
{
    TempDataDir dir;
    Config config;
    config.apiKey = QStringLiteral("k");
    QVERIFY(config.save());
    History history;
    HistoryEntry e;
    e.text = QStringLiteral("saved");
    history.add(e);

    FakeClock clock;
    AppState state(clock);
    QCOMPARE(state.config().apiKey, QStringLiteral("k"));
    QCOMPARE(state.history().entries.size(), 1);
    QCOMPARE(state.lastTranscript(), QStringLiteral("saved"));
}

void TestAppState::phaseRuleResetsTheStage()
{
    TempDataDir dir;
    FakeClock clock;
    AppState state(clock);
    QSignalSpy spy(&state, &AppState::phaseChanged);

    state.setPhase(Phase::idle);
    QCOMPARE(spy.count(), 0);

    state.setPhase(Phase::working);
    QCOMPARE(state.processingStage(), DictationStage::preparing);
    QCOMPARE(state.processingStarted(), std::optional<QDateTime>(clock.now()));

    const QDateTime t = clock.now().addSecs(2);
    state.setProcessingStage(DictationStage::transcribing, t);
    state.setProcessingStage(DictationStage::transcribing, t.addSecs(5));
    QCOMPARE(state.processingStarted(), std::optional<QDateTime>(t));
    QCOMPARE(spy.count(), 2);

    // Setting the same phase again keeps stage and start.
    state.setPhase(Phase::working);
    QCOMPARE(state.processingStage(), DictationStage::transcribing);

    state.setPhase(Phase::idle);
    QCOMPARE(state.processingStage(), DictationStage::preparing);
    QVERIFY(!state.processingStarted());
    QCOMPARE(spy.count(), 3);
}

void TestAppState::stagesOnlyMoveWhileWorking()
{
    TempDataDir dir;
    FakeClock clock;
    AppState state(clock);
    for (Phase phase : {Phase::idle, Phase::recording, Phase::failed}) {
        state.setPhase(phase);
        state.setProcessingStage(DictationStage::transcribing, clock.now());
        QCOMPARE(state.processingStage(), DictationStage::preparing);
        QVERIFY(!state.processingStarted());
    }
}

void TestAppState::processingMessageNeverGoesBackInTime()
{
    TempDataDir dir;
    FakeClock clock;
    AppState state(clock);
    QCOMPARE(state.processingMessage(clock.now()), QStringLiteral("Preparing audio…"));

    state.setPhase(Phase::working);
    const QDateTime start = clock.now();
    state.setProcessingStage(DictationStage::transcribing, start);
    QCOMPARE(state.processingMessage(start.addSecs(-30)), QStringLiteral("Turning speech into text…"));
    QCOMPARE(state.processingMessage(start.addSecs(10)), QStringLiteral("Still processing your audio…"));

    state.setProcessingStage(DictationStage::retrying, start.addSecs(10));
    QCOMPARE(state.processingMessage(start.addSecs(11)), QStringLiteral("Trying again…"));
    state.setProcessingStage(DictationStage::transcribing, start.addSecs(12));
    QCOMPARE(state.processingMessage(start.addSecs(13)), QStringLiteral("Turning speech into text…"));
}

void TestAppState::toastsReplaceAndHide()
{
    TempDataDir dir;
    FakeClock clock;
    AppState state(clock);
    QSignalSpy spy(&state, &AppState::toastChanged);

    state.showToast(QStringLiteral("Saved"), QStringLiteral("one"), ToastTone::success);
    const Toast first = *state.toast();
    clock.advance(1000);
    state.showToast(QStringLiteral("Saved"), QStringLiteral("one"), ToastTone::success);
    const Toast second = *state.toast();
    QVERIFY(!(first == second)); // same text, another showing
    QCOMPARE(second.tone, ToastTone::success);

    clock.advance(1700); // 2.7 s after the first: its hide was cancelled
    QVERIFY(state.toast());
    QCOMPARE(state.toast()->id, second.id);
    clock.advance(900); // 2.6 s after the second
    QVERIFY(!state.toast());
    QCOMPARE(spy.count(), 3);
    QCOMPARE(clock.pendingTimers(), 0);
}

void TestAppState::toastNamingAFileStaysToBeRead()
{
    TempDataDir dir;
    FakeClock clock;
    AppState state(clock);
    const QString detail = QStringLiteral("config.json could not be read; it was kept as "
                                          "config.json.broken-2026-12-08T014200 in /home/aziza/.local/share/Kesto Viruz.");
    state.showToast(QStringLiteral("Some data could not be read"), detail, ToastTone::warning);
    clock.advance(2600);
    QVERIFY2(state.toast(), "gone before the path could be read");
    // Then it goes, once its length's reading time is over.
    clock.advance(AppState::toastMs(QStringLiteral("Some data could not be read"), detail) - 2600 - 1);
    QVERIFY(state.toast());
    clock.advance(1);
    QVERIFY(!state.toast());
}

void TestAppState::toastHideAfterStateIsGone()
{
    TempDataDir dir;
    FakeClock clock;
    {
        AppState state(clock);
        state.showToast(QStringLiteral("t"), QString(), ToastTone::info);
    }
    clock.advance(3000); // must not touch the destroyed state
    QCOMPARE(clock.pendingTimers(), 0);
}

void TestAppState::phoneConnectedForFortyFiveSeconds_data()
{
    QTest::addColumn<qint64>("agoMs"); // -1: never seen
    QTest::addColumn<bool>("connected");
    QTest::newRow("never") << qint64(-1) << false;
    QTest::newRow("44.9 s") << qint64(44900) << true;
    QTest::newRow("45.0 s") << qint64(45000) << false;
    QTest::newRow("in the future") << qint64(-5000) << true;
}

void TestAppState::phoneConnectedForFortyFiveSeconds()
{
    QFETCH(qint64, agoMs);
    QFETCH(bool, connected);
    TempDataDir dir;
    FakeClock clock;
    AppState state(clock);
    if (agoMs != -1)
        state.setPhoneLastSeen(clock.now().addMSecs(-agoMs));
    QCOMPARE(state.phoneConnected(), connected);
}

void TestAppState::lastTranscriptSkipsFailures()
{
    TempDataDir dir;
    FakeClock clock;
    AppState state(clock);
    QCOMPARE(state.lastTranscript(), QString());
    QSignalSpy spy(&state, &AppState::historyChanged);
    state.updateHistory([](History& h) {
        auto make = [](const QString& text, HistoryEntry::Status status) {
            HistoryEntry e;
            e.text = text;
            e.status = status;
            return e;
        };
        h.entries = {make(QStringLiteral("F"), HistoryEntry::Status::failed),
                     make(QStringLiteral("D"), HistoryEntry::Status::discarded),
                     make(QStringLiteral("B"), HistoryEntry::Status::done),
                     make(QStringLiteral("A"), HistoryEntry::Status::done)};
    });
    QCOMPARE(spy.count(), 1);
    QCOMPARE(state.lastTranscript(), QStringLiteral("B"));
}

void TestAppState::mutatorsEmitOnceAndOnlyOnChange()
{
    TempDataDir dir;
    FakeClock clock;
    AppState state(clock);
    QSignalSpy config(&state, &AppState::configChanged);
    QSignalSpy navigation(&state, &AppState::navigationChanged);
    QSignalSpy phone(&state, &AppState::phoneChanged);

    state.updateConfig([](Config& c) {
        c.sounds = false;
        c.theme = ThemeMode::dark;
        c.keepSilenceSeconds = qQNaN(); // never stored as such
    });
    QCOMPARE(config.count(), 1);
    QCOMPARE(state.config().keepSilenceSeconds, 0.25);
    state.updateConfig([](Config& c) { c.sounds = false; });
    QCOMPARE(config.count(), 1);

    state.setSettingsTab(SettingsTab::ai);
    state.setSettingsTab(SettingsTab::ai);
    state.setSettingsOpen(true);
    QCOMPARE(navigation.count(), 2);

    state.setPhoneLinks({QStringLiteral("https://a")}, {QStringLiteral("http://a")});
    state.setPhoneLinks({QStringLiteral("https://a")}, {QStringLiteral("http://a")});
    QCOMPARE(phone.count(), 1);

    QCOMPARE(rawValue(SettingsTab::microphone), QStringLiteral("microphone"));
    QCOMPARE(screenFromRaw(QStringLiteral("notes")), std::optional<Screen>(Screen::notes));
    QVERIFY(!screenFromRaw(QStringLiteral("Notes")));
    QCOMPARE(KeyStatus::failed(QStringLiteral("a")) == KeyStatus::failed(QStringLiteral("b")), false);
    QCOMPARE(Target::note(QUuid()) == Target::frontApp(), false);
}

void TestAppState::actionsDoNothingUntilInstalled()
{
    TempDataDir dir;
    FakeClock clock;
    AppState state(clock);
    state.actions().toggleDictation(Target::historyOnly());
    state.actions().cancelDictation();
    state.actions().retry(QUuid::createUuid());
    state.actions().insert(QStringLiteral("x"));
    state.actions().checkKey();
    state.actions().toggleMicTest();
    state.actions().newPhoneCode();
    state.actions().openOnboarding();

    Target received;
    AppActions actions;
    actions.toggleDictation = [&received](const Target& t) { received = t; };
    state.setActions(actions);
    const QUuid id = QUuid::createUuid();
    state.actions().toggleDictation(Target::note(id));
    QCOMPARE(received, Target::note(id));
}

QTEST_GUILESS_MAIN(TestAppState)
#include "TestAppState.moc"
