#include "core/L10n.h"

#include <QCoreApplication>

namespace L10n {

QString tr(const char* english)
{
    return QCoreApplication::translate("Kesto", english);
}

QString tr(const QString& english)
{
    return QCoreApplication::translate("Kesto", english.toUtf8().constData());
}

} // namespace L10n
