#pragma once

#include <QString>
#include <QStringList>

#include <span>

// Every user-visible text is looked up with its English text as the key;
// a missing translation yields the English text itself.
namespace L10n {

QString tr(const char* english);
// The same, for keys built at run time.
QString tr(const QString& english);
// A text with a number in it: n picks the plural form. The form of Qt's own
// tr(), so the translation tools see the number too.
QString tr(const char* english, const char* disambiguation, int n);

// The languages the interface is translated into; "en" first.
QStringList localizations();

// The interface language of this run: the first of the user's preferred
// languages (the stored choice, else the system's) that the interface has,
// else "en". Fixed by install(); computed afresh before it.
QString interfaceLanguage();

// Decides the interface language and loads its translation into the
// application. Call once, after the application object exists.
void install();
// Loads the tables of language into the application, in place of those
// loaded before: the application's own and the system's table of Qt's texts
// (its menus, dialogs and buttons).
void install(const QString& language);

// One of Qt's own texts the interface shows, under Qt's context.
struct QtText
{
    const char* context;
    const char* source;
};

// Qt's texts the application's tables translate where the system's Qt has no
// table for the language (Uzbek).
std::span<const QtText> qtTexts();

// Pins the interface language without loading a translation (tests).
void setInterfaceLanguage(const QString& language);

} // namespace L10n
