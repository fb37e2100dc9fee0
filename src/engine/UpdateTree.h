#pragma once

#include "platform/ZipArchive.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

class QLockFile;

// The files of a verified update archive, checked and swapped into an
// install one rename at a time, with a journal beside the install that
// says how to undo every step. The program is swapped last and put back
// first, so the install always holds a program that starts; whatever a
// killed process left half-way, recover() finishes or undoes at the next
// start. Any thread; one install per folder at a time (lock()).
namespace UpdateTree {

// Where a release's archive names its own build number.
inline constexpr auto versionFile = "share/kesto-viruz/version";

struct Result
{
    enum class Kind {
        installed,    // the new files are in place; the old ones wait in the journal until commit()
        notStaged,    // its files could not be written beside the install; nothing was touched
        notReplaced,  // a file could not be replaced; the old files are back
        didNotStart,  // the new program did not start; the old files are back
        mixed,        // putting the old files back failed too; recover() tries again
    };
    Kind kind = Kind::installed;
    QString reason; // lower-case, for the log
    QString file;   // the file that could not be replaced, inside the install
};

// Whether entries can replace an install whose program is the relative path
// program: safe names, no links, the program and a version file, the
// version equal to offered and newer than running. "" when they can, else
// why not, lower-case; wrongVersion tells a version fault apart.
QString check(const QList<ZipArchive::Entry>& entries, const QString& program, const QString& offered,
              const QString& running, bool* wrongVersion = nullptr);

// The install lock of root, held for the whole install; null when another
// process holds it (busy) or it cannot be made.
std::shared_ptr<QLockFile> lock(const QString& root, bool* busy = nullptr);

// Writes entries beside the install under root, swaps them in, and checks
// that root/program starts and reports version; on any failure the old
// files are put back. When installed, the old files are kept until
// commit() or rollBack(). Entries must have passed check(); the caller
// holds lock(root).
Result place(const QList<ZipArchive::Entry>& entries, const QString& root, const QString& program,
             const QString& version);
// The new files stay: the old ones and the journal go. False with why.
bool commit(const QString& root, QString* reason = nullptr);
// The old files come back. False with why; the journal then stays.
bool rollBack(const QString& root, QString* reason = nullptr);

struct Recovery
{
    enum class Kind { nothing, busy, finished, undone, failed };
    Kind kind = Kind::nothing;
    QString reason;      // lower-case, for the log
    QStringList removed; // leftovers removed, relative to root
};
// Run at every start: finishes a committed swap, undoes any other one left
// half-way, and removes staging folders no install needs. Does nothing
// while another process holds the install lock.
Recovery recover(const QString& root);

// Runs program with "--version": "" when it answers with this build number,
// else what went wrong.
QString startsAs(const QString& program, const QString& version);

// The folder an update replaces for a program at path: the folder above
// "bin", else the program's own folder.
QString rootOf(const QString& programPath);

// Called before each change to the file system with what it is about to
// do; tests stop the process there.
void setStepHook(std::function<void(const QString& step)> hook);

} // namespace UpdateTree
