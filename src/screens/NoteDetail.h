#pragma once

#include "platform/Clock.h"
#include "screens/NoteEditor.h"

#include <QPointer>
#include <QWidget>

class AppState;
class EmptyStateView;

class NoteHeader;
class NotesModel;
class SButton;

// The right side of the Notes screen: the open note's header over its
// editor, or, with no note to show, an empty state with "Create note".
class NoteDetail final : public QWidget
{
    Q_OBJECT

public:
    NoteDetail(AppState& state, NotesModel& model, Clock& clock, QWidget* parent = nullptr);

    void refresh();

    NoteHeader* header() const { return m_header; }
    // None while the empty state shows.
    NoteEditor* editor() const { return m_editor; }
    EmptyStateView* emptyState() const { return m_emptyState; }
    SButton* createButton() const { return m_create; }
    bool showsEmptyState() const;

private:
    void dropEditor();

    NotesModel& m_model;
    QWidget* m_empty;
    EmptyStateView* m_emptyState;
    SButton* m_create;
    QWidget* m_open;
    NoteHeader* m_header;
    QPointer<NoteEditor> m_editor;
};
