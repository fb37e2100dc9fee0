#include "core/FileError.h"

#include "core/L10n.h"

#include <QFileInfo>

#include <cerrno>

namespace FileError {

QString sentence(int code)
{
    switch (code) {
    case ENOENT:
    case ENOTDIR:
        return L10n::tr("The folder does not exist any more.");
    case EACCES:
    case EPERM:
        return L10n::tr("There is no permission to write there.");
    case ENOSPC:
    case EDQUOT:
        return L10n::tr("The disk is full.");
    case EROFS:
        return L10n::tr("The disk can only be read.");
    case ENAMETOOLONG:
        return L10n::tr("The name is too long.");
    case EIO:
        return L10n::tr("The disk did not answer.");
    default:
        return {};
    }
}

int writeCause(const QString& path, int fallback)
{
    const QFileInfo folder(QFileInfo(path).absolutePath());
    if (!folder.exists())
        return ENOENT;
    if (!folder.isDir())
        return ENOTDIR;
    if (!folder.isWritable())
        return EACCES;
    return fallback;
}

QString describe(int code, const QString& systemText)
{
    const QString said = sentence(code);
    if (said.isEmpty())
        return systemText;
    if (systemText.isEmpty())
        return said;
    return said + QStringLiteral(" (") + systemText + u')';
}

} // namespace FileError
