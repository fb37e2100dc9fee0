#include "core/StoreFile.h"

#include "core/Log.h"
#include "platform/DataFolder.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMutex>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSet>
#include <QUuid>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <unistd.h>

namespace {

QString key(const QString& path)
{
    return QFileInfo(path).absoluteFilePath();
}

QMutex heldMutex;
QSet<QString> heldPaths;
QList<StoreFile::SetAside> setAsideFiles;
QSet<QString> failingPaths;
StoreFile::FailureHandler failureHandler;

void noteResult(const QString& path, const QString& error)
{
    StoreFile::FailureHandler handler;
    {
        QMutexLocker lock(&heldMutex);
        if (error.isEmpty()) {
            failingPaths.remove(key(path));
            return;
        }
        if (failingPaths.contains(key(path)))
            return;
        failingPaths.insert(key(path));
        handler = failureHandler;
    }
    if (handler)
        handler(path, error);
}

QString errnoText()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}

// Copies from into a new file at to, whole and on disk, or leaves nothing there.
bool copyWhole(const QString& from, const QString& to, QString* why)
{
    QFile in(from);
    if (!in.open(QIODevice::ReadOnly)) {
        *why = in.errorString();
        return false;
    }
    QFile out(to);
    if (!out.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered)) {
        *why = out.errorString();
        return false;
    }
    bool ok = true;
    while (ok && !in.atEnd()) {
        const QByteArray chunk = in.read(1 << 16);
        if (in.error() != QFileDevice::NoError) {
            *why = in.errorString();
            ok = false;
        } else if (out.write(chunk) != chunk.size()) {
            *why = out.errorString();
            ok = false;
        }
    }
    if (ok && ::fsync(out.handle()) != 0) {
        *why = errnoText();
        ok = false;
    }
    out.close();
    if (ok && QFileInfo(to).size() != in.size()) {
        *why = QStringLiteral("the copy is incomplete");
        ok = false;
    }
    if (!ok)
        QFile::remove(to);
    return ok;
}

QString stamp()
{
    return QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd'T'HHmmss")).remove(QLatin1Char(':'));
}

} // namespace

namespace StoreFile {

bool write(const QString& path, const QByteArray& bytes, Access access, QString* error)
{
    auto fail = [&path, error](const QString& why) {
        if (error)
            *error = why;
        noteResult(path, why);
        return false;
    };
    if (isHeld(path))
        return fail(QStringLiteral("the unreadable file there could not be set aside"));
    const QString folder = QFileInfo(path).absolutePath();
    if (!DataFolder::ensure(folder))
        return fail(QStringLiteral("could not create the folder %1").arg(folder));

    // Unbuffered: a buffered QSaveFile commits even when its last flush fails
    // on a full disk, leaving an empty file where the store was.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return fail(file.errorString());
    // The key-holding file must never be readable by others, not even for a moment.
    if (access == Access::owner && !file.setPermissions(QFile::ReadOwner | QFile::WriteOwner)) {
        file.cancelWriting();
        return fail(file.errorString());
    }
    if (file.write(bytes) != bytes.size()) {
        const QString why = file.errorString();
        file.cancelWriting();
        return fail(why);
    }
    // A file system that reserves space late reports a full disk here.
    if (::fdatasync(file.handle()) != 0 && errno != EINVAL) {
        const QString why = errnoText();
        file.cancelWriting();
        return fail(why);
    }
    if (!file.commit())
        return fail(file.errorString());
    noteResult(path, QString());
    return true;
}

bool move(const QString& from, const QString& to, QString* error)
{
    const QByteArray source = QFile::encodeName(from);
    if (::rename(source.constData(), QFile::encodeName(to).constData()) == 0)
        return true;
    QString why = errnoText();
    if (errno == EXDEV) {
        // Another file system: a copy beside the target, renamed into place once whole.
        const QString partial = to + QStringLiteral(".part-") + QUuid::createUuid().toString(QUuid::WithoutBraces);
        if (copyWhole(from, partial, &why)) {
            if (::rename(QFile::encodeName(partial).constData(), QFile::encodeName(to).constData()) == 0) {
                QFile::remove(from);
                return true;
            }
            why = errnoText();
            QFile::remove(partial);
        }
    }
    if (error)
        *error = why;
    noteResult(to, why);
    return false;
}

FailureHandler setFailureHandler(FailureHandler handler)
{
    QMutexLocker lock(&heldMutex);
    failingPaths.clear();
    return std::exchange(failureHandler, std::move(handler));
}

QStringList removeStaleTemporaries(const QString& folder)
{
    // The name QSaveFile gives its file just before it replaces the store.
    static const QRegularExpression pattern(QStringLiteral("^(config|history|notes)\\.json\\.[A-Za-z0-9]{6}$"));
    QStringList removed;
    const QDir dir(folder);
    for (const QString& name : dir.entryList({QStringLiteral("*.json.*")}, QDir::Files | QDir::Hidden)) {
        if (pattern.match(name).hasMatch() && QFile::remove(dir.filePath(name)))
            removed << name;
    }
    return removed;
}

bool read(const QString& path, QByteArray* bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    *bytes = file.readAll();
    return file.error() == QFile::NoError;
}

bool setAside(const QString& path)
{
    const QFileInfo info(path);
    if (!info.exists() && !info.isSymLink())
        return false; // nothing there to protect
    const QString name = info.fileName();
    const QString base = name + QStringLiteral(".broken-") + stamp();
    QString target;
    for (int n = 1; n < 100; ++n) {
        const QString candidate = n == 1 ? base : base + QLatin1Char('-') + QString::number(n);
        if (!QFileInfo::exists(info.dir().filePath(candidate))) {
            target = candidate;
            break;
        }
    }
    QFile file(path);
    // QFile::rename never replaces an existing file, so a name taken meanwhile fails safely.
    if (!target.isEmpty() && file.rename(info.dir().filePath(target))) {
        Log::write(QStringLiteral("could not read %1; kept it as %2").arg(name, target));
        QMutexLocker lock(&heldMutex);
        setAsideFiles.append({name, target});
        return true;
    }
    {
        QMutexLocker lock(&heldMutex);
        heldPaths.insert(key(path));
        setAsideFiles.append({name, QString()});
    }
    Log::write(QStringLiteral("could not read %1; could not set it aside (%2), so it is left as it is and not "
                              "written this run")
                   .arg(name, target.isEmpty() ? QStringLiteral("no free name") : file.errorString()));
    return false;
}

QList<SetAside> takeSetAside()
{
    QMutexLocker lock(&heldMutex);
    return std::exchange(setAsideFiles, {});
}

bool isHeld(const QString& path)
{
    QMutexLocker lock(&heldMutex);
    return heldPaths.contains(key(path));
}

void releaseAll()
{
    QMutexLocker lock(&heldMutex);
    heldPaths.clear();
    setAsideFiles.clear();
}

} // namespace StoreFile
