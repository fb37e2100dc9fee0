#pragma once

#include "core/NotesStore.h"

#include <QWidget>

class NoteFindBar;
class NoteTextView;

// The open note's editor: a one-line title over the multi-line body, each
// with its placeholder, in a column at most 820 wide. It keeps nothing of
// its own: every change goes out whole through titleEdited/bodyEdited, and
// setNote() shows the note as stored. One editor per note: the screen makes
// a new one (with a fresh undo history) when another note opens.
class NoteEditor final : public QWidget
{
    Q_OBJECT

public:
    static constexpr int maxWidth = 820;
    static constexpr int titleHeight = 36;
    static constexpr int bodyMinHeight = 320;

    // focusTitle: the title takes the keyboard focus once shown (a new note).
    NoteEditor(const Note& note, bool focusTitle, QWidget* parent = nullptr);

    QUuid noteID() const { return m_noteID; }
    void setNote(const Note& note);
    NoteTextView* titleView() const { return m_title; }
    NoteTextView* bodyView() const { return m_body; }
    NoteFindBar* findBar() const { return m_find; }

    // As wide as allowed: the screen places it at the leading side.
    QSize sizeHint() const override;

Q_SIGNALS:
    void titleEdited(const QString& title);
    void bodyEdited(const QString& body);

protected:
    void showEvent(QShowEvent* event) override;

private:
    QUuid m_noteID;
    NoteTextView* m_title;
    NoteTextView* m_body;
    NoteFindBar* m_find;
    bool m_focusTitle;
};
