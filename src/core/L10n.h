#pragma once

#include <QString>

// Every user-visible text is looked up with its English text as the key;
// a missing translation yields the English text itself.
namespace L10n {

QString tr(const char* english);
// The same, for keys built at run time.
QString tr(const QString& english);

} // namespace L10n
