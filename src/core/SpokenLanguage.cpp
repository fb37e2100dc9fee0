#include "core/SpokenLanguage.h"

const QList<SpokenLanguage>& SpokenLanguage::all()
{
    static const QList<SpokenLanguage> rows = {
        {QStringLiteral("uz-UZ"), QStringLiteral("Uzbek"), QStringLiteral(u"O\u02BBzbekcha")},
        {QStringLiteral("ru-RU"), QStringLiteral("Russian"), QStringLiteral(u"Русский")},
        {QStringLiteral("en-US"), QStringLiteral("English"), QStringLiteral("English")},
        {QStringLiteral("kk-KZ"), QStringLiteral("Kazakh"), QStringLiteral(u"Қазақша")},
        {QStringLiteral("ky-KG"), QStringLiteral("Kyrgyz"), QStringLiteral(u"Кыргызча")},
        {QStringLiteral("tg-TJ"), QStringLiteral("Tajik"), QStringLiteral(u"Тоҷикӣ")},
        {QStringLiteral("tr-TR"), QStringLiteral("Turkish"), QStringLiteral(u"Türkçe")},
        {QStringLiteral("de-DE"), QStringLiteral("German"), QStringLiteral("Deutsch")},
        {QStringLiteral("fr-FR"), QStringLiteral("French"), QStringLiteral(u"Français")},
        {QStringLiteral("es-ES"), QStringLiteral("Spanish"), QStringLiteral(u"Español")},
        {QStringLiteral("ar-SA"), QStringLiteral("Arabic"), QStringLiteral(u"العربية")},
        {QStringLiteral("zh-CN"), QStringLiteral("Chinese"), QStringLiteral(u"中文")},
        {QStringLiteral("ko-KR"), QStringLiteral("Korean"), QStringLiteral(u"한국어")},
    };
    return rows;
}

std::optional<SpokenLanguage> SpokenLanguage::find(const QString& code)
{
    for (const SpokenLanguage& row : all()) {
        if (row.code == code)
            return row;
    }
    return std::nullopt;
}
