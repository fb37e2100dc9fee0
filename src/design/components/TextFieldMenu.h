#pragma once

#include <QObject>

// Gives every text field of the application (line edits, text views) its
// Cut/Copy/Paste menu in the app's own menu look instead of the platform's.
// Installed once for the whole application by the first control made.
class TextFieldMenu final : public QObject
{
    Q_OBJECT

public:
    static void install();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    using QObject::QObject;
};
