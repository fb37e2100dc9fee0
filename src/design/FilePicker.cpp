#include "design/FilePicker.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QRegularExpression>

namespace {

class DialogFilePicker final : public FilePicker
{
public:
    QString openFile(QWidget* parent, const QString& title, const QString& filter) override
    {
        return QFileDialog::getOpenFileName(parent, title, {}, filter);
    }

    QString saveFile(QWidget* parent, const QString& title, const QString& suggestedPath,
                     const QString& filter) override
    {
        const QFileInfo suggested(suggestedPath);
        QFileDialog dialog(parent, title, suggested.absolutePath(), filter);
        dialog.setObjectName(QStringLiteral("saveDialog"));
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.selectFile(suggested.fileName());
        // The dialog adds the extension itself, before it asks whether to
        // replace a file, so the question is about the file really written.
        dialog.setDefaultSuffix(FilePicker::suffixOf(filter));
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return {};
        return dialog.selectedFiles().constFirst();
    }
};

FilePicker* installed = nullptr;

} // namespace

QString FilePicker::suffixOf(const QString& filter)
{
    static const QRegularExpression pattern(QStringLiteral(R"(\(\*\.([^\s)*?]+)[\s)])"));
    const QRegularExpressionMatch match = pattern.match(filter);
    return match.hasMatch() ? match.captured(1) : QString();
}

FilePicker& FilePicker::instance()
{
    static DialogFilePicker dialogs;
    return installed ? *installed : dialogs;
}

void FilePicker::setInstance(FilePicker* picker)
{
    installed = picker;
}
