#include "core/InterfaceLanguage.h"

#include "core/L10n.h"

#include <QDir>
#include <QSettings>
#include <QStandardPaths>

namespace {

const QString key = QStringLiteral("AppleLanguages");

void put(QSettings& settings, const std::optional<QString>& code)
{
    if (code)
        settings.setValue(key, QStringList{*code});
    else
        settings.remove(key);
}

} // namespace

namespace InterfaceLanguage {

QList<Choice> choices()
{
    return {
        {std::nullopt, L10n::tr("System")},
        {QStringLiteral("uz"), QStringLiteral(u"O\u02BBzbekcha")},
        {QStringLiteral("en"), QStringLiteral("English")},
        {QStringLiteral("ru"), QStringLiteral(u"Русский")},
    };
}

QString settingsPath()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation))
        .filePath(QStringLiteral("kesto-viruz/kesto-viruz.conf"));
}

std::optional<QString> chosen()
{
    const QSettings settings(settingsPath(), QSettings::IniFormat);
    return chosen(settings);
}

std::optional<QString> chosen(const QSettings& settings)
{
    const QVariant value = settings.value(key);
    QStringList list;
    // The INI format reads a one-element list back as a plain text.
    if (value.typeId() == QMetaType::QStringList)
        list = value.toStringList();
    else if (value.typeId() == QMetaType::QString)
        list = {value.toString()};
    if (list.isEmpty() || list.first().isEmpty())
        return std::nullopt;
    return list.first();
}

Outcome choose(const std::optional<QString>& code, const std::function<void()>& restart)
{
    QSettings settings(settingsPath(), QSettings::IniFormat);
    return choose(settings, code, restart);
}

Outcome choose(QSettings& settings, const std::optional<QString>& code, const std::function<void()>& restart)
{
    const std::optional<QString> current = chosen(settings);
    if (current == code)
        return Outcome::unchanged;
    put(settings, code);
    settings.sync();
    if (settings.status() != QSettings::NoError) {
        // The process keeps its settings in memory across instances: take
        // the unwritten choice back so nothing reads it as stored.
        put(settings, current);
        return Outcome::notStored;
    }
    restart();
    return Outcome::stored;
}

} // namespace InterfaceLanguage
