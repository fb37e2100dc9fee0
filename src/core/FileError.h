#pragma once

#include <QString>

// What a failed file operation says to the user: a sentence in the interface
// language for the common causes, the system's own (English) text kept only
// as a detail after it.
namespace FileError {

// The sentence for an errno value, or empty when the cause is not a common one.
QString sentence(int code);

// Why a file at path could not be written, as an errno value: what its folder
// shows (gone, not a folder, not writable), else fallback. Qt's file classes
// do not keep the system's cause, and errno may be overwritten by then.
int writeCause(const QString& path, int fallback);

// The sentence with the system's text in brackets after it; the system's text
// alone when the cause has no sentence.
QString describe(int code, const QString& systemText);

} // namespace FileError
