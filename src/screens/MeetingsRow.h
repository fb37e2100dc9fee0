#pragma once

#include <QWidget>

class Badge;

// The navigation's "Meetings" entry, shown softened and marked as coming
// soon. It is always disabled: no hover, no click.
class MeetingsRow final : public QWidget {
    Q_OBJECT

public:
    explicit MeetingsRow(QWidget* parent = nullptr);

    Badge* badge() const { return m_badge; }

    QSize sizeHint() const override;

private:
    Badge* m_badge;
};
