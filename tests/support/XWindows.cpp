#include "XWindows.h"

#include <QProcess>
#include <QRegularExpression>

namespace XWindows {

QList<Window> visible(qint64 pid)
{
    QProcess search;
    search.start(QStringLiteral("xdotool"), {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                             QStringLiteral("--pid"), QString::number(pid)});
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

} // namespace XWindows
