#pragma once

#include <QString>

// Makes a file that this process has open behave like one on a full disk:
// its descriptors now point at /dev/full, so every later write fails.
namespace DiskFull {

// False when no open descriptor of the file was found.
bool strike(const QString& path);

} // namespace DiskFull
