#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <limits>
#include <optional>

// Writes and reads ZIP archives (the data export, self-contained updates).
namespace ZipArchive {

struct Entry
{
    QString name;     // path inside the archive; a name ending in "/" is a folder
    QByteArray bytes; // a file's content; unused for a folder
    quint32 mode = 0; // Unix permission bits; 0: none stored (read as 0644)
    bool symlink = false; // a symbolic link; bytes hold where it points
};

// Writes the entries, in order, as a new archive at path (replacing a file
// there). False with a description in error when it cannot, errno then
// holding the system's cause when there is one (else 0); a partial file may
// then be left at path, so write to a temporary name.
bool write(const QString& path, const QList<Entry>& entries, QString* error);
// Bounds on what read() unpacks, checked against the archive's directory
// before any file is unpacked.
struct Limits
{
    qint64 entries = std::numeric_limits<qint64>::max();
    qint64 bytes = std::numeric_limits<qint64>::max(); // all files together, unpacked
};

// Every entry of the archive at path, in archive order; none with a
// description in error when it cannot be read whole or is over limits.
std::optional<QList<Entry>> read(const QString& path, QString* error, const Limits& limits = {});

} // namespace ZipArchive
