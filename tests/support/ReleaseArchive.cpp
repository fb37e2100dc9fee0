#include "ReleaseArchive.h"

#include <QFile>
#include <QTemporaryDir>

namespace ReleaseArchive {

QByteArray program(const QString& build)
{
    // Long enough that a download arrives in several pieces.
    return QStringLiteral("#!/bin/sh\necho \"kesto-viruz 1.%1 build %1\"\nexit 0\n").arg(build).toUtf8()
           + QByteArray("# padding\n").repeated(400);
}

QList<ZipArchive::Entry> entries(const QString& build, const QString& programBuild)
{
    return {{QStringLiteral("bin/kesto-viruz"), program(programBuild.isEmpty() ? build : programBuild), 0755},
            {QStringLiteral("share/applications/"), {}, 0755},
            {QStringLiteral("share/applications/kesto-viruz.desktop"), "[Desktop Entry]\nName=Kesto Viruz\n", 0644},
            {QStringLiteral("share/kesto-viruz/version"), build.toUtf8() + '\n', 0644}};
}

QByteArray bytes(const QList<ZipArchive::Entry>& entries)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("release.zip"));
    QString error;
    if (!ZipArchive::write(path, entries, &error))
        qFatal("cannot write the archive: %s", qPrintable(error));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read the archive back");
    return file.readAll();
}

} // namespace ReleaseArchive
