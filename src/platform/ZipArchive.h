#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// Writes ZIP archives (the data export).
namespace ZipArchive {

struct Entry
{
    QString name;     // path inside the archive; a name ending in "/" is a folder
    QByteArray bytes; // a file's content; unused for a folder
};

// Writes the entries, in order, as a new archive at path (replacing a file
// there). False with a description in error when it cannot; a partial file
// may then be left at path, so write to a temporary name.
bool write(const QString& path, const QList<Entry>& entries, QString* error);

} // namespace ZipArchive
