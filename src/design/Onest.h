#pragma once

#include <QFont>
#include <QString>

// The typeface of every window: the four bundled Onest faces, plus a copy
// whose default digits are the tabular ones ("Onest Tabular").
namespace Onest {

// Registers the faces once per process (later calls are cheap). When a face
// file is missing, text falls back to the system sans-serif and the log gets
// one line. Returns whether the faces are in use.
bool registerFaces();
// The same, from another folder, which later calls keep using (tests).
bool registerFaces(const QString& folder);

// The face name of a weight: "Onest-Regular", "Onest-Medium",
// "Onest-SemiBold" or "Onest-Bold"; every other weight uses the regular face.
QString name(QFont::Weight weight);
// The family to ask Qt for (the system sans-serif when Onest is missing).
QString family(bool tabular = false);
// The face at a size in logical pixels.
QFont font(qreal pixelSize, QFont::Weight weight, bool tabular = false);
// The face's own line height at a size, measured once per size and weight.
qreal naturalLineHeight(qreal pixelSize, QFont::Weight weight);

} // namespace Onest
