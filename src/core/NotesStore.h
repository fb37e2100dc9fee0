#pragma once

#include <QDateTime>
#include <QList>
#include <QSet>
#include <QString>
#include <QUuid>

#include <optional>

// One note of the notes library.
struct Note
{
    QUuid id = QUuid::createUuid();
    QUuid folderID;
    QString title;
    QString body;
    QDateTime created = QDateTime::currentDateTimeUtc();
    QDateTime updated = created;
    std::optional<QString> kind;  // filing kind: "meeting", "tasks", "journal", "idea", "note"
    std::optional<qint64> number; // running number within a kind (meetings)

    bool operator==(const Note&) const = default;

    // The first non-empty line of the body, untrimmed; "" when there is none.
    QString snippet() const;
    // Title and body both empty after trimming white space and line breaks.
    bool isBlank() const;
};

struct NoteFolder
{
    QUuid id = QUuid::createUuid();
    QString name;

    bool operator==(const NoteFolder&) const = default;
};

// The folders and notes, saved as "notes.json". Every mutation saves the whole
// file; callers hold ids, never references into the lists.
struct NotesStore
{
    QList<NoteFolder> folders; // display order; new folders at the end
    QList<Note> notes;         // store order; new notes at the front

    bool operator==(const NotesStore&) const = default;

    struct RecentTitle
    {
        QString title;
        QString folder; // "" when the folder is gone
        bool operator==(const RecentTitle&) const = default;
    };

    // Two folders, "Personal" and "Ideas" in the interface language, no notes.
    static NotesStore starter();
    static QString filePath();

    // Notes of a folder (all with none) whose title and body contain the
    // query (spaces around it ignored, any case), newest change first.
    QList<Note> search(const std::optional<QUuid>& folder, const QString& query) const;
    QList<RecentTitle> recentTitles(int limit) const;
    qint64 nextNumber(const QString& kind) const;
    int count(const QUuid& folder) const;
    const Note* note(const QUuid& id) const;
    // The folder with this name after trimming, ignoring letter case.
    std::optional<NoteFolder> folderNamed(const QString& name) const;

    // Adds the text on a new line after the body's trailing white space;
    // false when the note is gone.
    bool append(const QString& text, const QUuid& noteID);
    // The one blank note, moved into the folder, or a new one.
    Note draft(const QUuid& folder);
    void update(Note note);
    void renameFolder(const QUuid& folder, const QString& name);
    // Applies a filing answer: title, kind and number only to an untitled
    // note; the folder by name, created when missing. Returns the note's folder.
    std::optional<NoteFolder> file(const QUuid& noteID, const std::optional<QString>& title,
                                   const std::optional<QString>& kind, const std::optional<qint64>& number,
                                   const std::optional<QString>& folderName);
    void deleteNote(QUuid id);
    void deleteFolder(QUuid id); // by value: callers often pass a field of the list
    void removeEmpty(const QSet<QUuid>& except);
    // False with the reason in error when the file could not be written.
    bool save(QString* error = nullptr) const;

    QByteArray encode() const;
    // Strict: every key but a note's kind and number must be there.
    static std::optional<NotesStore> decode(const QByteArray& bytes);
    // Missing gives the starter store (not written); undecodable is set aside.
    static NotesStore load();
};
