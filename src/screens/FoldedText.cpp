#include "screens/FoldedText.h"

#include <QHash>

#include <algorithm>
#include <cstring>
#include <vector>

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
//
// Each character's bytes are worked out once and packed into a word: up to
// three bytes and their count, or a mark for longer ones kept aside.
constexpr quint32 known = 1u << 31;
constexpr quint32 whole = 1u << 30;
constexpr quint32 aside = 1u << 29;

QHash<char16_t, QByteArray>& longer()
{
    static QHash<char16_t, QByteArray> pieces;
    return pieces;
}

quint32 packed(char16_t c)
{
    static std::vector<quint32> table(0x10000, 0);
    quint32& slot = table[c];
    if (slot & known)
        return slot;
    const QString one(QChar{c});
    bool alone = !QChar::isSurrogate(c);
    for (const QChar d : one.normalized(QString::NormalizationForm_D)) {
        if (d.isSurrogate() || (d.combiningClass() != 0 && d.category() != QChar::Mark_NonSpacing))
            alone = false;
    }
    const QByteArray bytes = foldedWhole(one).toUtf8();
    if (!alone) {
        slot = known | whole;
    } else if (bytes.size() > 3) {
        longer().insert(c, bytes);
        slot = known | aside;
    } else {
        slot = known | quint32(bytes.size()) << 24;
        for (int i = 0; i < bytes.size(); ++i)
            slot |= quint32(uchar(bytes.at(i))) << (8 * i);
    }
    return slot;
}

} // namespace

namespace FoldedText {

QByteArray of(const QString& text)
{
    // Most characters give one to three bytes; the buffer grows for the rest.
    QByteArray out(text.size() * 3, Qt::Uninitialized);
    char* at = out.data();
    char* end = at + out.size();
    const auto room = [&](qsizetype needed) {
        if (end - at >= needed)
            return;
        const qsizetype used = at - out.data();
        out.resize(std::max(out.size() * 2, used + needed));
        at = out.data() + used;
        end = out.data() + out.size();
    };
    for (const QChar qc : text) {
        const char16_t c = qc.unicode();
        if (c < 0x80) {
            room(1);
            *at++ = char(c >= 'A' && c <= 'Z' ? c + ('a' - 'A') : c);
            continue;
        }
        const quint32 p = packed(c);
        if (p & whole)
            return ofWhole(text);
        if (p & aside) {
            const QByteArray& bytes = longer()[c];
            room(bytes.size());
            at = std::copy(bytes.cbegin(), bytes.cend(), at);
            continue;
        }
        const int count = int(p >> 24) & 3;
        room(count);
        for (int i = 0; i < count; ++i)
            *at++ = char(p >> (8 * i));
    }
    out.truncate(at - out.data());
    return out;
}

QByteArray ofWhole(const QString& text)
{
    return foldedWhole(text).toUtf8();
}

qsizetype find(QByteArrayView folded, QByteArrayView needle, qsizetype from)
{
    if (from < 0 || from > folded.size())
        return -1;
    const QByteArrayView rest = folded.sliced(from);
    // A needle grown at its end is mostly found right where it was.
    if (rest.startsWith(needle))
        return from;
    // UTF-8 never starts a character inside another, so a byte match is a
    // match of whole characters.
    const void* hit = memmem(rest.data(), size_t(rest.size()), needle.data(), size_t(needle.size()));
    return hit ? static_cast<const char*>(hit) - folded.data() : -1;
}

bool contains(QByteArrayView folded, QByteArrayView needle)
{
    return find(folded, needle, 0) >= 0;
}

} // namespace FoldedText
