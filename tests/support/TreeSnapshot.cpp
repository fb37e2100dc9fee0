#include "TreeSnapshot.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>

#include <filesystem>

namespace TreeSnapshot {

QString modeOf(const QString& path)
{
    const auto status = std::filesystem::symlink_status(QFile::encodeName(path).toStdString());
    return QString::number(int(status.permissions() & std::filesystem::perms::mask), 8);
}

QMap<QString, QByteArray> of(const QString& root)
{
    QMap<QString, QByteArray> files;
    QDirIterator it(root, QDir::Files | QDir::Dirs | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile file(path);
        const bool isFile = it.fileInfo().isFile() && file.open(QIODevice::ReadOnly);
        files.insert(QDir(root).relativeFilePath(path),
                     modeOf(path).toLatin1() + ' ' + (isFile ? file.readAll() : QByteArray("<dir>")));
    }
    return files;
}

} // namespace TreeSnapshot
