#pragma once

#include <QString>

// The desktop's file manager.
namespace FileManager {

// Opens the folder of the file at path with the file selected; where no
// file manager offers that, opens the folder. False when nothing opened.
bool showFile(const QString& path);

} // namespace FileManager
