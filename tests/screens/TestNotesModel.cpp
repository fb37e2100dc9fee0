#include "screens/NotesModel.h"

#include "NotesFixture.h"

#include <QSignalSpy>
#include <QtTest>

// The Notes screen's rules without widgets: start rule, empty notes, the
// dictation target, picking, deleting folders, filing follow and the
// deferred save.
class TestNotesModel final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void startRuleCreatesPersonalFolder();
    void repeatedOpensKeepOneEmptyNote();
    void startFolderOpensItsNewestNote();
    void dictationTargetSurvivesCleanUps_data();
    void dictationTargetSurvivesCleanUps();
    void pickingTheShownNoteDoesNothing();
    void pickingAFolderDropsTheEmptyOpenNote();
    void deletingFolders();
    void filingFollowsOnlyAnOpenedNote();
    void burstOfEditsWritesOnceAfterTheLast();
    void typingWithoutAPauseIsSavedAsItGoes();
    void quittingMidWaitWritesAtQuit();
    void editsOfAGoneNoteAreIgnored();
    void writeByVoicePinsAndFlushesFirst();

private:
    NotesModel& open(const NotesStore& store, std::optional<QUuid> startFolder = std::nullopt);

    std::unique_ptr<NotesFixture> m_fx;
    std::unique_ptr<NotesModel> m_model;
    NoteFolder m_work;
    NoteFolder m_home;
    Note m_plan;   // work, newest
    Note m_budget; // work
    Note m_garden; // home
};

void TestNotesModel::init()
{
    m_fx = std::make_unique<NotesFixture>();
    m_work = NotesFixture::folder(QStringLiteral("Work"));
    m_home = NotesFixture::folder(QStringLiteral("Home"));
    m_plan = m_fx->note(m_work, QStringLiteral("Plan"), QStringLiteral("Q3 goals"), 5);
    m_budget = m_fx->note(m_work, QStringLiteral("Budget"), QStringLiteral("numbers"), 50);
    m_garden = m_fx->note(m_home, QStringLiteral("Garden"), QStringLiteral("tomatoes"), 20);
}

void TestNotesModel::cleanup()
{
    m_model.reset();
    m_fx.reset();
}

NotesModel& TestNotesModel::open(const NotesStore& store, std::optional<QUuid> startFolder)
{
    AppState& state = m_fx->start(store);
    m_model = std::make_unique<NotesModel>(state, m_fx->actions, m_fx->clock);
    m_model->appear(startFolder);
    return *m_model;
}

void TestNotesModel::startRuleCreatesPersonalFolder()
{
    NotesModel& model = open(NotesStore{});
    const NotesStore& store = m_fx->state->notes();
    QCOMPARE(store.folders.size(), 1);
    QCOMPARE(store.folders.first().name, QStringLiteral("Personal"));
    QCOMPARE(store.notes.size(), 1);
    const Note opened = store.notes.first();
    QVERIFY(opened.isBlank());
    QCOMPARE(opened.folderID, store.folders.first().id);
    QCOMPARE(model.noteID(), opened.id);
    QCOMPARE(model.newNoteID(), opened.id);
    QCOMPARE(model.folderID(), std::nullopt);
    QCOMPARE(m_fx->state->openNoteID(), opened.id);
    // Folder and note are on disk at once.
    QCOMPARE(m_fx->onDisk().folders, store.folders);
    QCOMPARE(m_fx->onDisk().notes.size(), 1);
}

void TestNotesModel::repeatedOpensKeepOneEmptyNote()
{
    NotesModel& model = open({{m_work, m_home}, {m_plan, m_garden}});
    for (int round = 0; round < 3; ++round) {
        QCOMPARE(m_fx->blankNotes(), 1);
        QCOMPARE(m_fx->state->notes().notes.size(), 3);
        // With all notes chosen, a new note lands in the first folder.
        QCOMPARE(model.note()->folderID, m_work.id);
        model.disappear();
        QCOMPARE(m_fx->blankNotes(), 0);
        QCOMPARE(m_fx->state->openNoteID(), std::nullopt);
        QCOMPARE(m_fx->onDisk().notes.size(), 2);
        model.appear();
    }
}

void TestNotesModel::startFolderOpensItsNewestNote()
{
    NotesModel& model = open({{m_work, m_home}, {m_budget, m_plan, m_garden}}, m_work.id);
    QCOMPARE(model.folderID(), m_work.id);
    QCOMPARE(model.noteID(), m_plan.id);
    QCOMPARE(m_fx->blankNotes(), 0);
    QCOMPARE(m_fx->state->openNoteID(), m_plan.id);
}

void TestNotesModel::dictationTargetSurvivesCleanUps_data()
{
    QTest::addColumn<int>("phase");
    QTest::addColumn<QString>("operation");
    for (const Phase phase : {Phase::recording, Phase::working}) {
        const char* name = phase == Phase::recording ? "recording" : "working";
        for (const char* operation : {"pickFolder", "pickNote", "newNote", "leave"})
            QTest::addRow("%s, %s", name, operation) << int(phase) << QString::fromLatin1(operation);
    }
}

void TestNotesModel::dictationTargetSurvivesCleanUps()
{
    QFETCH(int, phase);
    QFETCH(QString, operation);
    NotesModel& model = open({{m_work, m_home}, {m_plan, m_garden}});
    const QUuid target = *model.noteID();
    AppState& state = *m_fx->state;
    state.setTarget(Target::note(target));
    state.setPhase(Phase(phase));

    const auto run = [&] {
        if (operation == QLatin1String("pickFolder"))
            model.pickFolder(m_home.id);
        else if (operation == QLatin1String("pickNote"))
            model.pickNote(m_garden.id);
        else if (operation == QLatin1String("newNote"))
            model.pickFolder(m_home.id), model.newNote();
        else
            model.disappear(), model.appear(m_home.id);
    };
    run();
    QVERIFY(state.notes().note(target));

    // Once the dictation is over, the next clean-up drops it.
    state.setPhase(Phase::idle);
    model.pickFolder(m_home.id);
    QVERIFY(!state.notes().note(target));
}

void TestNotesModel::pickingTheShownNoteDoesNothing()
{
    NotesModel& model = open({{m_work, m_home}, {m_plan, m_garden}});
    const QUuid blank = *model.noteID();
    model.setTitle(blank, QStringLiteral(" "));
    QVERIFY(model.saver().isPending());
    model.pickNote(blank);
    QVERIFY(model.saver().isPending());
    QCOMPARE(m_fx->blankNotes(), 1);

    // Another note: the edit is stored first, the blank note goes.
    model.pickNote(m_garden.id);
    QVERIFY(!model.saver().isPending());
    QCOMPARE(m_fx->blankNotes(), 0);
    QCOMPARE(model.noteID(), m_garden.id);
    QCOMPARE(model.newNoteID(), std::nullopt);
}

void TestNotesModel::pickingAFolderDropsTheEmptyOpenNote()
{
    const NoteFolder empty = NotesFixture::folder(QStringLiteral("Empty"));
    NotesModel& model = open({{m_work, m_home, empty}, {m_budget, m_plan, m_garden}});
    model.pickFolder(m_work.id);
    QCOMPARE(m_fx->blankNotes(), 0);
    QCOMPARE(model.note()->id, m_plan.id);
    model.pickFolder(empty.id);
    QCOMPARE(model.note(), std::nullopt);
    // Picking the chosen folder again still reopens its newest note.
    model.pickFolder(m_work.id);
    model.pickNote(m_budget.id);
    model.pickFolder(m_work.id);
    QCOMPARE(model.noteID(), m_plan.id);
}

void TestNotesModel::deletingFolders()
{
    NotesModel& model = open({{m_work, m_home}, {m_budget, m_plan, m_garden}}, m_work.id);
    // Another folder: the selection stays.
    model.deleteFolder(m_home.id);
    QCOMPARE(model.folderID(), m_work.id);
    QCOMPARE(model.noteID(), m_plan.id);
    QVERIFY(!m_fx->state->notes().note(m_garden.id));

    // The chosen one: back to all notes, newest remaining note open.
    model.pickFolder(std::nullopt);
    model.pickNote(m_garden.id); // gone: the list's first note shows
    QCOMPARE(model.note()->id, m_plan.id);
    model.pickFolder(m_work.id);
    model.deleteFolder(m_work.id);
    QCOMPARE(model.folderID(), std::nullopt);
    QCOMPARE(model.noteID(), std::nullopt);
    QCOMPARE(model.note(), std::nullopt);
    QVERIFY(m_fx->onDisk().folders.isEmpty());
    QVERIFY(m_fx->onDisk().notes.isEmpty());
}

void TestNotesModel::filingFollowsOnlyAnOpenedNote()
{
    NotesModel& model = open({{m_work, m_home}, {m_budget, m_plan, m_garden}}, m_work.id);
    AppState& state = *m_fx->state;
    const auto file = [&state](const QUuid& note, const QString& folder) {
        state.updateNotes([&](NotesStore& s) { s.file(note, std::nullopt, std::nullopt, std::nullopt, folder); });
    };

    // The opened note moves: the folder selection comes along.
    file(m_plan.id, QStringLiteral("Home"));
    QCOMPARE(model.folderID(), m_home.id);
    QCOMPARE(model.note()->id, m_plan.id);

    // With all notes chosen nothing moves.
    model.pickFolder(std::nullopt);
    file(m_plan.id, QStringLiteral("Work"));
    QCOMPARE(model.folderID(), std::nullopt);

    // A note shown only as the list's first entry stays behind.
    model.addFolder();
    const QUuid fresh = *model.folderID();
    QCOMPARE(model.noteID(), std::nullopt);
    file(m_budget.id, state.notes().folders.last().name);
    QCOMPARE(model.note()->id, m_budget.id);
    file(m_budget.id, QStringLiteral("Home"));
    QCOMPARE(model.folderID(), fresh);
    QCOMPARE(model.note(), std::nullopt);
}

void TestNotesModel::burstOfEditsWritesOnceAfterTheLast()
{
    NotesModel& model = open({{m_work}, {m_budget, m_plan}}, m_work.id);
    QSignalSpy published(m_fx->state.get(), &AppState::notesChanged);
    const QDateTime before = m_fx->state->notes().note(m_budget.id)->updated;
    for (const QString& text : {QStringLiteral("n"), QStringLiteral("nu"), QStringLiteral("num")}) {
        model.setBody(m_budget.id, text);
        m_fx->clock.advance(400);
        QCOMPARE(m_fx->onDisk().note(m_budget.id)->body, QStringLiteral("numbers"));
    }
    // In memory at once, unstamped: the list keeps its order while typing.
    QCOMPARE(m_fx->state->notes().note(m_budget.id)->body, QStringLiteral("num"));
    QCOMPARE(m_fx->state->notes().note(m_budget.id)->updated, before);
    QCOMPARE(model.listedNotes().first().id, m_plan.id);

    m_fx->clock.advance(199);
    QCOMPARE(m_fx->onDisk().note(m_budget.id)->body, QStringLiteral("numbers"));
    m_fx->clock.advance(1);
    QCOMPARE(m_fx->onDisk().note(m_budget.id)->body, QStringLiteral("num"));
    QCOMPARE(published.size(), 3 + 1);
    QVERIFY(m_fx->state->notes().note(m_budget.id)->updated > before);
    QCOMPARE(model.listedNotes().first().id, m_budget.id);
    QCOMPARE(m_fx->clock.pendingTimers(), 0);
}

void TestNotesModel::typingWithoutAPauseIsSavedAsItGoes()
{
    NotesModel& model = open({{m_work}, {m_budget, m_plan}}, m_work.id);
    QString typed;
    QString lastOnDisk = m_fx->onDisk().note(m_budget.id)->body;
    qint64 lastSaveMs = 0;
    int saves = 0;
    // One key every 150 ms for 5 s: never the 0.6 s of quiet.
    for (qint64 ms = 0; ms < 5000; ms += 150) {
        typed += QLatin1Char('a' + int(ms / 150) % 26);
        model.setBody(m_budget.id, typed);
        m_fx->clock.advance(150);
        const QString onDisk = m_fx->onDisk().note(m_budget.id)->body;
        if (onDisk != lastOnDisk) {
            ++saves;
            lastOnDisk = onDisk;
            lastSaveMs = ms + 150;
        }
        QVERIFY2(ms + 150 - lastSaveMs <= SaveLater::maxWaitMs + 150, qPrintable(QString::number(ms)));
    }
    QVERIFY2(saves >= 2, qPrintable(QString::number(saves)));
    m_fx->clock.advance(SaveLater::delayMs);
    QCOMPARE(m_fx->onDisk().note(m_budget.id)->body, typed);
}

void TestNotesModel::quittingMidWaitWritesAtQuit()
{
    NotesModel& model = open({{m_work}, {m_plan}});
    const QUuid blank = *model.noteID();
    model.setTitle(m_plan.id, QStringLiteral("Plan B"));
    m_fx->clock.advance(300);
    m_fx->state->announceQuit();
    QCOMPARE(m_fx->onDisk().note(m_plan.id)->title, QStringLiteral("Plan B"));
    QVERIFY(!model.saver().isPending());
    // Quitting drops nothing.
    QVERIFY(m_fx->onDisk().note(blank));
}

void TestNotesModel::editsOfAGoneNoteAreIgnored()
{
    NotesModel& model = open({{m_work}, {m_plan}});
    model.setBody(m_plan.id, QStringLiteral("draft"));
    // Deleted elsewhere while the save waits: nothing comes back.
    m_fx->state->updateNotes([this](NotesStore& s) { s.deleteNote(m_plan.id); });
    m_fx->clock.advance(600);
    QVERIFY(!m_fx->onDisk().note(m_plan.id));
    model.setBody(m_plan.id, QStringLiteral("again"));
    QVERIFY(!model.saver().isPending());
}

void TestNotesModel::writeByVoicePinsAndFlushesFirst()
{
    NotesModel& model = open({{m_work}, {m_budget, m_plan}});
    model.pickFolder(m_work.id);
    model.setBody(m_budget.id, QStringLiteral("numbers and more"));
    model.pressDictation(m_budget.id);
    QCOMPARE(m_fx->toggles, QList<Target>{Target::note(m_budget.id)});
    QCOMPARE(model.noteID(), m_budget.id);
    QCOMPARE(m_fx->onDisk().note(m_budget.id)->body, QStringLiteral("numbers and more"));

    // While it records, Stop passes the press on; other notes cannot start one.
    m_fx->state->setTarget(Target::note(m_budget.id));
    m_fx->state->setPhase(Phase::recording);
    QCOMPARE(model.dictation(m_budget.id), NotesModel::Dictation::stop);
    QCOMPARE(model.dictation(m_plan.id), NotesModel::Dictation::writeDisabled);
    model.pressDictation(m_plan.id);
    model.pressDictation(m_budget.id);
    QCOMPARE(m_fx->toggles.size(), 2);
    QCOMPARE(m_fx->toggles.last(), Target::note(m_budget.id));
}

QTEST_GUILESS_MAIN(TestNotesModel)
#include "TestNotesModel.moc"
