#include "engine/UpdateTree.h"

#include "engine/UpdateFeed.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QUuid>

#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace {

using Kind = UpdateTree::Result::Kind;

constexpr int startTimeoutMs = 20 * 1000;

fs::path native(const QString& path)
{
    return fs::path(QFile::encodeName(path).toStdString());
}

QString message(const std::error_code& code)
{
    return QString::fromStdString(code.message());
}

// A name inside the archive that stays inside the folder it is unpacked into.
bool safeName(const QString& name)
{
    if (name.isEmpty() || name.startsWith(QLatin1Char('/')) || name.contains(QLatin1Char('\\')))
        return false;
    const QStringList parts = name.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    return !parts.isEmpty() && !parts.contains(QStringLiteral("..")) && !parts.contains(QStringLiteral("."));
}

bool isFolder(const ZipArchive::Entry& entry)
{
    return entry.name.endsWith(QLatin1Char('/'));
}

QString archiveVersion(const QList<ZipArchive::Entry>& entries)
{
    for (const ZipArchive::Entry& entry : entries) {
        if (entry.name == QLatin1String(UpdateTree::versionFile))
            return QString::fromUtf8(entry.bytes).trimmed();
    }
    return QString();
}

// Modes come from here, not from the archive: an archive made without them
// would leave the program unable to start, one made carelessly would leave
// files anyone may change.
fs::perms modeFor(const ZipArchive::Entry& entry, const QString& program)
{
    const QString folder = QFileInfo(entry.name).path();
    const bool runnable = entry.name == program || folder == QFileInfo(program).path() || (entry.mode & 0100) != 0;
    return runnable ? fs::perms(0755) : fs::perms(0644);
}

// What was changed in the install, in order, so it can be undone.
struct Step
{
    enum class Kind { createdFolder, added, replaced };
    Kind kind;
    QString path;  // in the install
    QString aside; // the old file, for replaced
};

class Swap
{
public:
    explicit Swap(QString staging)
        : m_aside(QDir(staging).filePath(QStringLiteral("old")))
    {
    }

    bool makeFolders(const QString& root, const QString& relative, QString* reason)
    {
        QString path = root;
        for (const QString& part : relative.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
            path += QLatin1Char('/') + part;
            const QFileInfo info(path);
            if (info.isDir() && !info.isSymLink())
                continue;
            if (info.exists() || info.isSymLink()) {
                *reason = QStringLiteral("a file is in the way of the folder ") + path;
                return false;
            }
            std::error_code code;
            fs::create_directory(native(path), code);
            if (code) {
                *reason = QStringLiteral("cannot create %1: %2").arg(path, message(code));
                return false;
            }
            m_steps.append({Step::Kind::createdFolder, path, {}});
            fs::permissions(native(path), fs::perms(0755), code);
        }
        return true;
    }

    bool place(const QString& staged, const QString& destination, QString* reason)
    {
        const QFileInfo old(destination);
        std::error_code code;
        if (old.isDir() && !old.isSymLink()) {
            *reason = QStringLiteral("a folder is in the way of the file ") + destination;
            return false;
        }
        if (old.exists() || old.isSymLink()) {
            // Linked aside, the old file stays in place until the new one
            // replaces it in one rename; moved aside where links do not work.
            const QString aside = QDir(m_aside).filePath(QString::number(m_steps.size()));
            QDir().mkpath(m_aside);
            fs::create_hard_link(native(destination), native(aside), code);
            if (code)
                fs::rename(native(destination), native(aside), code);
            if (code) {
                *reason = QStringLiteral("cannot set %1 aside: %2").arg(destination, message(code));
                return false;
            }
            m_steps.append({Step::Kind::replaced, destination, aside});
        } else {
            m_steps.append({Step::Kind::added, destination, {}});
        }
        fs::rename(native(staged), native(destination), code);
        if (code) {
            *reason = QStringLiteral("cannot replace %1: %2").arg(destination, message(code));
            return false;
        }
        return true;
    }

    // Puts every old file back and removes what was added, newest first;
    // false with what could not be undone.
    bool undo(QString* reason)
    {
        QStringList failed;
        for (qsizetype i = m_steps.size() - 1; i >= 0; --i) {
            const Step& step = m_steps.at(i);
            std::error_code code;
            switch (step.kind) {
            case Step::Kind::replaced:
                fs::rename(native(step.aside), native(step.path), code);
                break;
            case Step::Kind::added:
                // A file that never arrived is not there to remove.
                fs::remove(native(step.path), code);
                break;
            case Step::Kind::createdFolder:
                fs::remove(native(step.path), code);
                break;
            }
            if (code)
                failed.append(QStringLiteral("%1 (%2)").arg(step.path, message(code)));
        }
        m_steps.clear();
        if (!failed.isEmpty())
            *reason = QStringLiteral("could not put back ") + failed.join(QStringLiteral(", "));
        return failed.isEmpty();
    }

private:
    QString m_aside;
    QList<Step> m_steps;
};

QString stage(const QList<ZipArchive::Entry>& entries, const QString& staging, const QString& program)
{
    const QDir into(QDir(staging).filePath(QStringLiteral("new")));
    for (const ZipArchive::Entry& entry : entries) {
        const QString target = into.filePath(entry.name);
        if (!QDir().mkpath(isFolder(entry) ? target : QFileInfo(target).path()))
            return QStringLiteral("cannot create a folder for ") + entry.name;
        if (isFolder(entry))
            continue;
        QFile file(target);
        if (!file.open(QIODevice::WriteOnly) || file.write(entry.bytes) != entry.bytes.size() || !file.flush())
            return QStringLiteral("cannot write %1: %2").arg(entry.name, file.errorString());
        file.close();
        std::error_code code;
        fs::permissions(native(target), modeFor(entry, program), code);
        if (code)
            return QStringLiteral("cannot set the mode of %1: %2").arg(entry.name, message(code));
    }
    return QString();
}

} // namespace

namespace UpdateTree {

QString check(const QList<ZipArchive::Entry>& entries, const QString& program, const QString& offered,
              const QString& running, bool* wrongVersion)
{
    if (wrongVersion)
        *wrongVersion = false;
    bool hasProgram = false;
    for (const ZipArchive::Entry& entry : entries) {
        if (!safeName(entry.name))
            return QStringLiteral("unsafe name in the archive: ") + entry.name;
        if (entry.symlink)
            return QStringLiteral("a link in the archive: ") + entry.name;
        hasProgram = hasProgram || entry.name == program;
    }
    if (!hasProgram)
        return QStringLiteral("the archive does not hold ") + program;
    const QString version = archiveVersion(entries);
    QString fault;
    if (!UpdateFeed::isValidVersion(version))
        fault = QStringLiteral("the archive names no version in ") + QLatin1String(versionFile);
    else if (UpdateFeed::compareVersions(version, offered) != 0)
        fault = QStringLiteral("the archive is version %1, the feed offered %2").arg(version, offered);
    else if (UpdateFeed::compareVersions(version, running) <= 0)
        fault = QStringLiteral("the archive is version %1, not newer than this build's %2").arg(version, running);
    if (wrongVersion)
        *wrongVersion = !fault.isEmpty();
    return fault;
}

Result install(const QList<ZipArchive::Entry>& entries, const QString& root, const QString& program,
               const QString& version)
{
    // Beside the install, on its file system, so every move is a rename.
    const QString staging
        = QDir(root).filePath(QStringLiteral(".kesto-update-") + QUuid::createUuid().toString(QUuid::WithoutBraces));
    auto cleanUp = [&staging] { QDir(staging).removeRecursively(); };
    if (const QString failure = stage(entries, staging, program); !failure.isEmpty()) {
        cleanUp();
        return {Kind::notStaged, failure, {}};
    }

    Swap swap(staging);
    Result result;
    for (const ZipArchive::Entry& entry : entries) {
        QString reason;
        const QString relative = isFolder(entry) ? entry.name : QFileInfo(entry.name).path();
        bool ok = relative == QStringLiteral(".") || swap.makeFolders(root, relative, &reason);
        if (ok && !isFolder(entry)) {
            ok = swap.place(QDir(staging).filePath(QStringLiteral("new/") + entry.name), QDir(root).filePath(entry.name),
                            &reason);
        }
        if (!ok) {
            result = {Kind::notReplaced, reason, entry.name};
            break;
        }
    }
    if (result.kind == Kind::installed) {
        if (const QString failure = startsAs(QDir(root).filePath(program), version); !failure.isEmpty())
            result = {Kind::didNotStart, failure, program};
    }
    if (result.kind != Kind::installed) {
        QString undone;
        if (!swap.undo(&undone)) {
            // What could not be put back is only in the staging folder now.
            result.kind = Kind::mixed;
            result.reason += QStringLiteral("; ") + undone + QStringLiteral("; the old files are kept in ") + staging;
            return result;
        }
    }
    cleanUp();
    return result;
}

QString startsAs(const QString& program, const QString& version)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::SeparateChannels);
    process.start(program, {QStringLiteral("--version")});
    if (!process.waitForFinished(startTimeoutMs)) {
        const QString why = process.error() == QProcess::FailedToStart ? process.errorString()
                                                                         : QStringLiteral("no answer in 20 s");
        process.kill();
        process.waitForFinished(1000);
        return QStringLiteral("the new program did not start: ") + why;
    }
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return QStringLiteral("the new program ended with code %1").arg(process.exitCode());
    static const QRegularExpression build(QStringLiteral("\\bbuild (\\S+)\\s*$"));
    const QString answer = QString::fromUtf8(process.readAllStandardOutput()).trimmed();
    const QRegularExpressionMatch match = build.match(answer);
    if (!match.hasMatch() || UpdateFeed::compareVersions(match.captured(1), version) != 0)
        return QStringLiteral("the new program reports \"%1\", not build %2").arg(answer.left(200), version);
    return QString();
}

} // namespace UpdateTree
