#pragma once

#include "core/AppState.h"
#include "screens/SaveLater.h"

#include <QList>
#include <QObject>
#include <QSet>
#include <QUuid>

#include <functional>
#include <optional>

// The rules of the Notes screen, without widgets: which folder and note are
// chosen, how notes are created, picked, edited, deleted and dictated into,
// when empty notes go, and when pending edits are stored. All notes data
// lives in AppState; this keeps only the selection and editing state, which
// starts afresh every time the screen appears. Main thread only.
class NotesModel final : public QObject
{
    Q_OBJECT

public:
    // What the open note's dictation button offers.
    enum class Dictation {
        write,         // "Write by voice"
        writeDisabled, // another dictation is running
        stop,          // this note is being recorded
        processing,    // this note's recording is being processed
    };

    NotesModel(AppState& state, const AppActions& actions, Clock& clock = Clock::system(), QObject* parent = nullptr);
    ~NotesModel() override;

    // The screen is shown: state starts afresh, then the start rule runs.
    void appear(const std::optional<QUuid>& startFolder = std::nullopt);
    // The screen goes away: pending edits are stored and empty notes dropped.
    void disappear();
    bool isShown() const { return m_shown; }

    // The screen's own state.
    std::optional<QUuid> folderID() const { return m_folderID; }
    std::optional<QUuid> noteID() const { return m_noteID; }
    std::optional<QUuid> newNoteID() const { return m_newNoteID; }
    std::optional<QUuid> renaming() const { return m_renaming; }
    QString search() const { return m_search; }
    const std::optional<NoteFolder>& folderToDelete() const { return m_folderToDelete; }
    SaveLater& saver() { return m_saver; }

    // Derived afresh from the state and the store on every call.
    // The chosen folder; none for all notes or a folder that is gone.
    std::optional<NoteFolder> folder() const;
    // The note shown in the detail: the one opened, else the newest of the folder.
    std::optional<Note> note() const;
    // The column's list: the chosen folder's notes matching the search.
    QList<Note> listedNotes() const;
    // The note a dictation in progress writes into; never dropped as empty.
    QSet<QUuid> dictating() const;
    QString folderName(const QUuid& folder) const;
    QString deleteTitle() const;
    QString deleteMessage() const;
    Dictation dictation(const QUuid& note) const;

    // The column.
    void newNote();
    void pickFolder(const std::optional<QUuid>& folder);
    void pickNote(const QUuid& note);
    void setSearch(const QString& search);
    void addFolder();
    void setRenaming(const QUuid& folder, bool renaming);
    void renameFolder(const QUuid& folder, const QString& name);
    // A folder without notes goes at once; one with notes is asked about.
    void askToDelete(const NoteFolder& folder);
    void confirmDelete();
    void dismissDelete();
    void deleteFolder(const QUuid& folder);

    // The detail.
    void setTitle(const QUuid& note, const QString& title);
    void setBody(const QUuid& note, const QString& body);
    void deleteNote(const QUuid& note);
    // The dictation button: starts a dictation into the note, or stops it.
    void pressDictation(const QUuid& note);

Q_SIGNALS:
    // Anything the screen shows may have changed: its own state or the store.
    void changed();

private:
    // Groups the store changes of one operation into one changed().
    class Batch;

    void edit(const QUuid& note, const std::function<void(Note&)>& change);
    void dropEmpty(QSet<QUuid> keep);
    std::optional<QUuid> firstNote(const std::optional<QUuid>& folder) const;
    std::optional<QUuid> openNoteFolderID() const;
    void storeChanged();
    void settle();

    AppState& m_state;
    const AppActions& m_actions;
    SaveLater m_saver;
    bool m_shown = false;
    int m_batch = 0;

    std::optional<QUuid> m_folderID;
    std::optional<QUuid> m_noteID;
    QString m_search;
    std::optional<QUuid> m_renaming;
    std::optional<NoteFolder> m_folderToDelete;
    std::optional<QUuid> m_newNoteID;
    // What the filing rule last saw, to act only on a change.
    std::optional<QUuid> m_openNoteFolder;
};
