#include "core/StoreFile.h"

#include "core/Log.h"
#include "platform/DataFolder.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMutex>
#include <QSaveFile>
#include <QSet>

namespace {

QMutex heldMutex;
QSet<QString> heldPaths;

QString key(const QString& path)
{
    return QFileInfo(path).absoluteFilePath();
}

QString stamp()
{
    return QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd'T'HHmmss")).remove(QLatin1Char(':'));
}

} // namespace

namespace StoreFile {

bool write(const QString& path, const QByteArray& bytes, Access access, QString* error)
{
    auto fail = [error](const QString& why) {
        if (error)
            *error = why;
        return false;
    };
    if (isHeld(path))
        return fail(QStringLiteral("the unreadable file there could not be set aside"));
    const QString folder = QFileInfo(path).absolutePath();
    if (!DataFolder::ensure(folder))
        return fail(QStringLiteral("could not create the folder %1").arg(folder));

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
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
    if (!file.commit())
        return fail(file.errorString());
    return true;
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
        return true;
    }
    {
        QMutexLocker lock(&heldMutex);
        heldPaths.insert(key(path));
    }
    Log::write(QStringLiteral("could not read %1; could not set it aside (%2), so it is left as it is and not "
                              "written this run")
                   .arg(name, target.isEmpty() ? QStringLiteral("no free name") : file.errorString()));
    return false;
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
}

} // namespace StoreFile
