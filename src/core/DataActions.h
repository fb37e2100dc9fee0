#pragma once

#include "platform/ZipArchive.h"

#include <QDate>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class AppState;

// The user's own data actions on the one AppState. The views ask the user for
// the file first (cancelling never reaches here) and make their toast from the
// result; nothing here shows anything. Main thread only.
namespace DataActions {

// The result of reading or writing the word list.
struct WordsResult
{
    int count = 0;    // import: words added; export: words written
    int snippets = 0; // import: snippets added (from an export's record)
    QString fileName; // the file's name, without its folder
    QString error;    // a short sentence saying what failed; empty on success

    bool ok() const { return error.isEmpty(); }
};

// The name the export proposes.
QString wordsFileName();

// Reads a UTF-8 word list, or the "vocabulary.json" of a data export (alone
// or in its archive), and puts the words not yet in the vocabulary, in the
// file's order, at its head; an export's new snippets likewise (one change
// of the settings). Of duplicates the first is kept. Any other file (other
// JSON, other archives, binary data, lines far longer than a word) changes
// nothing and says why.
WordsResult importWords(AppState& state, const QString& path);

// Writes the vocabulary as a word list, atomically; a failed write keeps any
// file that was there, is logged and says why.
WordsResult exportWords(const AppState& state, const QString& path);

using Archiver = std::function<bool(const QString& path, const QList<ZipArchive::Entry>& entries, QString* error)>;

// The name the data export proposes: "kesto-voice-<yyyy-MM-dd>.zip".
QString exportFileName(const QDate& today = QDate::currentDate());

// Writes one archive holding the folder "kesto-voice" with "vocabulary.json",
// "history.json" and "notes.json", made from what the app holds, whatever
// state the data folder is in. The archive is written beside path under a temporary
// name and moved over path only once complete, so a failed export leaves
// whatever was at path untouched. Returns the error (logged as
// "export failed: <error>"), none on success.
std::optional<QString> exportAll(AppState& state, const QString& path, const Archiver& archiver = ZipArchive::write);

// Clears History with its kept recordings, the "audio" folder, the notes
// (back to the starter folders), the vocabulary and snippets, the recordings
// waiting for a transcript, every log file and the set-aside copies of
// damaged files ("*.broken-*"). Every other setting stays.
// Returns what could not be deleted or saved (names inside the data folder),
// empty when everything was.
QStringList wipe(AppState& state);

// Creates the data folder when needed and shows it in the file manager.
void openFolder();

} // namespace DataActions
