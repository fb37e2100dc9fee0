#include "shell/StaleRecordings.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace StaleRecordings {

bool isRecordingName(const QString& fileName)
{
    static const QRegularExpression pattern(
        QStringLiteral("^kesto-[0-9A-Fa-f]{8}-[0-9A-Fa-f]{4}-[0-9A-Fa-f]{4}-[0-9A-Fa-f]{4}-[0-9A-Fa-f]{12}"
                       "(\\.trimmed)?\\.(wav|m4a)$"));
    return pattern.match(fileName).hasMatch();
}

int clean(const QString& folder, const QSet<QString>& keep)
{
    const QDateTime recent = QDateTime::currentDateTime().addSecs(-60);
    int deleted = 0;
    const QFileInfoList files = QDir(folder).entryInfoList({QStringLiteral("kesto-*")}, QDir::Files);
    for (const QFileInfo& file : files) {
        if (!isRecordingName(file.fileName()) || keep.contains(file.fileName()))
            continue;
        if (file.lastModified() > recent)
            continue;
        if (QFile::remove(file.absoluteFilePath()))
            ++deleted;
    }
    return deleted;
}

} // namespace StaleRecordings
