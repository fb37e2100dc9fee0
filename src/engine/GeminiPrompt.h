#pragma once

#include <QString>
#include <QStringList>

struct GeminiClient;

// The text part sent beside the audio on the generateContent path: the
// user's instructions, the languages, the clean-up or word-for-word rules,
// punctuation, the names to spell exactly and the closing.
namespace GeminiPrompt {

// Closing of a plain dictation: the bare transcript.
QString plainClosing();
// Closing of a dictated note, ending with a line feed; the filing rules follow.
QString noteClosing();

QString instructions(const GeminiClient& client, const QString& closing);
// The language block; "" when no code is in the spoken-language table.
QString languageRules(const QStringList& codes);
QString smartRules(bool fillers, bool corrections);

} // namespace GeminiPrompt
