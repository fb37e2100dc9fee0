#include "screens/NotesColumn.h"

#include "core/AppState.h"
#include "core/L10n.h"
#include "design/Palette.h"
#include "design/Theme.h"
#include "design/components/Overline.h"
#include "design/components/SIconButton.h"
#include "design/components/SInput.h"
#include "screens/FolderRow.h"
#include "screens/NoteRow.h"
#include "screens/NotesListRow.h"
#include "screens/NotesModel.h"

#include <QHBoxLayout>
#include <QPainter>
#include <QSet>
#include <QVBoxLayout>

NotesColumn::NotesColumn(AppState& state, NotesModel& model, QWidget* parent)
    : QWidget(parent)
    , m_state(state)
    , m_model(model)
    , m_newNote(new NotesListRow(QStringLiteral("square-pen"), 18, L10n::tr("New note"), true, this))
    , m_search(new SInput(L10n::tr("Search notes"), ControlSize::Sm, this))
    , m_addFolder(new SIconButton(QStringLiteral("plus"), IconButtonVariant::Ghost, 26, this))
    , m_all(new NotesListRow(QStringLiteral("file-text"), 17, L10n::tr("All"), false, this))
    , m_folderList(new QVBoxLayout)
    , m_divider(new QWidget(this))
    , m_noteList(new QVBoxLayout)
{
    m_newNote->setObjectName(QStringLiteral("newNoteButton"));
    m_search->setObjectName(QStringLiteral("notesSearch"));
    m_search->setIcon(QStringLiteral("search"));
    m_search->setSunken(true);
    m_addFolder->setObjectName(QStringLiteral("addFolderButton"));
    m_addFolder->setIconSize(15);
    m_addFolder->setHelp(L10n::tr("Add folder"));
    m_all->setObjectName(QStringLiteral("allNotesRow"));
    m_divider->setFixedHeight(1);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(12, 18, 12, 12);
    column->setSpacing(0);
    column->addWidget(m_newNote);
    column->addSpacing(6);
    column->addWidget(m_search);
    column->addSpacing(4);

    auto* folders = new QHBoxLayout;
    folders->setContentsMargins(10, 14, 10, 6);
    folders->addWidget(new Overline(L10n::tr("Folders"), this));
    folders->addStretch();
    folders->addWidget(m_addFolder);
    column->addLayout(folders);
    column->addWidget(m_all);
    m_folderList->setSpacing(0);
    column->addLayout(m_folderList);

    auto* divider = new QHBoxLayout;
    divider->setContentsMargins(10, 12, 10, 0);
    divider->addWidget(m_divider);
    column->addLayout(divider);

    auto* notes = new QHBoxLayout;
    notes->setContentsMargins(10, 17, 10, 7);
    notes->addWidget(new Overline(L10n::tr("Notes"), this));
    notes->addStretch();
    column->addLayout(notes);
    m_noteList->setSpacing(0);
    column->addLayout(m_noteList);
    column->addStretch();

    connect(m_newNote, &NotesListRow::clicked, &m_model, &NotesModel::newNote);
    connect(m_search, &SInput::textChanged, &m_model, &NotesModel::setSearch);
    connect(m_addFolder, &SIconButton::clicked, &m_model, &NotesModel::addFolder);
    connect(m_all, &NotesListRow::clicked, &m_model, [this] { m_model.pickFolder(std::nullopt); });
    connect(&Theme::instance(), &Theme::changed, this, qOverload<>(&QWidget::update));
}

QList<FolderRow*> NotesColumn::folderRows() const
{
    QList<FolderRow*> rows;
    for (const QUuid& id : m_folderOrder)
        rows.append(m_folderRows.value(id));
    return rows;
}

QList<NoteRow*> NotesColumn::noteRows() const
{
    QList<NoteRow*> rows;
    for (const QUuid& id : m_noteOrder)
        rows.append(m_noteRows.value(id));
    return rows;
}

void NotesColumn::refresh()
{
    const NotesStore& store = m_state.notes();
    const std::optional<NoteFolder> chosen = m_model.folder();
    if (m_search->text() != m_model.search())
        m_search->setText(m_model.search());
    m_all->setCount(int(store.notes.size()));
    m_all->setOn(!chosen);

    QList<QUuid> folders;
    for (const NoteFolder& folder : store.folders) {
        folders.append(folder.id);
        FolderRow* row = m_folderRows.value(folder.id);
        if (!row)
            row = makeFolderRow(folder.id);
        row->setFolder(folder.name, store.count(folder.id), chosen && chosen->id == folder.id);
        row->setRenaming(m_model.renaming() == folder.id);
    }
    arrange(m_folderList, m_folderRows, m_folderOrder, folders);

    const std::optional<Note> open = m_model.note();
    QList<QUuid> notes;
    for (const Note& note : m_model.listedNotes()) {
        notes.append(note.id);
        NoteRow* row = m_noteRows.value(note.id);
        if (!row)
            row = makeNoteRow(note.id);
        row->setNote(note.title, note.snippet(), open && open->id == note.id);
    }
    arrange(m_noteList, m_noteRows, m_noteOrder, notes);
}

FolderRow* NotesColumn::makeFolderRow(const QUuid& folder)
{
    auto* row = new FolderRow(this);
    row->setObjectName(QStringLiteral("folderRow"));
    m_folderRows.insert(folder, row);
    connect(row, &FolderRow::picked, &m_model, [this, folder] { m_model.pickFolder(folder); });
    connect(row, &FolderRow::renamingRequested, &m_model,
            [this, folder](bool renaming) { m_model.setRenaming(folder, renaming); });
    connect(row, &FolderRow::renamed, &m_model, [this, folder](const QString& text) { m_model.renameFolder(folder, text); });
    connect(row, &FolderRow::deleteRequested, &m_model, [this, folder] {
        for (const NoteFolder& f : m_state.notes().folders) {
            if (f.id == folder) {
                m_model.askToDelete(f);
                return;
            }
        }
    });
    return row;
}

NoteRow* NotesColumn::makeNoteRow(const QUuid& note)
{
    auto* row = new NoteRow(this);
    row->setObjectName(QStringLiteral("noteRow"));
    m_noteRows.insert(note, row);
    connect(row, &NoteRow::clicked, &m_model, [this, note] { m_model.pickNote(note); });
    return row;
}

template <class Row>
void NotesColumn::arrange(QVBoxLayout* layout, QHash<QUuid, Row*>& rows, QList<QUuid>& order, const QList<QUuid>& wanted)
{
    const QSet<QUuid> kept(wanted.begin(), wanted.end());
    for (auto it = rows.begin(); it != rows.end();) {
        if (!kept.contains(it.key())) {
            // Later: the row may be the sender of the click that removed it.
            it.value()->hide();
            it.value()->deleteLater();
            it = rows.erase(it);
        } else {
            ++it;
        }
    }
    if (order == wanted)
        return;
    for (const QUuid& id : order) {
        if (Row* row = rows.value(id))
            layout->removeWidget(row);
    }
    for (const QUuid& id : wanted)
        layout->addWidget(rows.value(id));
    order = wanted;
}

void NotesColumn::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(m_divider->geometry(), Palette::borderSubtle.color());
}
