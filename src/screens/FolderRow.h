#pragma once

#include "screens/NotesListRow.h"

#include <QMenu>
#include <QPointer>

class QLineEdit;

// One folder of the Notes column with its number of notes. A click picks it;
// a double click or "Rename" in its context menu asks for rename mode, in
// which a field takes the name's place: Return or moving the focus elsewhere
// in the window commits the text exactly as typed, Escape cancels; switching
// to another window leaves the field as it is. Rename mode itself belongs to
// the screen (setRenaming); the row only asks for changes.
class FolderRow final : public NotesListRow
{
    Q_OBJECT

public:
    explicit FolderRow(QWidget* parent = nullptr);

    void setFolder(const QString& name, int count, bool on);
    bool isRenaming() const { return m_renaming; }
    // Entering fills the field with the current name and focuses it.
    void setRenaming(bool renaming);
    QLineEdit* field() const { return m_field; }
    QMenu* contextMenu() const { return m_menu; }

Q_SIGNALS:
    void picked();
    // Asks the screen to enter (true) or leave (false) rename mode.
    void renamingRequested(bool renaming);
    void renamed(const QString& text);
    void deleteRequested();

protected:
    bool paintsLabel() const override { return !m_renaming; }
    bool eventFilter(QObject* watched, QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void commit();
    void cancel();
    void styleField();

    QLineEdit* m_field;
    // The menu deletes itself once closed.
    QPointer<QMenu> m_menu;
    bool m_renaming = false;
};
