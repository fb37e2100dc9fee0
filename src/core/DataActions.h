#pragma once

#include <QString>

class AppState;

// The user's own data actions on the one AppState. The views ask the user for
// the file first (cancelling never reaches here) and make their toast from the
// result; nothing here shows anything.
namespace DataActions {

// The result of reading or writing the word list.
struct WordsResult
{
    int count = 0;    // import: words added; export: words written
    QString fileName; // the file's name, without its folder
    QString error;    // a short sentence saying what failed; empty on success

    bool ok() const { return error.isEmpty(); }
};

// The name the export proposes.
QString wordsFileName();

// Reads a UTF-8 word list and puts the words not yet in the vocabulary, in the
// file's order, at its head (one change of the settings). An unreadable file
// or one that is not UTF-8 changes nothing and says why.
WordsResult importWords(AppState& state, const QString& path);

// Writes the vocabulary as a word list, atomically; a failed write keeps any
// file that was there, is logged and says why.
WordsResult exportWords(const AppState& state, const QString& path);

} // namespace DataActions
