#pragma once

#include "platform/ZipArchive.h"

#include <QDate>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class AppState;

// The user's own data actions. Each runs on the main thread, returns what
// happened and shows nothing: the caller makes its toast. The caller asks
// the user for any file first.
namespace DataActions {

using Archiver = std::function<bool(const QString& path, const QList<ZipArchive::Entry>& entries, QString* error)>;

// The name the export proposes: "kesto-voice-<yyyy-MM-dd>.zip".
QString exportFileName(const QDate& today = QDate::currentDate());

// Saves History and the notes, then writes one archive holding the folder
// "kesto-voice" with "vocabulary.json" and, when they exist, "history.json"
// and "notes.json". The archive is written beside path under a temporary
// name and moved over path only once complete, so a failed export leaves
// whatever was at path untouched. Returns the error (logged as
// "export failed: <error>"), none on success.
std::optional<QString> exportAll(AppState& state, const QString& path, const Archiver& archiver = ZipArchive::write);

// Clears History with its kept recordings, the "audio" folder, the notes
// (back to the starter folders), the vocabulary and snippets, the log and the
// set-aside copies of damaged files ("*.broken-*"). Every other setting stays.
// Returns what could not be deleted or saved (names inside the data folder),
// empty when everything was.
QStringList wipe(AppState& state);

// Creates the data folder when needed and shows it in the file manager.
void openFolder();

} // namespace DataActions
