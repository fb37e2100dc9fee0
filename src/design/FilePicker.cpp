#include "design/FilePicker.h"

#include <QFileDialog>

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
        return QFileDialog::getSaveFileName(parent, title, suggestedPath, filter);
    }
};

FilePicker* installed = nullptr;

} // namespace

FilePicker& FilePicker::instance()
{
    static DialogFilePicker dialogs;
    return installed ? *installed : dialogs;
}

void FilePicker::setInstance(FilePicker* picker)
{
    installed = picker;
}
