#pragma once

#include "design/ColorToken.h"
#include "design/TypeModifier.h"

#include <QTextEdit>

// The plain-text editor of a note's title or body: one text style on lines
// of a fixed height, glyphs centred in each line. What it reads back is
// exactly what was typed or pasted (non-breaking spaces included), every
// line break a line feed; pasting inserts plain text only, as one undo step.
// Return, with or without Shift, Alt or Ctrl, breaks the line. In
// single-line mode Return does nothing, Tab moves on to the next control and
// pasted line breaks become spaces.
// setText() is a
// replacement from outside (a dictation appended to the note): it writes
// nothing back, puts the caret at the end, scrolled into view, and clears
// the undo history, so no step refers to text that is gone.
class NoteTextView final : public QTextEdit
{
    Q_OBJECT

public:
    NoteTextView(const TypeModifier& type, const ColorToken& color, bool singleLine, QWidget* parent = nullptr);

    QString text() const { return m_text; }
    void setText(const QString& text);
    // Drawn in the tertiary colour while the text is empty.
    QString placeholder() const { return m_placeholder; }
    void setPlaceholder(const QString& placeholder);
    bool isSingleLine() const { return m_singleLine; }
    const TypeModifier& type() const { return m_type; }

    // The text as the document holds it: every line break a line feed.
    static QString documentForm(const QString& text);
    // A pasted text for a single line: each line break one space.
    static QString joinLines(const QString& text);

Q_SIGNALS:
    // The user changed the text (typing, deleting, pasting, undo, redo).
    void edited(const QString& text);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool canInsertFromMimeData(const QMimeData* source) const override;
    void insertFromMimeData(const QMimeData* source) override;
    QMimeData* createMimeDataFromSelection() const override;
    void paintEvent(QPaintEvent* event) override;

private:
    void applyColors();
    void contentsChanged();
    QString documentText() const;

    TypeModifier m_type;
    ColorToken m_color;
    bool m_singleLine;
    QString m_placeholder;
    QString m_text;
    bool m_replacing = false;
};
