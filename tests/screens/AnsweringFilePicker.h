#pragma once

#include "design/FilePicker.h"

#include <QStringList>

// Stands in for the file dialogs: answers every question with answer (empty:
// the user cancelled) and remembers what was asked.
class AnsweringFilePicker final : public FilePicker
{
public:
    AnsweringFilePicker() { FilePicker::setInstance(this); }
    ~AnsweringFilePicker() override { FilePicker::setInstance(nullptr); }

    QString openFile(QWidget*, const QString&, const QString& filter) override
    {
        asked << QStringLiteral("open ") + filter;
        return answer;
    }
    QString saveFile(QWidget*, const QString&, const QString& suggestedPath, const QString& filter) override
    {
        asked << QStringLiteral("save ") + filter;
        suggested = suggestedPath;
        return answer;
    }

    QString answer;
    QString suggested;
    QStringList asked;
};
