#pragma once

#include <QWidget>

class SelectableLine;
class TextLabel;

// The labelled line of a settings tab: a title over an optional one-line
// description, and a control at the trailing end. It brings its own padding
// and, when asked, a 1-point divider in an extra point under it.
class SettingsRow final : public QWidget
{
    Q_OBJECT

public:
    SettingsRow(const QString& title, const QString& description, int top, int bottom, bool border,
                QWidget* trailing = nullptr, QWidget* parent = nullptr);

    QString title() const;
    QString description() const;
    // An empty description hides its line.
    void setDescription(const QString& description);
    QWidget* trailing() const { return m_trailing; }
    TextLabel* descriptionLabel() const { return m_description; }
    // Lets the mouse select the description (and Ctrl+C copy it), in the
    // same style and place. Returns the line that then shows it.
    SelectableLine* makeDescriptionSelectable();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    TextLabel* m_title;
    TextLabel* m_description;
    SelectableLine* m_selectable = nullptr;
    QWidget* m_trailing;
    bool m_border;
};
