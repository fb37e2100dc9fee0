#include "AppLog.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTest>

namespace AppLog {

QString read(const QString& dataFolder)
{
    QFile file(QDir(dataFolder).filePath(QStringLiteral("kesto.log")));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

bool waitFor(const QString& dataFolder, const QString& line, int timeoutMs)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < timeoutMs) {
        if (read(dataFolder).contains(line))
            return true;
        QTest::qWait(20);
    }
    return false;
}

} // namespace AppLog
