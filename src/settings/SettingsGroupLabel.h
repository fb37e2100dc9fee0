#pragma once

#include <QWidget>

// The caption over a group of settings rows, with room above it.
class SettingsGroupLabel final : public QWidget
{
    Q_OBJECT

public:
    SettingsGroupLabel(const QString& text, int top, QWidget* parent = nullptr);

    QString text() const { return m_text; }

private:
    QString m_text;
};
