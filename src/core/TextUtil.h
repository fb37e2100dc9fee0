#pragma once

#include <QString>
#include <QStringList>

// Small text rules shared by the stores.
namespace TextUtil {

// Trims spaces and tabs (Unicode space separators and U+0009), not line breaks.
QString trimSpaces(const QString& text);
// Splits at every line break character (LF, VT, FF, CR, U+0085, U+2028, U+2029).
QStringList splitLines(const QString& text);
// Whether c is white space or a line break in Unicode's sense.
bool isBlank(QChar c);
// The first count characters as a reader counts them (grapheme clusters),
// so an emoji or a letter with its accent is never cut in half.
QString leftGraphemes(const QString& text, int count);
// Remote text (an error page, say) made short enough to show: white space
// runs become one space, lines break at spaces after at most width
// characters (a longer word is cut), and only the first count lines stay,
// the last ending in "…" when something was left out.
QStringList firstLines(const QString& text, int width, int count);

} // namespace TextUtil
