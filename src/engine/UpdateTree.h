#pragma once

#include "platform/ZipArchive.h"

#include <QList>
#include <QString>

// The files of a verified update archive, checked and put in place over an
// install as one step: the install ends up as it was or with every file of
// the archive, never a mix of the two. Any thread.
namespace UpdateTree {

// Where a release's archive names its own build number.
inline constexpr auto versionFile = "share/kesto-viruz/version";

struct Result
{
    enum class Kind {
        installed,
        notStaged,    // its files could not be written beside the install; nothing was touched
        notReplaced,  // a file could not be replaced; the old files are back
        didNotStart,  // the new program did not start; the old files are back
        mixed,        // putting the old files back failed too
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
// Writes entries beside the install under root, swaps them in, and checks
// that root/program starts and reports version; on any failure the old files
// are put back. Entries must have passed check().
Result install(const QList<ZipArchive::Entry>& entries, const QString& root, const QString& program,
               const QString& version);
// Runs program with "--version": "" when it answers with this build number,
// else what went wrong.
QString startsAs(const QString& program, const QString& version);

} // namespace UpdateTree
