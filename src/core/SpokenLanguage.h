#pragma once

#include <QList>
#include <QString>

#include <optional>

// A language the user can dictate in. The catalogue is fixed; the user's choice
// is stored as codes in Config::languageCodes, in catalogue order.
struct SpokenLanguage
{
    QString code; // such as "uz-UZ"; the identity of a row
    QString englishName;
    QString nativeName;

    bool operator==(const SpokenLanguage&) const = default;

    static const QList<SpokenLanguage>& all();
    // Exact, case-sensitive match of the code.
    static std::optional<SpokenLanguage> find(const QString& code);
};
