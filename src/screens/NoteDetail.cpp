#include "screens/NoteDetail.h"

#include "core/AppState.h"
#include "core/L10n.h"
#include "design/components/EmptyStateView.h"
#include "design/components/SButton.h"
#include "screens/NoteEditor.h"
#include "screens/NoteHeader.h"
#include "screens/NotesModel.h"

#include <QVBoxLayout>

NoteDetail::NoteDetail(AppState& state, NotesModel& model, Clock& clock, QWidget* parent)
    : QWidget(parent)
    , m_model(model)
    , m_empty(new QWidget(this))
    , m_emptyState(new EmptyStateView(QStringLiteral("notebook-pen"), L10n::tr("No notes in this folder yet."),
                                      L10n::tr("Create the first note, or say it with dictation."), m_empty))
    , m_create(new SButton(L10n::tr("Create note"), ButtonVariant::Primary, ControlSize::Md, m_empty))
    , m_open(new QWidget(this))
    , m_header(new NoteHeader(state, model, clock, m_open))
{
    m_emptyState->setObjectName(QStringLiteral("notesEmptyState"));
    m_create->setObjectName(QStringLiteral("createNoteButton"));
    m_create->setIcon(QStringLiteral("plus"));

    auto* empty = new QVBoxLayout(m_empty);
    empty->setContentsMargins(24, 24, 24, 24);
    empty->setSpacing(4);
    empty->addStretch(1);
    empty->addWidget(m_emptyState);
    empty->addWidget(m_create, 0, Qt::AlignHCenter);
    empty->addStretch(1);

    auto* open = new QVBoxLayout(m_open);
    open->setContentsMargins(0, 0, 0, 0);
    open->setSpacing(0);
    open->addWidget(m_header);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_empty);
    layout->addWidget(m_open);

    connect(m_create, &SButton::clicked, &m_model, &NotesModel::newNote);
}

bool NoteDetail::showsEmptyState() const
{
    return !m_empty->isHidden();
}

void NoteDetail::dropEditor()
{
    if (!m_editor)
        return;
    // Deleted later: it may be the sender of what led here. Hidden now, so
    // showing the detail again does not bring it back.
    m_editor->hide();
    m_open->layout()->removeWidget(m_editor);
    m_editor->deleteLater();
    m_editor = nullptr;
}

void NoteDetail::refresh()
{
    const std::optional<Note> note = m_model.note();
    m_empty->setVisible(!note);
    m_open->setVisible(bool(note));
    if (!note) {
        dropEditor();
        return;
    }
    m_header->setNote(*note);
    if (m_editor && m_editor->noteID() == note->id) {
        m_editor->setNote(*note);
        return;
    }
    // Another note gets a fresh editor, with its own undo history.
    dropEditor();
    m_editor = new NoteEditor(*note, m_model.newNoteID() == note->id, m_open);
    m_editor->setObjectName(QStringLiteral("noteEditor"));
    const QUuid id = note->id;
    connect(m_editor, &NoteEditor::titleEdited, &m_model, [this, id](const QString& title) { m_model.setTitle(id, title); });
    connect(m_editor, &NoteEditor::bodyEdited, &m_model, [this, id](const QString& body) { m_model.setBody(id, body); });
    static_cast<QVBoxLayout*>(m_open->layout())->addWidget(m_editor, 1, Qt::AlignLeft);
}
