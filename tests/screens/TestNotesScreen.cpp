#include "core/Format.h"
#include "design/Onest.h"
#include "design/components/Alert.h"
#include "design/components/EmptyStateView.h"
#include "design/components/SButton.h"
#include "design/components/SIconButton.h"
#include "design/components/SInput.h"
#include "screens/FolderRow.h"
#include "screens/NoteRow.h"
#include "screens/NoteTextView.h"
#include "screens/NotesListRow.h"

#include "NotesScreenRig.h"

#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>

#include <cmath>

// The Notes screen's widgets offscreen: folders added, renamed and deleted,
// the search, counts, the empty states, the dictation button and deleting a
// note.
class TestNotesScreen final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { Onest::registerFaces(); }
    void init();
    void cleanup() { m_rig.reset(); }

    void addsAndRenamesAFolder_data();
    void addsAndRenamesAFolder();
    void doubleClickPicksAndRenames();
    void otherWindowLeavesTheRenameOpen();
    void deletesFolders();
    void searchFiltersWithoutChangingTheSelection();
    void emptyStates();
    void dictationButtonFollowsTheDictation_data();
    void dictationButtonFollowsTheDictation();
    void processingTextChangesEverySecond();
    void typingReordersOnlyOnSave();
    void deletingTheOpenNote();
    void columnWidthFollowsTheScreen_data();
    void columnWidthFollowsTheScreen();

private:
    NotesStore sample() const;
    static void contextMenu(FolderRow* row, const char* action);

    std::unique_ptr<NotesScreenRig> m_rig;
    NoteFolder m_work;
    NoteFolder m_home;
    NoteFolder m_empty;
    Note m_meeting;
    Note m_end;
    Note m_garden;
};

void TestNotesScreen::init()
{
    m_rig = std::make_unique<NotesScreenRig>();
    m_work = NotesFixture::folder(QStringLiteral("Work"));
    m_home = NotesFixture::folder(QStringLiteral("Home"));
    m_empty = NotesFixture::folder(QStringLiteral("Archive"));
    m_meeting = m_rig->fx.note(m_work, QStringLiteral("Weekly"), QStringLiteral("Notes from the MEETING"), 5);
    m_end = m_rig->fx.note(m_work, QStringLiteral("end"), QStringLiteral("start of it"), 10);
    m_garden = m_rig->fx.note(m_home, QStringLiteral("Garden"), QStringLiteral("tomatoes"), 20);
}

NotesStore TestNotesScreen::sample() const
{
    return {{m_work, m_home, m_empty}, {m_meeting, m_end, m_garden}};
}

void TestNotesScreen::contextMenu(FolderRow* row, const char* action)
{
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(4, 4), row->mapToGlobal(QPoint(4, 4)));
    QApplication::sendEvent(row, &event);
    QVERIFY(row->contextMenu());
    QAction* entry = row->contextMenu()->findChild<QAction*>(QString::fromLatin1(action));
    QVERIFY(entry);
    entry->trigger();
    row->contextMenu()->close();
}

void TestNotesScreen::addsAndRenamesAFolder_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("ending");
    QTest::addColumn<QString>("name");
    QTest::newRow("Return, trimmed") << QStringLiteral("  Work  ") << QStringLiteral("return") << QStringLiteral("Work");
    QTest::newRow("focus leaves, trimmed") << QStringLiteral(" Ideas ") << QStringLiteral("focus") << QStringLiteral("Ideas");
    QTest::newRow("blank keeps the name") << QStringLiteral("   ") << QStringLiteral("return") << QStringLiteral("New folder");
    QTest::newRow("Escape keeps the name") << QStringLiteral("Work") << QStringLiteral("escape") << QStringLiteral("New folder");
}

void TestNotesScreen::addsAndRenamesAFolder()
{
    QFETCH(QString, typed);
    QFETCH(QString, ending);
    QFETCH(QString, name);
    QVERIFY(m_rig->show(sample()));
    NotesColumn& column = m_rig->column();
    QTest::mouseClick(column.addFolderButton(), Qt::LeftButton);

    const QList<FolderRow*> rows = column.folderRows();
    QCOMPARE(rows.size(), 4);
    FolderRow* added = rows.last();
    QCOMPARE(added->text(), QStringLiteral("New folder"));
    QVERIFY(added->isOn());
    QVERIFY(!column.allNotesRow()->isOn());
    QVERIFY(added->isRenaming());
    QVERIFY(m_rig->detail().showsEmptyState());
    QTRY_VERIFY(added->field()->hasFocus());
    QCOMPARE(added->field()->text(), QStringLiteral("New folder"));

    QSignalSpy renamed(added, &FolderRow::renamed);
    added->field()->clear();
    QTest::keyClicks(added->field(), typed);
    if (ending == QLatin1String("return"))
        QTest::keyClick(added->field(), Qt::Key_Return);
    else if (ending == QLatin1String("escape"))
        QTest::keyClick(added->field(), Qt::Key_Escape);
    else
        column.searchField()->lineEdit()->setFocus();

    QVERIFY(!added->isRenaming());
    QCOMPARE(m_rig->model().renaming(), std::nullopt);
    QCOMPARE(added->text(), name);
    QCOMPARE(m_rig->fx.onDisk().folders.last().name, name);
    QCOMPARE(renamed.count(), ending == QLatin1String("escape") ? 0 : 1);
    // Renamed elsewhere since, the folder keeps that name when the focus
    // moves on: the closed field renames nothing more.
    const QUuid id = m_rig->fx.state->notes().folders.last().id;
    m_rig->fx.state->updateNotes([&id](NotesStore& s) { s.renameFolder(id, QStringLiteral("Renamed elsewhere")); });
    added->setFocus();
    column.searchField()->lineEdit()->setFocus();
    QCOMPARE(m_rig->fx.state->notes().folders.last().name, QStringLiteral("Renamed elsewhere"));
    QCOMPARE(renamed.count(), ending == QLatin1String("escape") ? 0 : 1);
}

void TestNotesScreen::otherWindowLeavesTheRenameOpen()
{
    QVERIFY(m_rig->show(sample()));
    FolderRow* home = m_rig->column().folderRows().at(1);
    QTest::mouseDClick(home, Qt::LeftButton);
    QTRY_VERIFY(home->field()->hasFocus());
    home->field()->clear();
    QTest::keyClicks(home->field(), QStringLiteral("Hom"));

    // Another window takes over while the name is half typed.
    QWidget other;
    other.resize(200, 100);
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    QVERIFY(home->isRenaming());
    QCOMPARE(home->field()->text(), QStringLiteral("Hom"));
    QCOMPARE(m_rig->fx.state->notes().folders.at(1).name, QStringLiteral("Home"));
    QCOMPARE(m_rig->fx.onDisk().folders.at(1).name, QStringLiteral("Home"));

    // Back in the window, the field is as it was and typing goes on.
    QWidget* window = home->window();
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
    QTRY_VERIFY(home->field()->hasFocus());
    QTest::keyClicks(home->field(), QStringLiteral("e office"));
    QTest::keyClick(home->field(), Qt::Key_Return);
    QCOMPARE(m_rig->fx.onDisk().folders.at(1).name, QStringLiteral("Home office"));
}

void TestNotesScreen::doubleClickPicksAndRenames()
{
    QVERIFY(m_rig->show(sample()));
    FolderRow* home = m_rig->column().folderRows().at(1);
    QTest::mouseClick(home, Qt::LeftButton);
    QTest::mouseDClick(home, Qt::LeftButton);
    QCOMPARE(m_rig->model().folderID(), m_home.id);
    QVERIFY(home->isRenaming());
    QTRY_VERIFY(home->field()->hasFocus());
    QTest::keyClick(home->field(), Qt::Key_End);
    QTest::keyClicks(home->field(), QStringLiteral(" too"));
    // Clicks on a row being renamed do nothing and keep the typing.
    QTest::mouseClick(home, Qt::LeftButton, {}, QPoint(home->width() - 4, 4));
    QTest::mouseDClick(home, Qt::LeftButton, {}, QPoint(home->width() - 4, 4));
    QVERIFY(home->isRenaming());
    QVERIFY(home->field()->hasFocus());
    QCOMPARE(home->field()->text(), QStringLiteral("Home too"));

    // The context menu renames the same way.
    QTest::keyClick(home->field(), Qt::Key_Return);
    FolderRow* work = m_rig->column().folderRows().at(0);
    contextMenu(work, "renameAction");
    QVERIFY(work->isRenaming());
    QCOMPARE(m_rig->model().folderID(), m_home.id);
    QCOMPARE(m_rig->fx.state->notes().folders.at(1).name, QStringLiteral("Home too"));
}

void TestNotesScreen::deletesFolders()
{
    QVERIFY(m_rig->show(sample()));
    NotesColumn& column = m_rig->column();

    // Without notes: at once.
    contextMenu(column.folderRows().at(2), "deleteAction");
    QCOMPARE(column.folderRows().size(), 2);
    QVERIFY(!m_rig->screen->deleteAlert());

    // With notes: asked first; Cancel keeps everything.
    m_rig->model().pickFolder(m_work.id);
    contextMenu(column.folderRows().at(0), "deleteAction");
    Alert* alert = m_rig->screen->deleteAlert();
    QVERIFY(alert);
    QTRY_VERIFY(alert->isVisible());
    QCOMPARE(alert->title(), QStringLiteral("Delete the folder “Work”?"));
    QCOMPARE(alert->message(), QStringLiteral("The 2 notes in it are deleted too."));
    // Over the whole window, its card in the middle.
    QCOMPARE(alert->geometry(), alert->window()->rect());
    QVERIFY(std::abs(alert->cardRect().center().x() - alert->window()->rect().center().x()) <= 1);
    QVERIFY(std::abs(alert->cardRect().center().y() - alert->window()->rect().center().y()) <= 1);
    QTest::mouseClick(alert->findChild<SButton*>(QStringLiteral("cancelDelete")), Qt::LeftButton);
    QTRY_VERIFY(!m_rig->screen->deleteAlert());
    QCOMPARE(m_rig->model().folderToDelete(), std::nullopt);
    QCOMPARE(m_rig->fx.onDisk().folders.size(), 2);

    // Escape is Cancel too, from a button of it.
    contextMenu(column.folderRows().at(0), "deleteAction");
    QTRY_VERIFY(m_rig->screen->deleteAlert() && m_rig->screen->deleteAlert()->isVisible());
    QTest::keyClick(m_rig->screen->deleteAlert()->findChild<SButton*>(QStringLiteral("confirmDelete")), Qt::Key_Escape);
    QTRY_VERIFY(!m_rig->screen->deleteAlert());
    QCOMPARE(m_rig->fx.onDisk().folders.size(), 2);

    contextMenu(column.folderRows().at(0), "deleteAction");
    QTest::mouseClick(m_rig->screen->deleteAlert()->findChild<SButton*>(QStringLiteral("confirmDelete")), Qt::LeftButton);
    QTRY_VERIFY(!m_rig->screen->deleteAlert());
    QCOMPARE(column.folderRows().size(), 1);
    QCOMPARE(m_rig->fx.onDisk().notes.size(), 1);
    QVERIFY(column.allNotesRow()->isOn());
    QCOMPARE(m_rig->editor()->noteID(), m_garden.id);
}

void TestNotesScreen::searchFiltersWithoutChangingTheSelection()
{
    QVERIFY(m_rig->show(sample()));
    NotesColumn& column = m_rig->column();
    m_rig->model().pickFolder(m_work.id);
    m_rig->model().pickNote(m_end.id);
    const auto shown = [&column] {
        QStringList titles;
        for (NoteRow* row : column.noteRows())
            titles << row->shownTitle();
        return titles;
    };
    QCOMPARE(shown(), (QStringList{QStringLiteral("Weekly"), QStringLiteral("end")}));

    QLineEdit* search = column.searchField()->lineEdit();
    QTest::keyClicks(search, QStringLiteral("  meeting "));
    QCOMPARE(shown(), QStringList{QStringLiteral("Weekly")});
    // Across title and body joined by one space.
    search->clear();
    QTest::keyClicks(search, QStringLiteral("end start"));
    QCOMPARE(shown(), QStringList{QStringLiteral("end")});
    search->clear();
    QTest::keyClicks(search, QStringLiteral("nothing like it"));
    QVERIFY(shown().isEmpty());

    // The open note and every count stay as they were.
    QCOMPARE(m_rig->editor()->noteID(), m_end.id);
    QCOMPARE(column.allNotesRow()->count(), 3);
    QCOMPARE(column.folderRows().at(0)->count(), 2);
    QCOMPARE(column.folderRows().at(1)->count(), 1);
    // A new note clears the search.
    QTest::mouseClick(column.newNoteButton(), Qt::LeftButton);
    QCOMPARE(column.searchField()->text(), QString());
}

void TestNotesScreen::emptyStates()
{
    QVERIFY(m_rig->show(sample()));
    NoteDetail& detail = m_rig->detail();
    QVERIFY(!detail.showsEmptyState());
    QTest::mouseClick(m_rig->column().folderRows().at(2), Qt::LeftButton);
    QVERIFY(detail.showsEmptyState());
    QVERIFY(m_rig->column().noteRows().isEmpty());
    QCOMPARE(detail.emptyState()->title(), QStringLiteral("No notes in this folder yet."));
    QCOMPARE(detail.emptyState()->detail(), QStringLiteral("Create the first note, or say it with dictation."));

    QTest::mouseClick(detail.createButton(), Qt::LeftButton);
    QVERIFY(!detail.showsEmptyState());
    QCOMPARE(m_rig->fx.state->notes().note(m_rig->editor()->noteID())->folderID, m_empty.id);
    QTRY_VERIFY(m_rig->editor()->titleView()->hasFocus());
    QCOMPARE(m_rig->column().noteRows().first()->shownTitle(), QStringLiteral("Untitled note"));
    QCOMPARE(m_rig->column().noteRows().first()->shownSnippet(), QStringLiteral("Empty"));

    // An empty store with all notes chosen shows the same.
    m_rig->model().pickFolder(std::nullopt);
    for (const NoteFolder& f : QList<NoteFolder>{m_work, m_home, m_empty})
        m_rig->model().deleteFolder(f.id);
    QVERIFY(detail.showsEmptyState());
}

void TestNotesScreen::dictationButtonFollowsTheDictation_data()
{
    QTest::addColumn<int>("phase");
    QTest::addColumn<QString>("target");
    QTest::addColumn<QString>("label");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<int>("variant");
    const QString write = QStringLiteral("Write by voice");
    const int soft = int(ButtonVariant::Soft);
    const int danger = int(ButtonVariant::Danger);
    QTest::newRow("idle") << int(Phase::idle) << "this" << write << true << soft;
    QTest::newRow("failed") << int(Phase::failed) << "this" << write << true << soft;
    QTest::newRow("recording this note") << int(Phase::recording) << "this" << QStringLiteral("Stop") << true << danger;
    QTest::newRow("recording another note") << int(Phase::recording) << "other" << write << false << soft;
    QTest::newRow("recording for the front app") << int(Phase::recording) << "app" << write << false << soft;
    QTest::newRow("working on another note") << int(Phase::working) << "other" << write << false << soft;
    QTest::newRow("working on this note") << int(Phase::working) << "this" << QStringLiteral("Preparing audio…") << true
                                          << danger;
}

void TestNotesScreen::dictationButtonFollowsTheDictation()
{
    QFETCH(int, phase);
    QFETCH(QString, target);
    QFETCH(QString, label);
    QFETCH(bool, enabled);
    QFETCH(int, variant);
    QVERIFY(m_rig->show(sample()));
    m_rig->model().pickNote(m_end.id);
    AppState& state = *m_rig->fx.state;
    state.setTarget(target == QLatin1String("this")    ? Target::note(m_end.id)
                    : target == QLatin1String("other") ? Target::note(m_garden.id)
                                                       : Target::frontApp());
    state.setPhase(Phase(phase));
    SButton* button = m_rig->detail().header()->dictationButton();
    QCOMPARE(button->text(), label);
    QCOMPARE(button->isEnabled(), enabled);
    QCOMPARE(int(button->variant()), variant);
    QCOMPARE(button->icon(), variant == int(ButtonVariant::Danger) ? QStringLiteral("square") : QStringLiteral("mic"));

    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(m_rig->fx.toggles.size(), enabled ? 1 : 0);
}

void TestNotesScreen::processingTextChangesEverySecond()
{
    QVERIFY(m_rig->show(sample()));
    m_rig->model().pickNote(m_end.id);
    AppState& state = *m_rig->fx.state;
    state.setTarget(Target::note(m_end.id));
    state.setPhase(Phase::working);
    state.setProcessingStage(DictationStage::transcribing, m_rig->fx.clock.now());
    SButton* button = m_rig->detail().header()->dictationButton();
    QStringList seen{button->text()};
    for (int second = 1; second <= 30; ++second) {
        m_rig->fx.clock.advance(1000);
        QCOMPARE(button->text(), state.processingMessage(m_rig->fx.clock.now()));
        if (seen.last() != button->text())
            seen << button->text();
    }
    QVERIFY2(seen.size() >= 2, qPrintable(seen.join(QStringLiteral(" | "))));
    // Done: back to the button, its ticking stopped.
    state.setPhase(Phase::idle);
    QCOMPARE(button->text(), QStringLiteral("Write by voice"));
    QCOMPARE(m_rig->fx.clock.pendingTimers(), 0);
}

void TestNotesScreen::typingReordersOnlyOnSave()
{
    QVERIFY(m_rig->show(sample()));
    m_rig->model().pickFolder(m_work.id);
    m_rig->model().pickNote(m_end.id);
    NoteTextView* title = m_rig->editor()->titleView();
    title->setFocus();
    title->moveCursor(QTextCursor::End);
    QTest::keyClicks(title, QStringLiteral("ing"));
    NoteRow* row = m_rig->column().noteRow(m_end.id);
    QCOMPARE(row->shownTitle(), QStringLiteral("ending"));
    QCOMPARE(m_rig->column().noteRows().last(), row);
    m_rig->fx.clock.advance(600);
    QCOMPARE(m_rig->column().noteRows().first(), row);
    const Note* stored = m_rig->fx.state->notes().note(m_end.id);
    QCOMPARE(m_rig->detail().header()->timeText(), Format::dayAndTime(stored->updated, m_rig->fx.clock.now()));
    QCOMPARE(m_rig->detail().header()->folderText(), QStringLiteral("Work"));
}

void TestNotesScreen::deletingTheOpenNote()
{
    QVERIFY(m_rig->show(sample()));
    m_rig->model().pickFolder(m_work.id);
    m_rig->editor()->bodyView()->setFocus();
    m_rig->editor()->bodyView()->moveCursor(QTextCursor::End);
    QTest::keyClicks(m_rig->editor()->bodyView(), QStringLiteral(" kept"));
    QTest::mouseClick(m_rig->detail().header()->deleteButton(), Qt::LeftButton);
    QVERIFY(!m_rig->fx.onDisk().note(m_meeting.id));
    QCOMPARE(m_rig->editor()->noteID(), m_end.id);
    QVERIFY(m_rig->fx.state->toast());
    QCOMPARE(m_rig->fx.state->toast()->title, QStringLiteral("Note deleted"));
    QCOMPARE(m_rig->fx.state->toast()->detail, QString());
    QCOMPARE(m_rig->fx.state->toast()->tone, ToastTone::info);
    QTest::mouseClick(m_rig->detail().header()->deleteButton(), Qt::LeftButton);
    QVERIFY(m_rig->detail().showsEmptyState());
}

void TestNotesScreen::columnWidthFollowsTheScreen_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("column");
    QTest::newRow("narrow") << 700 << 220;
    QTest::newRow("middle") << 1000 << 260;
    QTest::newRow("wide") << 1600 << 280;
}

void TestNotesScreen::columnWidthFollowsTheScreen()
{
    QFETCH(int, width);
    QFETCH(int, column);
    QVERIFY(m_rig->show(sample(), QSize(width, 700)));
    QCOMPARE(NotesScreen::columnWidth(width), column);
    QCOMPARE(m_rig->screen->findChild<QWidget*>(QStringLiteral("notesColumnScroll"))->width() + 1, column);
    // The editor never grows wider than 820 with its padding.
    QVERIFY(m_rig->editor()->width() <= NoteEditor::maxWidth);
    QVERIFY(m_rig->editor()->bodyView()->height() >= NoteEditor::bodyMinHeight);
}

QTEST_MAIN(TestNotesScreen)
#include "TestNotesScreen.moc"
