#include "engine/UpdateTree.h"

#include "engine/UpdateFeed.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLockFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSaveFile>
#include <QUuid>

#include <filesystem>
#include <optional>
#include <system_error>

namespace fs = std::filesystem;

namespace {

using Kind = UpdateTree::Result::Kind;

constexpr int startTimeoutMs = 20 * 1000;
const QString journalName = QStringLiteral(".kesto-update.journal");
const QString lockName = QStringLiteral(".kesto-update.lock");
const QString stagingPrefix = QStringLiteral(".kesto-update-");

std::function<void(const QString&)>& stepHook()
{
    static std::function<void(const QString&)> hook;
    return hook;
}

void step(const QString& what)
{
    if (stepHook())
        stepHook()(what);
}

fs::path native(const QString& path)
{
    return fs::path(QFile::encodeName(path).toStdString());
}

QString message(const std::error_code& code)
{
    return QString::fromStdString(code.message());
}

bool present(const QString& path)
{
    std::error_code code;
    return fs::exists(fs::symlink_status(native(path), code));
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

// One change to the install, paths relative to its root. The whole plan is
// in the journal before the first change, and undoing a step that never
// happened, or happened and was undone already, changes nothing.
struct Step
{
    enum class Kind { createdFolder, added, replaced };
    Kind kind = Kind::added;
    QString path;
    QString staged; // the new file, for added and replaced
    QString aside;  // where the old file waits, for replaced
};

struct Journal
{
    QString staging; // relative to root
    QString state;   // "swapping", "placed", "committed", "undone"
    QList<Step> steps;
};

const char* kindName(Step::Kind kind)
{
    switch (kind) {
    case Step::Kind::createdFolder:
        return "folder";
    case Step::Kind::added:
        return "added";
    case Step::Kind::replaced:
        break;
    }
    return "replaced";
}

bool writeJournal(const QString& root, const Journal& journal, QString* reason)
{
    QJsonArray steps;
    for (const Step& s : journal.steps) {
        steps.append(QJsonObject{{QStringLiteral("kind"), QLatin1String(kindName(s.kind))},
                                 {QStringLiteral("path"), s.path},
                                 {QStringLiteral("staged"), s.staged},
                                 {QStringLiteral("aside"), s.aside}});
    }
    const QJsonObject object{{QStringLiteral("staging"), journal.staging},
                             {QStringLiteral("state"), journal.state},
                             {QStringLiteral("steps"), steps}};
    QSaveFile file(QDir(root).filePath(journalName));
    if (!file.open(QIODevice::WriteOnly) || file.write(QJsonDocument(object).toJson()) < 0 || !file.commit()) {
        *reason = QStringLiteral("cannot write the update journal: ") + file.errorString();
        return false;
    }
    return true;
}

bool setState(const QString& root, Journal& journal, const QString& state, QString* reason)
{
    step(QStringLiteral("state ") + state);
    journal.state = state;
    return writeJournal(root, journal, reason);
}

// A journal is replaced in one rename, so it is whole or not there.
std::optional<Journal> readJournal(const QString& root, QString* reason)
{
    QFile file(QDir(root).filePath(journalName));
    if (!file.open(QIODevice::ReadOnly)) {
        *reason = QStringLiteral("cannot read the update journal: ") + file.errorString();
        return std::nullopt;
    }
    const QJsonObject object = QJsonDocument::fromJson(file.readAll()).object();
    Journal journal;
    journal.staging = object.value(QStringLiteral("staging")).toString();
    journal.state = object.value(QStringLiteral("state")).toString();
    const auto inside = [](const QString& path) { return path.isEmpty() || safeName(path); };
    bool sound = journal.staging.startsWith(stagingPrefix) && safeName(journal.staging);
    for (const QJsonValue& value : object.value(QStringLiteral("steps")).toArray()) {
        const QJsonObject o = value.toObject();
        Step s;
        const QString kind = o.value(QStringLiteral("kind")).toString();
        s.kind = kind == QStringLiteral("folder") ? Step::Kind::createdFolder
                 : kind == QStringLiteral("added") ? Step::Kind::added
                                                   : Step::Kind::replaced;
        s.path = o.value(QStringLiteral("path")).toString();
        s.staged = o.value(QStringLiteral("staged")).toString();
        s.aside = o.value(QStringLiteral("aside")).toString();
        sound = sound && safeName(s.path) && inside(s.staged) && inside(s.aside)
                && (s.kind != Step::Kind::replaced || !s.aside.isEmpty());
        journal.steps.append(s);
    }
    if (!sound) {
        *reason = QStringLiteral("the update journal is damaged");
        return std::nullopt;
    }
    return journal;
}

bool removeJournal(const QString& root, const Journal& journal, QString* reason)
{
    step(QStringLiteral("remove staging"));
    std::error_code code;
    fs::remove_all(native(QDir(root).filePath(journal.staging)), code);
    if (code) {
        *reason = QStringLiteral("cannot remove %1: %2").arg(journal.staging, message(code));
        return false;
    }
    step(QStringLiteral("remove journal"));
    fs::remove(native(QDir(root).filePath(journalName)), code);
    if (code) {
        *reason = QStringLiteral("cannot remove the update journal: ") + message(code);
        return false;
    }
    return true;
}

bool perform(const QString& root, const Step& s, QString* reason)
{
    const QDir dir(root);
    const QString path = dir.filePath(s.path);
    std::error_code code;
    switch (s.kind) {
    case Step::Kind::createdFolder:
        step(QStringLiteral("create ") + s.path);
        fs::create_directory(native(path), code);
        if (!code)
            fs::permissions(native(path), fs::perms(0755), code);
        if (code) {
            *reason = QStringLiteral("cannot create %1: %2").arg(path, message(code));
            return false;
        }
        return true;
    case Step::Kind::replaced:
        // Linked aside, the old file stays in place until the new one
        // replaces it in one rename; moved aside where links do not work.
        step(QStringLiteral("set aside ") + s.path);
        fs::create_hard_link(native(path), native(dir.filePath(s.aside)), code);
        if (code)
            fs::rename(native(path), native(dir.filePath(s.aside)), code);
        if (code) {
            *reason = QStringLiteral("cannot set %1 aside: %2").arg(path, message(code));
            return false;
        }
        break;
    case Step::Kind::added:
        break;
    }
    step(QStringLiteral("put in ") + s.path);
    fs::rename(native(dir.filePath(s.staged)), native(path), code);
    if (code) {
        *reason = QStringLiteral("cannot replace %1: %2").arg(path, message(code));
        return false;
    }
    return true;
}

// Puts every old file back and removes what was added, newest first, so
// the program (swapped last) is back first. Safe to run again after a kill.
bool undo(const QString& root, const Journal& journal, QString* reason)
{
    const QDir dir(root);
    QStringList failed;
    for (qsizetype i = journal.steps.size() - 1; i >= 0; --i) {
        const Step& s = journal.steps.at(i);
        const QString path = dir.filePath(s.path);
        std::error_code code;
        switch (s.kind) {
        case Step::Kind::replaced:
            if (present(dir.filePath(s.aside))) {
                step(QStringLiteral("put back ") + s.path);
                fs::rename(native(dir.filePath(s.aside)), native(path), code);
                // Renaming a link onto the file it links to leaves both.
                if (!code && present(dir.filePath(s.aside)))
                    fs::remove(native(dir.filePath(s.aside)), code);
            }
            break;
        case Step::Kind::added:
            if (present(path)) {
                step(QStringLiteral("take out ") + s.path);
                fs::remove(native(path), code);
            }
            break;
        case Step::Kind::createdFolder:
            if (present(path)) {
                step(QStringLiteral("remove ") + s.path);
                fs::remove(native(path), code);
            }
            break;
        }
        if (code)
            failed.append(QStringLiteral("%1 (%2)").arg(path, message(code)));
    }
    if (!failed.isEmpty()) {
        *reason = QStringLiteral("could not put back ") + failed.join(QStringLiteral(", "));
        return false;
    }
    return true;
}

bool finishUndo(const QString& root, Journal& journal, QString* reason)
{
    return undo(root, journal, reason) && setState(root, journal, QStringLiteral("undone"), reason)
           && removeJournal(root, journal, reason);
}

// Every change the swap makes, in order: folders before what they hold,
// the program last.
bool plan(const QList<ZipArchive::Entry>& entries, const QString& root, const QString& program,
          const QString& staging, Journal& journal, UpdateTree::Result& result)
{
    const QDir dir(root);
    QList<const ZipArchive::Entry*> ordered;
    for (const ZipArchive::Entry& entry : entries) {
        if (entry.name != program)
            ordered.append(&entry);
    }
    for (const ZipArchive::Entry& entry : entries) {
        if (entry.name == program)
            ordered.append(&entry);
    }
    QStringList created;
    int asides = 0;
    for (const ZipArchive::Entry* entry : ordered) {
        const QString relative = isFolder(*entry) ? entry->name : QFileInfo(entry->name).path();
        QString folder;
        for (const QString& part : relative.split(QLatin1Char('/'), Qt::SkipEmptyParts)) {
            if (part == QStringLiteral("."))
                continue;
            folder += (folder.isEmpty() ? QString() : QStringLiteral("/")) + part;
            if (created.contains(folder))
                continue;
            const QFileInfo info(dir.filePath(folder));
            if (info.isDir() && !info.isSymLink())
                continue;
            if (info.exists() || info.isSymLink()) {
                result = {Kind::notReplaced, QStringLiteral("a file is in the way of the folder ") + info.filePath(),
                          entry->name};
                return false;
            }
            created.append(folder);
            journal.steps.append({Step::Kind::createdFolder, folder, {}, {}});
        }
        if (isFolder(*entry))
            continue;
        const QFileInfo old(dir.filePath(entry->name));
        const QString staged = staging + QStringLiteral("/new/") + entry->name;
        if (old.isDir() && !old.isSymLink()) {
            result = {Kind::notReplaced, QStringLiteral("a folder is in the way of the file ") + old.filePath(),
                      entry->name};
            return false;
        }
        if (old.exists() || old.isSymLink())
            journal.steps.append({Step::Kind::replaced, entry->name, staged,
                                  staging + QStringLiteral("/old/") + QString::number(asides++)});
        else
            journal.steps.append({Step::Kind::added, entry->name, staged, {}});
    }
    return true;
}

QString stage(const QList<ZipArchive::Entry>& entries, const QString& staging, const QString& program)
{
    const QDir into(QDir(staging).filePath(QStringLiteral("new")));
    if (!QDir().mkpath(QDir(staging).filePath(QStringLiteral("old"))))
        return QStringLiteral("cannot create ") + staging;
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

void setStepHook(std::function<void(const QString& step)> hook)
{
    stepHook() = std::move(hook);
}

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

std::shared_ptr<QLockFile> lock(const QString& root, bool* busy)
{
    auto file = std::make_shared<QLockFile>(QDir(root).filePath(lockName));
    // An install outlives any age limit; only a dead holder frees the lock.
    file->setStaleLockTime(0);
    const bool held = file->tryLock(0);
    if (busy)
        *busy = !held && file->error() == QLockFile::LockFailedError;
    return held ? file : nullptr;
}

Result place(const QList<ZipArchive::Entry>& entries, const QString& root, const QString& program,
             const QString& version)
{
    QString reason;
    if (present(QDir(root).filePath(journalName))) {
        // An earlier swap was not finished: recover() at the next start sees to it first.
        return {Kind::notStaged, QStringLiteral("an earlier update of this folder is not finished"), {}};
    }
    // Beside the install, on its file system, so every move is a rename.
    Journal journal;
    journal.staging = stagingPrefix + QUuid::createUuid().toString(QUuid::WithoutBraces);
    const QString staging = QDir(root).filePath(journal.staging);
    auto cleanUp = [&staging] { QDir(staging).removeRecursively(); };
    step(QStringLiteral("stage"));
    if (const QString failure = stage(entries, staging, program); !failure.isEmpty()) {
        cleanUp();
        return {Kind::notStaged, failure, {}};
    }
    Result result;
    if (!plan(entries, root, program, journal.staging, journal, result)) {
        cleanUp();
        return result;
    }
    journal.state = QStringLiteral("swapping");
    step(QStringLiteral("journal"));
    if (!writeJournal(root, journal, &reason)) {
        cleanUp();
        return {Kind::notStaged, reason, {}};
    }
    for (const Step& s : std::as_const(journal.steps)) {
        if (!perform(root, s, &reason)) {
            result = {Kind::notReplaced, reason, s.path};
            break;
        }
    }
    if (result.kind == Kind::installed) {
        if (const QString failure = startsAs(QDir(root).filePath(program), version); !failure.isEmpty())
            result = {Kind::didNotStart, failure, program};
    }
    if (result.kind == Kind::installed) {
        if (setState(root, journal, QStringLiteral("placed"), &reason))
            return result;
        result = {Kind::notReplaced, reason, {}};
    }
    QString undone;
    if (!finishUndo(root, journal, &undone)) {
        // What could not be put back waits in the staging folder for recover().
        result.kind = Kind::mixed;
        result.reason += QStringLiteral("; ") + undone + QStringLiteral("; the old files are kept in ") + staging;
    }
    return result;
}

bool commit(const QString& root, QString* reason)
{
    QString why;
    std::optional<Journal> journal = readJournal(root, &why);
    const bool ok = journal && setState(root, *journal, QStringLiteral("committed"), &why)
                    && removeJournal(root, *journal, &why);
    if (!ok && reason)
        *reason = why;
    return ok;
}

bool rollBack(const QString& root, QString* reason)
{
    QString why;
    std::optional<Journal> journal = readJournal(root, &why);
    const bool ok = journal && finishUndo(root, *journal, &why);
    if (!ok && reason)
        *reason = why;
    return ok;
}

Recovery recover(const QString& root)
{
    Recovery recovery;
    const QDir dir(root);
    const bool journalThere = present(dir.filePath(journalName));
    const QStringList staged = dir.entryList({stagingPrefix + QLatin1Char('*'), QStringLiteral(".kesto-write-*")},
                                             QDir::AllEntries | QDir::Hidden | QDir::System);
    // A lock a killed process left goes too, once taken over.
    if (!journalThere && staged.isEmpty() && !present(dir.filePath(lockName)))
        return recovery;
    const std::shared_ptr<QLockFile> held = lock(root);
    if (!held)
        return {Recovery::Kind::busy, QStringLiteral("another process is updating ") + root, {}};
    QString keep;
    if (present(dir.filePath(journalName))) {
        std::optional<Journal> journal = readJournal(root, &recovery.reason);
        if (!journal) {
            recovery.kind = Recovery::Kind::failed;
            return recovery;
        }
        keep = journal->staging;
        if (journal->state == QStringLiteral("committed")) {
            recovery.kind = Recovery::Kind::finished;
            if (!removeJournal(root, *journal, &recovery.reason))
                recovery.kind = Recovery::Kind::failed;
        } else {
            // A swap that was never confirmed goes back to the old files.
            recovery.kind = Recovery::Kind::undone;
            if (!finishUndo(root, *journal, &recovery.reason))
                recovery.kind = Recovery::Kind::failed;
        }
        if (recovery.kind != Recovery::Kind::failed)
            keep.clear();
    }
    for (const QString& name : dir.entryList({stagingPrefix + QLatin1Char('*'), QStringLiteral(".kesto-write-*")},
                                             QDir::AllEntries | QDir::Hidden | QDir::System)) {
        if (name == keep)
            continue;
        std::error_code code;
        fs::remove_all(native(dir.filePath(name)), code);
        if (!code)
            recovery.removed.append(name);
    }
    return recovery;
}

QString startsAs(const QString& program, const QString& version)
{
    step(QStringLiteral("run --version"));
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

QString rootOf(const QString& programPath)
{
    const QFileInfo program(programPath);
    QDir root = program.dir();
    if (root.dirName() == QStringLiteral("bin"))
        root.cdUp();
    return root.absolutePath();
}

} // namespace UpdateTree
