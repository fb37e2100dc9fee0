#pragma once

#include <QString>

// Where a gallery picture goes: "<stem>@<n>x.png" in folder (made when
// missing), n being this run's device pixel ratio. CMake runs every gallery
// test at scale 1 and 2, so each picture exists at both.
namespace GalleryFile {

QString path(const QString& folder, const QString& stem);

} // namespace GalleryFile
