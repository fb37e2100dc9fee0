#pragma once

#include <QMetaEnum>
#include <QString>

// A Qt error for a log line, by the name of its code: the log is English
// whatever the interface language, and Qt's own error texts come translated.
namespace LoggedError {

template <class Enum>
QString of(Enum code)
{
    const char* name = QMetaEnum::fromType<Enum>().valueToKey(int(code));
    return name ? QString::fromLatin1(name) : QStringLiteral("error %1").arg(int(code));
}

} // namespace LoggedError
