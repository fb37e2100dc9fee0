#pragma once

#include "platform/ZipArchive.h"

#include <QByteArray>
#include <QList>
#include <QString>

// Release archives the way a publisher makes them: the installed tree with
// the build number in its version file and a program that reports it.
namespace ReleaseArchive {

// A program that answers "--version" as the application does.
QByteArray program(const QString& build);
// bin/kesto-viruz reporting programBuild (build when empty), a desktop file
// in its own folder, and the version file naming build.
QList<ZipArchive::Entry> entries(const QString& build, const QString& programBuild = QString());
// The bytes of a ZIP archive of entries.
QByteArray bytes(const QList<ZipArchive::Entry>& entries);

} // namespace ReleaseArchive
