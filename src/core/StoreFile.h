#pragma once

#include <QByteArray>
#include <QString>

// File work shared by the stores: atomic whole-file writes and setting aside a
// file that could not be decoded, so that it is never written over.
namespace StoreFile {

enum class Access {
    shared,  // default permissions
    owner,   // 0600 from the moment the temporary file exists
};

// Writes bytes to path through a temporary file that then replaces it, creating
// missing folders (0700). Returns false with a description in error on failure;
// the file as it was stays in place. A path held by setAside() is never written.
bool write(const QString& path, const QByteArray& bytes, Access access, QString* error = nullptr);

// Reads the whole file; false when it is missing or cannot be read.
bool read(const QString& path, QByteArray* bytes);

// Moves an undecodable file to "<name>.broken-<stamp>" beside it (a name that
// does not exist yet) and logs it. When the move fails the file stays where it
// is and the path is held: later writes to it are refused for this run, so the
// user's unreadable file is never replaced by defaults. Returns whether moved.
bool setAside(const QString& path);

// Whether writes to path are refused because it could not be set aside.
bool isHeld(const QString& path);
// Forgets every held path (tests).
void releaseAll();

} // namespace StoreFile
