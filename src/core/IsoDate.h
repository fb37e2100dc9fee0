#pragma once

#include <QDateTime>
#include <QString>

#include <optional>

// The stores' date format: an internet date-time with whole seconds, written in
// UTC with a "Z" ("2026-03-14T09:30:00Z"). Reading is strict: anything else,
// fractions of a second included, is not a date.
namespace IsoDate {

QString format(const QDateTime& date);
std::optional<QDateTime> parse(const QString& text);

} // namespace IsoDate
