#pragma once

#include <QDateTime>
#include <QString>

// Numbers, dates, times and durations as the windows show them, in the
// interface language (L10n::interfaceLanguage()). Dates are shown in local time.
namespace Format {

// Grouped in threes: commas in English, plain spaces in every other language.
QString number(qint64 value);
// "1 word", "12 words", in the plural form of the interface language.
QString words(int count);
// Day and abbreviated month ("Mar 8", "8 мар.", "8-mar").
QString shortDate(const QDateTime& date);
// 24-hour "HH:mm" with Latin digits in every language.
QString time(const QDateTime& date);
// "Today", "Yesterday" or the short date.
QString day(const QDateTime& date, const QDateTime& now);
// "Today, 09:30", "Yesterday, 09:30" or the short date alone.
QString dayAndTime(const QDateTime& date, const QDateTime& now);
// Whole minutes and two-digit seconds ("1:05", "60:00"); never hours.
QString duration(double seconds);
// One decimal and a unit ("2.5 s", "2,5 s").
QString seconds(double value);

} // namespace Format
