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
// Whether folded text holds a folded needle; an empty needle is everywhere.
bool contains(QByteArrayView folded, QByteArrayView needle);

} // namespace FoldedText
