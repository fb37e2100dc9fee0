#pragma once

#include "core/Tone.h"
#include "design/ColorToken.h"

#include <QWidget>

class IconTile;
class QHBoxLayout;
class WaitingSpinner;
class TextLabel;

// One capability on a card: a toned icon tile, the title, the status (with
// a spinner while waiting) and an optional action at the trailing edge,
// never squeezed.
class PermissionCard final : public QWidget
{
    Q_OBJECT

public:
    explicit PermissionCard(QWidget* parent = nullptr);

    void setIcon(const QString& icon, Tone tone);
    void setTitle(const QString& title);
    void setStatus(const QString& status, const ColorToken& color);
    void setWaiting(bool waiting);
    // Shows the widget at the trailing edge in place of the current one,
    // which is only hidden; null shows none.
    void setAction(QWidget* action);

    IconTile* tile() const { return m_tile; }
    TextLabel* title() const { return m_title; }
    TextLabel* status() const { return m_status; }
    WaitingSpinner* spinner() const { return m_spinner; }
    QWidget* action() const { return m_action; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    IconTile* m_tile;
    TextLabel* m_title;
    TextLabel* m_status;
    WaitingSpinner* m_spinner;
    QWidget* m_action = nullptr;
    QHBoxLayout* m_row;
};
