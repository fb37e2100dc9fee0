#include "screens/NoteEditor.h"

#include "core/L10n.h"
#include "design/Palette.h"
#include "screens/NoteFindBar.h"
#include "screens/NoteTextView.h"

#include <QTimer>
#include <QVBoxLayout>

NoteEditor::NoteEditor(const Note& note, bool focusTitle, QWidget* parent)
    : QWidget(parent)
    , m_noteID(note.id)
    , m_title(new NoteTextView({28, QFont::Bold, 36, -0.02}, Palette::textPrimary, true, this))
    , m_body(new NoteTextView({16, QFont::Normal, 27.2}, Palette::textBody, false, this))
    , m_find(new NoteFindBar(*m_body, this))
    , m_focusTitle(focusTitle)
{
    m_title->setObjectName(QStringLiteral("noteTitle"));
    m_title->setPlaceholder(L10n::tr("Title"));
    m_title->setFixedHeight(titleHeight);
    m_body->setObjectName(QStringLiteral("noteBody"));
    m_body->setPlaceholder(L10n::tr("Write, or press the dictation button and speak…"));
    m_body->setMinimumHeight(bodyMinHeight);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(32, 28, 32, 40);
    layout->setSpacing(12);
    layout->addWidget(m_title);
    layout->addWidget(m_find);
    layout->addWidget(m_body, 1);
    setMaximumWidth(maxWidth);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);

    setNote(note);
    // A note opens at its beginning; the caret goes to the end only for
    // text that arrives while it is open.
    m_title->moveCursor(QTextCursor::Start);
    m_body->moveCursor(QTextCursor::Start);
    connect(m_title, &NoteTextView::edited, this, &NoteEditor::titleEdited);
    connect(m_body, &NoteTextView::edited, this, &NoteEditor::bodyEdited);
}

void NoteEditor::setNote(const Note& note)
{
    m_title->setText(note.title);
    m_body->setText(note.body);
}

QSize NoteEditor::sizeHint() const
{
    return QSize(maxWidth, QWidget::sizeHint().height());
}

void NoteEditor::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    if (!m_focusTitle)
        return;
    m_focusTitle = false;
    // Once the editor is in its window; a view not in one by then stays unfocused.
    QTimer::singleShot(0, m_title, [title = m_title] {
        if (title->isVisible())
            title->setFocus(Qt::OtherFocusReason);
    });
}
