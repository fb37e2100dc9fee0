#include "GalleryFile.h"

#include <QDir>
#include <QGuiApplication>

namespace GalleryFile {

QString path(const QString& folder, const QString& stem)
{
    QDir().mkpath(folder);
    const int scale = qGuiApp ? qRound(qGuiApp->devicePixelRatio()) : 1;
    return QDir(folder).filePath(stem + QStringLiteral("@%1x.png").arg(scale));
}

} // namespace GalleryFile
