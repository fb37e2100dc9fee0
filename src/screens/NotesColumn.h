#pragma once

#include <QHash>
#include <QList>
#include <QUuid>
#include <QWidget>

class AppState;
class FolderRow;
class NoteRow;
class NotesListRow;
class NotesModel;
class QVBoxLayout;
class SIconButton;
class SInput;

// The left column of the Notes screen: "New note", the search field, the
// folders (all notes first) with their counts, and the chosen folder's notes
// that match the search. Rows are kept per folder and note id, so a row keeps
// its hover and rename state while the lists change around it.
class NotesColumn final : public QWidget
{
    Q_OBJECT

public:
    NotesColumn(AppState& state, NotesModel& model, QWidget* parent = nullptr);

    // Brings the rows in line with the store and the screen's state.
    void refresh();

    NotesListRow* newNoteButton() const { return m_newNote; }
    SInput* searchField() const { return m_search; }
    SIconButton* addFolderButton() const { return m_addFolder; }
    NotesListRow* allNotesRow() const { return m_all; }
    // In display order.
    QList<FolderRow*> folderRows() const;
    QList<NoteRow*> noteRows() const;
    FolderRow* folderRow(const QUuid& folder) const { return m_folderRows.value(folder); }
    NoteRow* noteRow(const QUuid& note) const { return m_noteRows.value(note); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    FolderRow* makeFolderRow(const QUuid& folder);
    NoteRow* makeNoteRow(const QUuid& note);
    template <class Row>
    static void arrange(QVBoxLayout* layout, QHash<QUuid, Row*>& rows, QList<QUuid>& order,
                        const QList<QUuid>& wanted);

    AppState& m_state;
    NotesModel& m_model;
    NotesListRow* m_newNote;
    SInput* m_search;
    SIconButton* m_addFolder;
    NotesListRow* m_all;
    QVBoxLayout* m_folderList;
    QWidget* m_divider;
    QVBoxLayout* m_noteList;
    QHash<QUuid, FolderRow*> m_folderRows;
    QHash<QUuid, NoteRow*> m_noteRows;
    QList<QUuid> m_folderOrder;
    QList<QUuid> m_noteOrder;
};
