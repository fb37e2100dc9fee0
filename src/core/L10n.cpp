#include "core/L10n.h"

#include "core/InterfaceLanguage.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <memory>
#include <vector>

namespace {

QString pinned;
std::vector<std::unique_ptr<QTranslator>> installed;

bool load(const QString& path)
{
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(path))
        return false;
    QCoreApplication::installTranslator(translator.get());
    installed.push_back(std::move(translator));
    return true;
}

QString languagePart(const QString& tag)
{
    return tag.section(QLatin1Char('-'), 0, 0).section(QLatin1Char('_'), 0, 0).toLower();
}

QString decide()
{
    QStringList preferred;
    if (const auto choice = InterfaceLanguage::chosen())
        preferred.append(*choice);
    preferred += QLocale::system().uiLanguages();
    const QStringList available = L10n::localizations();
    for (const QString& tag : preferred) {
        const QString language = languagePart(tag);
        if (available.contains(language))
            return language;
    }
    return QStringLiteral("en");
}

} // namespace

namespace L10n {

// lupdate files "L10n::tr(...)" calls under the context "L10n", so the tables use it too.
QString tr(const char* english)
{
    return QCoreApplication::translate("L10n", english);
}

QString tr(const QString& english)
{
    return QCoreApplication::translate("L10n", english.toUtf8().constData());
}

QString tr(const char* english, const char* disambiguation, int n)
{
    return QCoreApplication::translate("L10n", english, disambiguation, n);
}

QStringList localizations()
{
    return {QStringLiteral("en"), QStringLiteral("uz"), QStringLiteral("ru")};
}

QString interfaceLanguage()
{
    return pinned.isEmpty() ? decide() : pinned;
}

void install()
{
    install(decide());
}

void install(const QString& language)
{
    pinned = language;
    for (const auto& translator : installed)
        QCoreApplication::removeTranslator(translator.get());
    installed.clear();
    // English has a table too: it holds the singular forms of counted texts.
    load(QStringLiteral(":/i18n/kesto_") + language + QStringLiteral(".qm"));
    if (language == QLatin1String("en"))
        return;
    // Qt's own texts; for Uzbek, which the system lacks, the application's
    // table carries those the interface shows (qtTexts()).
    load(QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QStringLiteral("/qtbase_") + language
         + QStringLiteral(".qm"));
}

void setInterfaceLanguage(const QString& language)
{
    pinned = language;
}

} // namespace L10n
