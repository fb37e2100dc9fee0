#include "phone/PhonePage.h"

#include <QFile>
#include <QSysInfo>

static void initPhoneResources()
{
    Q_INIT_RESOURCE(phone);
}

namespace PhonePage {

QString text()
{
    static const QString page = [] {
        initPhoneResources();
        QFile file(QStringLiteral(":/phone/page.html"));
        file.open(QIODevice::ReadOnly);
        return QString::fromUtf8(file.readAll());
    }();
    return page;
}

QString jsEscaped(const QString& text)
{
    QString out;
    for (const QChar c : text) {
        if (c.unicode() < 128 && c.isLetterOrNumber())
            out += c;
    }
    return out;
}

QString htmlEscaped(const QString& text)
{
    QString out = text;
    out.replace(QLatin1Char('&'), QLatin1String("&amp;"));
    out.replace(QLatin1Char('<'), QLatin1String("&lt;"));
    out.replace(QLatin1Char('>'), QLatin1String("&gt;"));
    out.replace(QLatin1Char('"'), QLatin1String("&quot;"));
    out.replace(QLatin1Char('\''), QLatin1String("&#39;"));
    return out;
}

QString computerName()
{
    const QString name = QSysInfo::machineHostName();
    return name.isEmpty() ? QStringLiteral("computer") : name;
}

QString filled(const QString& token, const QString& computerName)
{
    QString page = text();
    page.replace(QLatin1String("__TOKEN__"), jsEscaped(token));
    page.replace(QLatin1String("__MAC_NAME__"), htmlEscaped(computerName));
    return page;
}

} // namespace PhonePage
