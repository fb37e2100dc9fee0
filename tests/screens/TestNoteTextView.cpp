#include "design/Onest.h"
#include "design/components/SInput.h"
#include "screens/NoteFindBar.h"
#include "screens/NoteTextView.h"

#include "NotesScreenRig.h"

#include <QAbstractTextDocumentLayout>
#include <QClipboard>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTextBlock>
#include <QTextCursor>
#include <QWheelEvent>

// The note text view: what is typed or pasted reaches "notes.json" exactly,
// single-line rules, and replacements from outside while the note is open.
class TestNoteTextView final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { Onest::registerFaces(); }
    void init();
    void cleanup() { m_rig.reset(); }

    void bodyRoundTripsExactly_data();
    void bodyRoundTripsExactly();
    void pastingStyledTextInsertsPlainText();
    void singleLinePaste_data();
    void singleLinePaste();
    void returnInTitleAndBody();
    void everyReturnBreaksTheBodyLine_data();
    void everyReturnBreaksTheBodyLine();
    void undoTakesThePasteAlone_data();
    void undoTakesThePasteAlone();
    void outsideReplacementWhileFocused();
    void outsideReplacementWhileNotFocused();
    void linesHaveTheFixedHeight();
    void scrollsByWholeLines();
    void findsInTheBody();

private:
    NoteTextView* body() { return m_rig->editor()->bodyView(); }
    NoteTextView* title() { return m_rig->editor()->titleView(); }
    static void paste(QWidget* into, QMimeData* data);
    // Text as an input method commits it (QTest's key clicks take Latin-1 only).
    static void commit(QWidget* into, const QString& text);
    QString storedBody();

    std::unique_ptr<NotesScreenRig> m_rig;
    Note m_note;
};

void TestNoteTextView::init()
{
    m_rig = std::make_unique<NotesScreenRig>();
    const NoteFolder folder = NotesFixture::folder(QStringLiteral("Work"));
    m_note = m_rig->fx.note(folder, QStringLiteral("Plan"), QString(), 5);
    QVERIFY(m_rig->show({{folder}, {m_note}}));
    m_rig->model().pickNote(m_note.id);
    QCOMPARE(m_rig->editor()->noteID(), m_note.id);
    QTRY_VERIFY(m_rig->editor()->isVisible());
}

void TestNoteTextView::paste(QWidget* into, QMimeData* data)
{
    QGuiApplication::clipboard()->setMimeData(data);
    into->setFocus();
    QTest::keyClick(into, Qt::Key_V, Qt::ControlModifier);
}

void TestNoteTextView::commit(QWidget* into, const QString& text)
{
    QInputMethodEvent event;
    event.setCommitString(text);
    QApplication::sendEvent(into, &event);
}

QString TestNoteTextView::storedBody()
{
    m_rig->fx.clock.advance(600);
    const NotesStore disk = m_rig->fx.onDisk();
    const Note* stored = disk.note(m_note.id);
    return stored ? stored->body : QStringLiteral("<gone>");
}

void TestNoteTextView::bodyRoundTripsExactly_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<bool>("shiftReturn");
    QTest::addColumn<QString>("stored");
    QTest::newRow("typing") << QStringLiteral("Привет, мир 🙂") << QString() << false << QStringLiteral("Привет, мир 🙂");
    QTest::newRow("typed non-breaking space") << QStringLiteral("10\u00A0km") << QString() << false << QStringLiteral("10\u00A0km");
    QTest::newRow("shift+return is a line feed") << QStringLiteral("one") << QStringLiteral("two") << true
                                                 << QStringLiteral("one\ntwo");
    QTest::newRow("pasted non-breaking space and separators")
        << QString() << QStringLiteral("a\u00A0b\u2028c\r\nd\u2029e\u00A0") << false
        << QStringLiteral("a\u00A0b\nc\nd\ne\u00A0");
}

void TestNoteTextView::bodyRoundTripsExactly()
{
    QFETCH(QString, typed);
    QFETCH(QString, pasted);
    QFETCH(bool, shiftReturn);
    QFETCH(QString, stored);
    body()->setFocus();
    commit(body(), typed);
    if (shiftReturn)
        QTest::keyClick(body(), Qt::Key_Return, Qt::ShiftModifier);
    if (!pasted.isEmpty()) {
        auto* data = new QMimeData;
        data->setText(pasted);
        paste(body(), data);
    }
    QCOMPARE(body()->text(), stored);
    QCOMPARE(storedBody(), stored);
    // Copying gives the same characters back.
    body()->selectAll();
    body()->copy();
    QCOMPARE(QGuiApplication::clipboard()->text(), stored);
}

void TestNoteTextView::pastingStyledTextInsertsPlainText()
{
    auto* data = new QMimeData;
    data->setHtml(QStringLiteral("<h1 style='color:red'>Big</h1><p><b>bold</b> <a href='x'>link</a><img src='y'></p>"));
    data->setText(QStringLiteral("Big\nbold link"));
    paste(body(), data);
    QCOMPARE(body()->text(), QStringLiteral("Big\nbold link"));
    QCOMPARE(storedBody(), QStringLiteral("Big\nbold link"));
    // Every character in the view's own style, every line of its height.
    for (QTextBlock block = body()->document()->begin(); block.isValid(); block = block.next()) {
        QCOMPARE(block.blockFormat().lineHeight(), 27.2);
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            QVERIFY(!format.hasProperty(QTextFormat::FontWeight));
            QVERIFY(!format.hasProperty(QTextFormat::ForegroundBrush));
            QVERIFY(!format.isAnchor());
        }
    }
}

void TestNoteTextView::singleLinePaste_data()
{
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("expected");
    QTest::newRow("line feed") << QStringLiteral("two\nwords") << QStringLiteral("Plantwo words");
    QTest::newRow("CR LF") << QStringLiteral("two\r\nwords") << QStringLiteral("Plantwo  words");
    QTest::newRow("trailing line feed") << QStringLiteral("two\n") << QStringLiteral("Plantwo ");
    QTest::newRow("separators") << QStringLiteral("a\u2028b\u2029c") << QStringLiteral("Plana b c");
    QTest::newRow("no line break") << QStringLiteral("two") << QStringLiteral("Plantwo");
}

void TestNoteTextView::singleLinePaste()
{
    QFETCH(QString, pasted);
    QFETCH(QString, expected);
    auto* data = new QMimeData;
    data->setText(pasted);
    title()->setFocus();
    title()->moveCursor(QTextCursor::End);
    paste(title(), data);
    QCOMPARE(title()->text(), expected);
    QCOMPARE(m_rig->fx.state->notes().note(m_note.id)->title, expected);
    // One undo step takes the whole paste back.
    QTest::keyClick(title(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(title()->text(), QStringLiteral("Plan"));
}

void TestNoteTextView::returnInTitleAndBody()
{
    title()->setFocus();
    title()->moveCursor(QTextCursor::End);
    for (const auto modifier : {Qt::NoModifier, Qt::ShiftModifier, Qt::AltModifier})
        QTest::keyClick(title(), Qt::Key_Return, modifier);
    QTest::keyClick(title(), Qt::Key_Enter);
    QCOMPARE(title()->text(), QStringLiteral("Plan"));
    QVERIFY(title()->hasFocus());

    body()->setFocus();
    QTest::keyClicks(body(), QStringLiteral("a"));
    QTest::keyClick(body(), Qt::Key_Return);
    QTest::keyClicks(body(), QStringLiteral("b"));
    QCOMPARE(storedBody(), QStringLiteral("a\nb"));

    // Text put in from outside is shown as it is, line breaks included.
    m_rig->fx.state->updateNotes([this](NotesStore& s) {
        Note n = *s.note(m_note.id);
        n.title = QStringLiteral("two\nlines");
        s.update(n);
    });
    QCOMPARE(title()->text(), QStringLiteral("two\nlines"));
}

void TestNoteTextView::everyReturnBreaksTheBodyLine_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::newRow("return") << int(Qt::Key_Return) << Qt::KeyboardModifiers();
    QTest::newRow("shift+return") << int(Qt::Key_Return) << Qt::KeyboardModifiers(Qt::ShiftModifier);
    QTest::newRow("alt+return") << int(Qt::Key_Return) << Qt::KeyboardModifiers(Qt::AltModifier);
    QTest::newRow("ctrl+return") << int(Qt::Key_Return) << Qt::KeyboardModifiers(Qt::ControlModifier);
    QTest::newRow("keypad enter") << int(Qt::Key_Enter) << Qt::KeyboardModifiers(Qt::KeypadModifier);
}

void TestNoteTextView::everyReturnBreaksTheBodyLine()
{
    QFETCH(int, key);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    body()->setFocus();
    QTest::keyClicks(body(), QStringLiteral("ab"));
    QTest::keyClick(body(), Qt::Key(key), modifiers);
    QTest::keyClicks(body(), QStringLiteral("cd"));
    QCOMPARE(storedBody(), QStringLiteral("ab\ncd"));
    body()->selectAll();
    body()->copy();
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("ab\ncd"));
}

void TestNoteTextView::undoTakesThePasteAlone_data()
{
    QTest::addColumn<bool>("inTitle");
    QTest::newRow("title") << true;
    QTest::newRow("body") << false;
}

void TestNoteTextView::undoTakesThePasteAlone()
{
    QFETCH(bool, inTitle);
    NoteTextView* view = inTitle ? title() : body();
    const QString before = view->text();
    view->setFocus();
    view->moveCursor(QTextCursor::End);
    QTest::keyClicks(view, QStringLiteral("Hello"));
    auto* data = new QMimeData;
    data->setText(QStringLiteral("World"));
    paste(view, data);
    QCOMPARE(view->text(), before + QStringLiteral("HelloWorld"));

    QTest::keyClick(view, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(view->text(), before + QStringLiteral("Hello"));
    m_rig->fx.clock.advance(600);
    const Note* stored = m_rig->fx.onDisk().note(m_note.id);
    QVERIFY(stored);
    QCOMPARE(inTitle ? stored->title : stored->body, before + QStringLiteral("Hello"));
}

void TestNoteTextView::outsideReplacementWhileFocused()
{
    // A long note, read from its top with the caret there.
    QStringList lines;
    for (int i = 0; i < 120; ++i)
        lines << QStringLiteral("line %1 of the meeting notes").arg(i);
    m_rig->fx.state->updateNotes([&](NotesStore& s) {
        Note n = *s.note(m_note.id);
        n.body = lines.join(u'\n');
        s.update(n);
    });
    body()->setFocus();
    QTest::keyClicks(body(), QStringLiteral("!"));
    QTextCursor caret = body()->textCursor();
    caret.setPosition(5);
    body()->setTextCursor(caret);
    body()->verticalScrollBar()->setValue(0);
    QVERIFY(body()->document()->isUndoAvailable());
    QSignalSpy edited(body(), &NoteTextView::edited);

    // A dictation appends while the user reads the top of the note.
    m_rig->fx.state->updateNotes([this](NotesStore& s) { s.append(QStringLiteral("dictated"), m_note.id); });
    QVERIFY(body()->hasFocus());
    QVERIFY(body()->text().endsWith(QStringLiteral("\ndictated")));
    QCOMPARE(body()->textCursor().position(), int(body()->text().size()));
    QVERIFY(body()->verticalScrollBar()->value() > 0);
    const QRect caretRect = body()->cursorRect();
    QVERIFY2(body()->viewport()->rect().contains(caretRect),
             qPrintable(QStringLiteral("caret at %1, view %2 high").arg(caretRect.y()).arg(body()->viewport()->height())));
    QVERIFY(edited.isEmpty());
    QVERIFY(!body()->document()->isUndoAvailable());

    // Typing goes on after the dictated text; undo never brings back the old text.
    QTest::keyClicks(body(), QStringLiteral("?"));
    QVERIFY(body()->text().endsWith(QStringLiteral("dictated?")));
    QTest::keyClick(body(), Qt::Key_Z, Qt::ControlModifier);
    QTest::keyClick(body(), Qt::Key_Z, Qt::ControlModifier);
    QVERIFY(body()->text().endsWith(QStringLiteral("\ndictated")));
    QVERIFY(storedBody().endsWith(QStringLiteral("\ndictated")));

    // A value equal to the shown text changes nothing.
    caret.setPosition(3);
    body()->setTextCursor(caret);
    body()->setText(body()->text());
    QCOMPARE(body()->textCursor().position(), 3);
}

void TestNoteTextView::outsideReplacementWhileNotFocused()
{
    m_rig->fx.state->updateNotes([this](NotesStore& s) { s.append(QStringLiteral("from the microphone"), m_note.id); });
    QCOMPARE(body()->text(), QStringLiteral("from the microphone"));
    QCOMPARE(body()->textCursor().position(), int(body()->text().size()));
    // Line ends the document cannot keep count as the same text.
    body()->setText(QStringLiteral("a\r\nb"));
    QCOMPARE(body()->text(), QStringLiteral("a\nb"));
    QSignalSpy edited(body(), &NoteTextView::edited);
    body()->setText(QStringLiteral("a\r\nb"));
    QVERIFY(edited.isEmpty());
}

void TestNoteTextView::linesHaveTheFixedHeight()
{
    body()->setFocus();
    QTest::keyClicks(body(), QStringLiteral("one"));
    QTest::keyClick(body(), Qt::Key_Return);
    QTest::keyClicks(body(), QStringLiteral("two"));
    QTest::keyClick(body(), Qt::Key_Return);
    QTest::keyClicks(body(), QStringLiteral("three"));
    const QTextDocument* doc = body()->document();
    QCOMPARE(doc->blockCount(), 3);
    body()->viewport()->repaint();
    const QTextLayout* first = doc->firstBlock().layout();
    const QTextLayout* last = doc->lastBlock().layout();
    QVERIFY(first->lineCount() == 1 && last->lineCount() == 1);
    const qreal step = last->position().y() + last->lineAt(0).y() - first->position().y() - first->lineAt(0).y();
    QVERIFY2(qAbs(step - 2 * 27.2) < 0.5, qPrintable(QString::number(step)));
    QVERIFY(doc->documentLayout()->documentSize().height() < 3 * 27.2 + 1);
}

void TestNoteTextView::scrollsByWholeLines()
{
    QStringList lines;
    for (int i = 1; i <= 80; ++i)
        lines << QStringLiteral("Line %1").arg(i);
    body()->setText(lines.join(u'\n'));
    QScrollBar* bar = body()->verticalScrollBar();
    QVERIFY(bar->maximum() > 300);
    bar->setValue(0);
    // Wheel turns and page steps stop on a line's edge: no sliver of the
    // line above shows at the top.
    const QPoint middle = body()->viewport()->rect().center();
    for (int turn = 0; turn < 3; ++turn) {
        QWheelEvent wheel(middle, body()->viewport()->mapToGlobal(middle), QPoint(), QPoint(0, -120), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(body()->viewport(), &wheel);
        const qreal lines = bar->value() / 27.2;
        QVERIFY2(bar->value() > 0 && qAbs(lines - std::round(lines)) * 27.2 < 1, qPrintable(QString::number(bar->value())));
    }
    bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
    const qreal paged = bar->value() / 27.2;
    QVERIFY2(qAbs(paged - std::round(paged)) * 27.2 < 1, qPrintable(QString::number(bar->value())));
}

void TestNoteTextView::findsInTheBody()
{
    body()->setFocus();
    commit(body(), QStringLiteral("one two\nOne three"));
    NoteFindBar* bar = m_rig->editor()->findBar();
    QVERIFY(!bar->isVisible());
    QTest::keyClick(body(), Qt::Key_F, Qt::ControlModifier);
    QVERIFY(bar->isVisible());
    QLineEdit* field = bar->field()->lineEdit();
    QVERIFY(field->hasFocus());
    const auto selected = [this] {
        const QTextCursor c = body()->textCursor();
        return QPair<int, int>(c.selectionStart(), c.selectionEnd());
    };
    QTest::keyClicks(field, QStringLiteral("one"));
    QCOMPARE(selected(), qMakePair(0, 3));
    QTest::keyClick(field, Qt::Key_Return);
    QCOMPARE(selected(), qMakePair(8, 11));
    QTest::keyClick(field, Qt::Key_Return);
    QCOMPARE(selected(), qMakePair(0, 3));
    QTest::keyClick(field, Qt::Key_Return, Qt::ShiftModifier);
    QCOMPARE(selected(), qMakePair(8, 11));
    QTest::keyClicks(field, QStringLiteral("zz"));
    QVERIFY(bar->field()->hasError());
    QTest::keyClick(field, Qt::Key_Escape);
    QVERIFY(!bar->isVisible());
    QVERIFY(body()->hasFocus());
    // The title has no find bar.
    title()->setFocus();
    QTest::keyClick(title(), Qt::Key_F, Qt::ControlModifier);
    QVERIFY(!bar->isVisible());
}

QTEST_MAIN(TestNoteTextView)
#include "TestNoteTextView.moc"
