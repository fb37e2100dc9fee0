#include "core/Format.h"

#include "core/L10n.h"

#include <QLocale>

#include <cmath>

namespace {

QLocale interfaceLocale()
{
    return QLocale(L10n::interfaceLanguage());
}

bool isEnglish()
{
    return L10n::interfaceLanguage().startsWith(QStringLiteral("en"));
}

} // namespace

namespace Format {

QString number(qint64 value)
{
    QString text = interfaceLocale().toString(value);
    if (!isEnglish())
        text.replace(interfaceLocale().groupSeparator(), QStringLiteral(" "));
    return text;
}

QString words(int count)
{
    return L10n::tr("%1 words", nullptr, count).arg(number(count));
}

QString shortDate(const QDateTime& date)
{
    const QString language = L10n::interfaceLanguage();
    // English puts the month first; the other interface languages the day.
    QString pattern = QStringLiteral("d MMM");
    if (language.startsWith(QStringLiteral("uz")))
        pattern = QStringLiteral("d-MMM");
    else if (isEnglish())
        pattern = QStringLiteral("MMM d");
    return interfaceLocale().toString(date.toLocalTime(), pattern);
}

QString time(const QDateTime& date)
{
    return QLocale(QStringLiteral("en_GB")).toString(date.toLocalTime(), QStringLiteral("HH:mm"));
}

QString day(const QDateTime& date, const QDateTime& now)
{
    const QDate d = date.toLocalTime().date();
    const QDate today = now.toLocalTime().date();
    if (d == today)
        return L10n::tr("Today");
    if (d == today.addDays(-1))
        return L10n::tr("Yesterday");
    return shortDate(date);
}

QString dayAndTime(const QDateTime& date, const QDateTime& now)
{
    const QDate d = date.toLocalTime().date();
    const QDate today = now.toLocalTime().date();
    if (d != today && d != today.addDays(-1))
        return shortDate(date);
    return day(date, now) + QStringLiteral(", ") + time(date);
}

QString duration(double seconds)
{
    // Callers pass real recording lengths; anything else shows as nothing recorded.
    const double floored = std::isfinite(seconds) ? std::floor(seconds) : 0;
    const qint64 whole = floored <= 0 || floored > 9.0e15 ? 0 : qint64(floored);
    return QString::number(whole / 60) + QLatin1Char(':') + QStringLiteral("%1").arg(whole % 60, 2, 10, QLatin1Char('0'));
}

QString seconds(double value)
{
    // A plain one-decimal figure: "1234.5 s", never grouped.
    QLocale locale = interfaceLocale();
    locale.setNumberOptions(locale.numberOptions() | QLocale::OmitGroupSeparator);
    return L10n::tr("%1 s").arg(locale.toString(value, 'f', 1));
}

} // namespace Format
