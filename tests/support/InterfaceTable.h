#pragma once

#include "core/L10n.h"

#include <QCoreApplication>
#include <QTranslator>

// The interface in one language for the object's life, as the application
// loads it at start: its compiled table from the resources and the language
// pinned. English is the texts themselves. Back to English afterwards.
// Header only: the support library does not link core, its users do.
class InterfaceTable final
{
public:
    explicit InterfaceTable(const QString& language)
    {
        if (language != QStringLiteral("en"))
            m_loaded = m_table.load(QStringLiteral(":/i18n/kesto_") + language + QStringLiteral(".qm"))
                       && QCoreApplication::installTranslator(&m_table);
        else
            m_loaded = true;
        L10n::setInterfaceLanguage(language);
    }
    ~InterfaceTable()
    {
        QCoreApplication::removeTranslator(&m_table);
        L10n::setInterfaceLanguage(QStringLiteral("en"));
    }
    InterfaceTable(const InterfaceTable&) = delete;
    InterfaceTable& operator=(const InterfaceTable&) = delete;

    bool loaded() const { return m_loaded; }

private:
    QTranslator m_table;
    bool m_loaded = false;
};
