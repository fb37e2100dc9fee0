#pragma once

#include <QWidget>

class TextLabel;

// One capability in the permissions window: a check mark or a warning
// before its title and, while it is missing, what to do about it below,
// lined up with the title.
class PermissionRow final : public QWidget
{
    Q_OBJECT

public:
    explicit PermissionRow(const QString& title, QWidget* parent = nullptr);

    bool isAllowed() const { return m_allowed; }
    void setAllowed(bool allowed);
    void setHint(const QString& hint);
    // A control shown below the hint while missing; the row takes it.
    void addAction(QWidget* action);

    TextLabel* hint() const { return m_hint; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool m_allowed = false;
    TextLabel* m_hint;
    QWidget* m_actions;
};
