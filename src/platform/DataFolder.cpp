#include "platform/DataFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace DataFolder {

QString path()
{
    const QString overridden = qEnvironmentVariable("KESTO_DATA_DIR");
    // Taken exactly as given: no trimming, no tilde expansion.
    if (!overridden.isEmpty())
        return overridden;
    return QDir::cleanPath(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
                           + QStringLiteral("/Kesto Viruz"));
}

bool ensure(const QString& folder)
{
    const QString clean = QDir::cleanPath(QDir(folder).absolutePath());
    if (QFileInfo(clean).isDir())
        return true;
    const QString parent = QFileInfo(clean).path();
    if (parent != clean && !ensure(parent))
        return false;
    // mkdir then chmod would leave a moment where the folder is readable by others.
    if (!QDir().mkdir(clean, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner))
        return QFileInfo(clean).isDir();
    return true;
}

} // namespace DataFolder
