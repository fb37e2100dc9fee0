#include "ReadOnlyFolder.h"

#include <QDir>
#include <QFile>
#include <QProcess>

#include <unistd.h>

namespace {

bool chattr(const QString& flag, const QString& path)
{
    return QProcess::execute(QStringLiteral("chattr"), {flag, path}) == 0;
}

} // namespace

ReadOnlyFolder::ReadOnlyFolder(QString path)
    : m_path(std::move(path))
    , m_permissions(QFile::permissions(m_path))
{
    if (::geteuid() == 0)
        m_immutable = chattr(QStringLiteral("+i"), m_path);
    else
        QFile::setPermissions(m_path, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::ExeGroup);
}

ReadOnlyFolder::~ReadOnlyFolder()
{
    if (m_immutable)
        chattr(QStringLiteral("-i"), m_path);
    else
        QFile::setPermissions(m_path, m_permissions);
}

bool ReadOnlyFolder::isReadOnly() const
{
    QFile probe(QDir(m_path).filePath(QStringLiteral(".probe")));
    if (!probe.open(QIODevice::WriteOnly))
        return true;
    probe.remove();
    return false;
}
