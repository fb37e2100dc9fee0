#include "BenchReport.h"
#include "core/AppState.h"
#include "design/Onest.h"
#include "screens/NoteDetail.h"
#include "screens/NoteEditor.h"
#include "screens/NoteTextView.h"
#include "screens/NotesScreen.h"

#include "TempDataDir.h"

#include <QApplication>
#include <QTest>

#include <benchmark/benchmark.h>

namespace {

// A note of 20,000 words in paragraphs of 100, as dictation builds it (each
// dictation its own line), among 300 others in 6 folders.
NotesStore library(QUuid* big)
{
    NotesStore store;
    for (int f = 0; f < 6; ++f)
        store.folders.append(NoteFolder{QUuid::createUuid(), QStringLiteral("Folder %1").arg(f)});
    const QString words = QStringLiteral(
        "bugun jamoa bilan yangi rejani muhokama qildik va mijozga xat yozdik keyin sprint rejasini tuzdik ");
    QString paragraph = words.repeated(7);   // 98 words
    paragraph += QStringLiteral("ends here."); // 100
    QStringList paragraphs;
    for (int p = 0; p < 200; ++p)
        paragraphs << paragraph;
    Note note;
    note.folderID = store.folders.first().id;
    note.title = QStringLiteral("Long dictated journal");
    note.body = paragraphs.join(QLatin1Char('\n'));
    *big = note.id;
    store.notes.append(note);
    for (int i = 0; i < 300; ++i) {
        Note other;
        other.folderID = store.folders.at(i % 6).id;
        other.title = QStringLiteral("Note %1").arg(i);
        other.body = QStringLiteral("A short note\nwith two lines");
        other.updated = other.updated.addSecs(-60 * (i + 1));
        store.notes.append(other);
    }
    return store;
}

// Counts the frames a widget paints.
class PaintCounter final : public QObject
{
public:
    int count = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++count;
        return QObject::eventFilter(watched, event);
    }
};

// One character typed into the open 20,000-word note, from the key event to
// the repainted frame: the text view's edit and layout, the whole text back
// into the store, the column's rows and the header brought up to date, and
// the paint of the window.
void typeIntoLongNote(benchmark::State& state)
{
    TempDataDir dir;
    QUuid big;
    dir.write(QStringLiteral("notes.json"), library(&big).encode());
    AppState appState;
    AppActions actions;
    NotesScreen screen(appState, actions);
    screen.resize(1180, 760);
    screen.show();
    screen.activateWindow();
    if (!QTest::qWaitForWindowActive(&screen)) {
        state.SkipWithError("the window did not become active");
        return;
    }
    screen.model().pickNote(big);
    QCoreApplication::processEvents();
    NoteTextView* body = screen.detail()->editor()->bodyView();
    // Typing into anything but the long note would time a short one.
    if (body->text().size() < 100000) {
        state.SkipWithError("the 20,000-word note did not open");
        return;
    }
    body->setFocus();
    // In the middle of the text: the worst place for re-layout.
    QTextCursor caret = body->textCursor();
    caret.setPosition(int(body->text().size() / 2));
    body->setTextCursor(caret);
    QCoreApplication::processEvents();
    const qsizetype before = body->text().size();
    PaintCounter painted;
    body->viewport()->installEventFilter(&painted);
    qint64 typed = 0;
    qint64 unpainted = 0;
    for (auto _ : state) {
        const int paints = painted.count;
        QTest::keyClick(body, Qt::Key_A);
        QCoreApplication::processEvents();
        ++typed;
        unpainted += painted.count == paints;
    }
    // Timing keys that went nowhere, or frames never drawn, would measure nothing.
    if (body->text().size() != before + typed) {
        state.SkipWithError("the keystrokes did not reach the note");
        return;
    }
    if (unpainted > 0) {
        state.SkipWithError(qPrintable(QStringLiteral("%1 of %2 keystrokes were never painted").arg(unpainted).arg(typed)));
        return;
    }
    state.counters["chars"] = double(body->text().size());
    state.counters["words"] = double(body->text().split(QLatin1Char(' '), Qt::SkipEmptyParts).size());
}

} // namespace

BENCHMARK(typeIntoLongNote)->Unit(benchmark::kMillisecond)->Iterations(300);

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    Onest::registerFaces();
    BenchReport::run(argc, argv);
    // The interface thread's own time for the key, whatever else the machine runs.
    BenchReport::headline(QStringLiteral("a keystroke into a 20,000-word note, to the repainted frame, CPU"),
                          "typeIntoLongNote", BenchReport::cpuTime, QStringLiteral("ms"), BenchReport::atMost(8));
    return BenchReport::finish();
}
