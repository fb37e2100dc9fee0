#pragma once

#include <QWidget>

class TextLabel;

// A one-line result: a check mark and green text when something worked, a
// warning triangle and red text when it did not. Long texts wrap, the icon
// staying beside the first line.
class StatusLine final : public QWidget
{
    Q_OBJECT

public:
    enum class Kind { done, problem };

    explicit StatusLine(Kind kind = Kind::done, const QString& text = {}, QWidget* parent = nullptr);

    Kind kind() const { return m_kind; }
    void setKind(Kind kind);
    QString text() const;
    void setText(const QString& text);
    // Cuts the text after this many lines; 0 for no limit.
    void setMaximumLines(int lines);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Kind m_kind;
    TextLabel* m_label;
};
