#include "core/IsoDate.h"

#include <QRegularExpression>
#include <QTimeZone>

namespace IsoDate {

QString format(const QDateTime& date)
{
    return date.toUTC().toString(QStringLiteral("yyyy-MM-dd'T'HH:mm:ss'Z'"));
}

std::optional<QDateTime> parse(const QString& text)
{
    static const QRegularExpression shape(QStringLiteral(
        "^(\\d{4})-(\\d\\d)-(\\d\\d)T(\\d\\d):(\\d\\d):(\\d\\d)(?:(Z)|([+-])(\\d\\d):(\\d\\d))$"));
    const QRegularExpressionMatch m = shape.match(text);
    if (!m.hasMatch())
        return std::nullopt;
    auto n = [&m](int i) { return m.capturedView(i).toInt(); };
    const QDate date(n(1), n(2), n(3));
    const QTime time(n(4), n(5), n(6));
    if (!date.isValid() || !time.isValid())
        return std::nullopt;
    int offset = 0;
    if (m.capturedLength(7) == 0) {
        if (n(9) > 23 || n(10) > 59)
            return std::nullopt;
        offset = (n(9) * 3600 + n(10) * 60) * (m.capturedView(8) == u"-" ? -1 : 1);
    }
    return QDateTime(date, time, QTimeZone(offset)).toUTC();
}

} // namespace IsoDate
