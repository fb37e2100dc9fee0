#include "screens/FoldedText.h"

#include <QHash>

#include <cstring>

namespace {

QString foldedWhole(const QString& text)
{
    const QString decomposed = text.normalized(QString::NormalizationForm_D);
    QString out;
    out.reserve(decomposed.size());
    for (const QChar c : decomposed) {
        if (c.category() != QChar::Mark_NonSpacing)
            out.append(c);
    }
    return out.toCaseFolded();
}

// What one character folds to on its own. Folding the text a character at a
// time gives what folding the whole gives as long as every character that
// decomposition may reorder is a non-spacing mark, which folding drops; the
// few that are not (some spacing viramas), and surrogates, send the text
// the whole way.
struct Piece {
    QByteArray bytes;
    bool alone = true;
};

const Piece& piece(char16_t c)
{
    static QHash<char16_t, Piece> pieces;
    auto it = pieces.constFind(c);
    if (it != pieces.constEnd())
        return *it;
    const QString one(QChar{c});
    Piece made{foldedWhole(one).toUtf8(), !QChar::isSurrogate(c)};
    for (const QChar d : one.normalized(QString::NormalizationForm_D)) {
        if (d.isSurrogate() || (d.combiningClass() != 0 && d.category() != QChar::Mark_NonSpacing))
            made.alone = false;
    }
    return *pieces.insert(c, std::move(made));
}

} // namespace

namespace FoldedText {

QByteArray of(const QString& text)
{
    QByteArray out;
    out.reserve(text.size() + text.size() / 4);
    for (const QChar qc : text) {
        const char16_t c = qc.unicode();
        if (c < 0x80) {
            out.append(char(c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c));
            continue;
        }
        const Piece& p = piece(c);
        if (!p.alone)
            return ofWhole(text);
        out.append(p.bytes);
    }
    return out;
}

QByteArray ofWhole(const QString& text)
{
    return foldedWhole(text).toUtf8();
}

bool contains(QByteArrayView folded, QByteArrayView needle)
{
    if (needle.isEmpty())
        return true;
    // UTF-8 never starts a character inside another, so a byte match is a
    // match of whole characters.
    return memmem(folded.data(), size_t(folded.size()), needle.data(), size_t(needle.size())) != nullptr;
}

} // namespace FoldedText
