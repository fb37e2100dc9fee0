#pragma once

#include <QList>
#include <QWidget>

class AppState;
class Chip;

// The first step: one chip per spoken language, in the table's order, each
// adding or removing its language in the settings.
class LanguagesStep final : public QWidget
{
    Q_OBJECT

public:
    explicit LanguagesStep(AppState& state, QWidget* parent = nullptr);

    const QList<Chip*>& chips() const { return m_chips; }
    // Adds or removes one code; the list stays in table order, once each,
    // and only codes of the table survive.
    static QStringList toggled(const QStringList& codes, const QString& code);

private:
    void refresh();

    AppState& m_state;
    QList<Chip*> m_chips;
};
