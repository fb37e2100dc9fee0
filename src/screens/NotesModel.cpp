#include "screens/NotesModel.h"

#include "core/L10n.h"

#include <algorithm>

class NotesModel::Batch
{
public:
    explicit Batch(NotesModel& model)
        : m_model(model)
    {
        ++m_model.m_batch;
    }
    ~Batch()
    {
        if (--m_model.m_batch == 0 && m_model.m_shown) {
            m_model.settle();
            Q_EMIT m_model.changed();
        }
    }
    Batch(const Batch&) = delete;
    Batch& operator=(const Batch&) = delete;

private:
    NotesModel& m_model;
};

NotesModel::NotesModel(AppState& state, const AppActions& actions, Clock& clock, QObject* parent)
    : QObject(parent)
    , m_state(state)
    , m_actions(actions)
    , m_saver(clock)
{
    connect(&m_state, &AppState::notesChanged, this, &NotesModel::storeChanged);
    connect(&m_state, &AppState::phaseChanged, this, &NotesModel::storeChanged);
    connect(&m_state, &AppState::dictationChanged, this, &NotesModel::storeChanged);
    // Quitting stores the pending edit and nothing else.
    connect(&m_state, &AppState::quitting, this, [this] {
        if (m_shown)
            m_saver.flush();
    });
}

NotesModel::~NotesModel()
{
    disappear();
}

void NotesModel::appear(const std::optional<QUuid>& startFolder)
{
    m_saver.flush();
    m_folderID.reset();
    m_noteID.reset();
    m_search.clear();
    m_renaming.reset();
    m_folderToDelete.reset();
    m_newNoteID.reset();
    m_shown = true;
    Batch batch(*this);
    if (startFolder) {
        m_folderID = startFolder;
        m_noteID = firstNote(startFolder);
    } else {
        newNote();
    }
    // Filing follows changes from here on, not what the screen opened with.
    m_openNoteFolder = openNoteFolderID();
}

void NotesModel::disappear()
{
    if (!m_shown)
        return;
    m_saver.flush();
    m_shown = false;
    dropEmpty(dictating());
    m_state.setOpenNoteID(std::nullopt);
}

std::optional<NoteFolder> NotesModel::folder() const
{
    if (!m_folderID)
        return std::nullopt;
    for (const NoteFolder& f : m_state.notes().folders) {
        if (f.id == *m_folderID)
            return f;
    }
    return std::nullopt;
}

std::optional<Note> NotesModel::note() const
{
    const std::optional<NoteFolder> chosen = folder();
    const QList<Note> list = m_state.notes().search(chosen ? std::optional<QUuid>(chosen->id) : std::nullopt, QString());
    if (m_noteID) {
        for (const Note& n : list) {
            if (n.id == *m_noteID)
                return n;
        }
    }
    if (list.isEmpty())
        return std::nullopt;
    return list.first();
}

QList<Note> NotesModel::listedNotes() const
{
    const std::optional<NoteFolder> chosen = folder();
    return m_state.notes().search(chosen ? std::optional<QUuid>(chosen->id) : std::nullopt, m_search);
}

QSet<QUuid> NotesModel::dictating() const
{
    const Phase phase = m_state.phase();
    const Target target = m_state.target();
    if ((phase == Phase::recording || phase == Phase::working) && target.kind == Target::Kind::note)
        return {target.noteID};
    return {};
}

QString NotesModel::folderName(const QUuid& folder) const
{
    for (const NoteFolder& f : m_state.notes().folders) {
        if (f.id == folder)
            return f.name;
    }
    return {};
}

QString NotesModel::deleteTitle() const
{
    return L10n::tr("Delete the folder “%1”?").arg(m_folderToDelete ? m_folderToDelete->name : QString());
}

QString NotesModel::deleteMessage() const
{
    const int count = m_folderToDelete ? m_state.notes().count(m_folderToDelete->id) : 0;
    return L10n::tr("The %n notes in it are deleted too.", nullptr, count);
}

NotesModel::Dictation NotesModel::dictation(const QUuid& note) const
{
    const bool mine = m_state.target() == Target::note(note);
    switch (m_state.phase()) {
    case Phase::recording:
        return mine ? Dictation::stop : Dictation::writeDisabled;
    case Phase::working:
        return mine ? Dictation::processing : Dictation::writeDisabled;
    case Phase::idle:
    case Phase::failed:
        break;
    }
    return Dictation::write;
}

void NotesModel::newNote()
{
    Batch batch(*this);
    m_saver.flush();
    Note opened;
    m_state.updateNotes([&](NotesStore& store) {
        QUuid home;
        if (const std::optional<NoteFolder> chosen = folder()) {
            home = chosen->id;
        } else if (!store.folders.isEmpty()) {
            home = store.folders.first().id;
        } else {
            const NoteFolder personal{QUuid::createUuid(), L10n::tr("Personal")};
            store.folders.append(personal);
            store.save();
            home = personal.id;
        }
        opened = store.draft(home);
    });
    QSet<QUuid> keep = dictating();
    keep.insert(opened.id);
    dropEmpty(keep);
    m_search.clear();
    m_noteID = opened.id;
    m_newNoteID = opened.id;
}

void NotesModel::pickFolder(const std::optional<QUuid>& folder)
{
    Batch batch(*this);
    m_saver.flush();
    dropEmpty(dictating());
    m_folderID = folder;
    m_noteID = firstNote(folder);
    m_newNoteID.reset();
}

void NotesModel::pickNote(const QUuid& note)
{
    if (const std::optional<Note> shown = this->note(); shown && shown->id == note)
        return;
    Batch batch(*this);
    m_saver.flush();
    QSet<QUuid> keep = dictating();
    keep.insert(note);
    dropEmpty(keep);
    m_noteID = note;
    m_newNoteID.reset();
}

void NotesModel::setSearch(const QString& search)
{
    if (search == m_search)
        return;
    Batch batch(*this);
    m_search = search;
}

void NotesModel::addFolder()
{
    Batch batch(*this);
    m_saver.flush();
    const NoteFolder added{QUuid::createUuid(), L10n::tr("New folder")};
    m_state.updateNotes([&added](NotesStore& store) {
        store.folders.append(added);
        store.save();
    });
    m_folderID = added.id;
    m_noteID.reset();
    m_renaming = added.id;
}

void NotesModel::setRenaming(const QUuid& folder, bool renaming)
{
    Batch batch(*this);
    if (renaming)
        m_renaming = folder;
    else
        m_renaming.reset();
}

void NotesModel::renameFolder(const QUuid& folder, const QString& name)
{
    Batch batch(*this);
    m_state.updateNotes([&](NotesStore& store) { store.renameFolder(folder, name); });
}

void NotesModel::askToDelete(const NoteFolder& folder)
{
    if (m_state.notes().count(folder.id) == 0) {
        deleteFolder(folder.id);
        return;
    }
    Batch batch(*this);
    m_folderToDelete = folder;
}

void NotesModel::confirmDelete()
{
    if (const std::optional<NoteFolder> asked = m_folderToDelete)
        deleteFolder(asked->id);
}

void NotesModel::dismissDelete()
{
    if (!m_folderToDelete)
        return;
    Batch batch(*this);
    m_folderToDelete.reset();
}

void NotesModel::deleteFolder(const QUuid& folder)
{
    Batch batch(*this);
    m_saver.flush();
    m_state.updateNotes([&folder](NotesStore& store) { store.deleteFolder(folder); });
    if (m_folderID == folder) {
        m_folderID.reset();
        m_noteID = firstNote(std::nullopt);
    }
    m_folderToDelete.reset();
}

void NotesModel::setTitle(const QUuid& note, const QString& title)
{
    edit(note, [&title](Note& n) { n.title = title; });
}

void NotesModel::setBody(const QUuid& note, const QString& body)
{
    edit(note, [&body](Note& n) { n.body = body; });
}

void NotesModel::edit(const QUuid& note, const std::function<void(Note&)>& change)
{
    if (!m_state.notes().note(note))
        return;
    {
        Batch batch(*this);
        // In memory at once; stamped and written with the deferred save, so
        // the list does not reorder while typing.
        m_state.updateNotes([&](NotesStore& store) {
            for (Note& n : store.notes) {
                if (n.id == note) {
                    change(n);
                    break;
                }
            }
        });
    }
    m_saver.schedule([this, note] {
        const Note* current = m_state.notes().note(note);
        if (!current)
            return;
        const Note latest = *current;
        m_state.updateNotes([&latest](NotesStore& store) { store.update(latest); });
    });
}

void NotesModel::deleteNote(const QUuid& note)
{
    Batch batch(*this);
    m_saver.flush();
    m_state.updateNotes([&note](NotesStore& store) { store.deleteNote(note); });
    const std::optional<NoteFolder> chosen = folder();
    m_noteID = firstNote(chosen ? std::optional<QUuid>(chosen->id) : std::nullopt);
    m_state.showToast(L10n::tr("Note deleted"), QString(), ToastTone::info);
}

void NotesModel::pressDictation(const QUuid& note)
{
    // Stop and the processing button only pass the press on: the controller
    // finishes a recording and ignores a press while working. A press while
    // another dictation runs would stop that one.
    const Dictation offered = dictation(note);
    if (offered == Dictation::writeDisabled)
        return;
    if (offered == Dictation::write) {
        Batch batch(*this);
        // The text is appended to the note as stored: the pending edit goes first.
        m_saver.flush();
        m_noteID = note;
    }
    m_actions.toggleDictation(Target::note(note));
}

void NotesModel::dropEmpty(QSet<QUuid> keep)
{
    const NotesStore& store = m_state.notes();
    const bool any = std::any_of(store.notes.begin(), store.notes.end(),
                                 [&keep](const Note& n) { return n.isBlank() && !keep.contains(n.id); });
    if (any)
        m_state.updateNotes([&keep](NotesStore& s) { s.removeEmpty(keep); });
}

std::optional<QUuid> NotesModel::firstNote(const std::optional<QUuid>& folder) const
{
    const QList<Note> list = m_state.notes().search(folder, QString());
    return list.isEmpty() ? std::nullopt : std::optional<QUuid>(list.first().id);
}

std::optional<QUuid> NotesModel::openNoteFolderID() const
{
    if (!m_noteID)
        return std::nullopt;
    const Note* open = m_state.notes().note(*m_noteID);
    return open ? std::optional<QUuid>(open->folderID) : std::nullopt;
}

void NotesModel::storeChanged()
{
    if (!m_shown || m_batch > 0)
        return;
    settle();
    Q_EMIT changed();
}

void NotesModel::settle()
{
    // A note moved by filing takes a chosen folder along, so it stays in view.
    const std::optional<QUuid> openFolder = openNoteFolderID();
    if (openFolder != m_openNoteFolder) {
        m_openNoteFolder = openFolder;
        const std::optional<NoteFolder> chosen = folder();
        if (chosen && openFolder && *openFolder != chosen->id)
            m_folderID = openFolder;
    }
    const std::optional<Note> shown = note();
    m_state.setOpenNoteID(shown ? std::optional<QUuid>(shown->id) : std::nullopt);
}
