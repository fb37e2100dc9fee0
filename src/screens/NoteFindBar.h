#pragma once

#include <QWidget>

class NoteTextView;
class SInput;

// Finding text in a note's body: Ctrl+F in the body opens a field above it;
// typing selects the first match from where the selection starts, Return
// goes to the next one and Shift+Return to the one before (both wrapping
// around), Escape closes the field and gives the body its focus back.
class NoteFindBar final : public QWidget
{
    Q_OBJECT

public:
    explicit NoteFindBar(NoteTextView& body, QWidget* parent = nullptr);

    SInput* field() const { return m_field; }
    void open();
    void close();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Selects the next match (or the previous one) and tells whether there is any.
    void find(bool backward, bool fromSelectionStart);

    NoteTextView& m_body;
    SInput* m_field;
};
