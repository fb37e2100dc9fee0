#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>

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

// Moves a file, keeping it whole: a rename where both lie on one file system,
// else a copy that is checked and synced before the source goes. On failure
// the source stays, nothing is left at to, and the failure handler hears of it.
bool move(const QString& from, const QString& to, QString* error = nullptr);

// Told (main thread) when writes to a path start failing, once per run of
// failures: a later successful write of that path arms it again.
using FailureHandler = std::function<void(const QString& path, const QString& error)>;
// Installs handler and returns the one it replaces.
FailureHandler setFailureHandler(FailureHandler handler);

// Removes what a write interrupted at its last step left beside the stores
// ("config.json.Ab12Cd"); returns the names removed.
QStringList removeStaleTemporaries(const QString& folder);

// Reads the whole file; false when it is missing or cannot be read.
bool read(const QString& path, QByteArray* bytes);

// Moves an undecodable file to "<name>.broken-<stamp>" beside it (a name that
// does not exist yet) and logs it. When the move fails the file stays where it
// is and the path is held: later writes to it are refused for this run, so the
// user's unreadable file is never replaced by defaults. Returns whether moved.
bool setAside(const QString& path);

// The files set aside since the last call, as "<name>" -> "<new name>" pairs
// (the new name empty when the move failed), oldest first.
struct SetAside
{
    QString name;
    QString keptAs;
    bool operator==(const SetAside&) const = default;
};
QList<SetAside> takeSetAside();

// Whether writes to path are refused because it could not be set aside.
bool isHeld(const QString& path);
// Forgets every held path (tests).
void releaseAll();

} // namespace StoreFile
