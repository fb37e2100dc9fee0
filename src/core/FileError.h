#pragma once

#include <QString>

// What a failed file operation says to the user: a sentence in the interface
// language for the common causes, the system's own (English) text kept only
// as a detail after it.
namespace FileError {

// The sentence for an errno value, or empty when the cause is not a common one.
QString sentence(int code);

// The sentence with the system's text in brackets after it; the system's text
// alone when the cause has no sentence.
QString describe(int code, const QString& systemText);

} // namespace FileError
