#pragma once

#include <QString>

class QWidget;

// Where the user picks a file to read or a place to write one. Screens ask
// this instead of opening file dialogs themselves, so tests can answer with
// paths. An empty answer means the user cancelled.
class FilePicker
{
public:
    virtual ~FilePicker() = default;

    // filter as for QFileDialog, e.g. "Text (*.txt)".
    virtual QString openFile(QWidget* parent, const QString& title, const QString& filter) = 0;
    // suggestedPath: the folder and name the dialog starts with. A name
    // typed without an extension gets the filter's first one inside the
    // dialog, so its question about replacing a file is about the real name.
    virtual QString saveFile(QWidget* parent, const QString& title, const QString& suggestedPath,
                             const QString& filter) = 0;

    // The first extension a filter names ("ZIP archive (*.zip)" -> "zip");
    // empty when it names none.
    static QString suffixOf(const QString& filter);

    // The picker in use: the desktop's file dialogs unless a test set another.
    static FilePicker& instance();
    // Replaces the picker (tests); nullptr restores the desktop's dialogs.
    // The caller keeps ownership.
    static void setInstance(FilePicker* picker);
};
