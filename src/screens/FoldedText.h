#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// Text as search compares it, case and accents aside ("Café" and "CAFE" both
// read "cafe"), kept as UTF-8 so that finding a needle in thousands of
// transcripts is a byte search.
namespace FoldedText {

// Decomposed, without its non-spacing marks, case-folded, in UTF-8.
QByteArray of(const QString& text);
// The same, worked out over the whole text at once: slower, the reference.
QByteArray ofWhole(const QString& text);
// Where folded text holds a folded needle first, at or after from; -1 when
// it does not. An empty needle is found where the search starts.
qsizetype find(QByteArrayView folded, QByteArrayView needle, qsizetype from = 0);
bool contains(QByteArrayView folded, QByteArrayView needle);

} // namespace FoldedText
