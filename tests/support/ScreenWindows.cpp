#include "ScreenWindows.h"

#include <QProcess>
#include <QRegularExpression>

namespace ScreenWindows {

QList<Window> ofProcess(qint64 pid)
{
    QProcess search;
    search.start(QStringLiteral("xdotool"),
                 {QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--pid"), QString::number(pid)});
    search.waitForFinished(5000);
    QList<Window> found;
    for (const QString& id : QString::fromLatin1(search.readAllStandardOutput()).split(u'\n', Qt::SkipEmptyParts)) {
        QProcess geometry;
        geometry.start(QStringLiteral("xdotool"), {QStringLiteral("getwindowgeometry"), QStringLiteral("--shell"), id});
        geometry.waitForFinished(5000);
        const QString shell = QString::fromLatin1(geometry.readAllStandardOutput());
        auto value = [&shell](const char* name) {
            return QRegularExpression(QStringLiteral("%1=(-?\\d+)").arg(QLatin1String(name))).match(shell).captured(1).toInt();
        };
        found.append({id, QRect(value("X"), value("Y"), value("WIDTH"), value("HEIGHT"))});
    }
    return found;
}

int differingPixels(const QImage& a, const QImage& b)
{
    const QImage left = a.convertToFormat(QImage::Format_RGB32);
    const QImage right = b.convertToFormat(QImage::Format_RGB32);
    int count = 0;
    for (int y = 0; y < std::min(left.height(), right.height()); ++y) {
        for (int x = 0; x < std::min(left.width(), right.width()); ++x) {
            const QRgb p = left.pixel(x, y);
            const QRgb q = right.pixel(x, y);
            if (std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q)) > 60)
                ++count;
        }
    }
    return count;
}

} // namespace ScreenWindows
