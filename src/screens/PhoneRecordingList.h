#pragma once

#include "core/History.h"

#include <QList>
#include <QWidget>

class QMenu;

// The lines of the phone recordings: a phone tile, the transcript on one
// line and its day and time; with no entries, one line saying so. Lines are
// painted, not built, so only those in view cost anything however many
// there are. Each line's tooltip is its whole transcript and its context
// menu copies it.
class PhoneRecordingList final : public QWidget {
    Q_OBJECT

public:
    static constexpr int lineHeight = 59; // 12 + a 34-point tile + 13

    explicit PhoneRecordingList(QWidget* parent = nullptr);

    void setEntries(const QList<HistoryEntry>& entries);
    const QList<HistoryEntry>& entries() const { return m_entries; }

    // The entry on the line at y; -1 for none.
    int lineAt(int y) const;
    // The context menu of a line: "Copy text".
    QMenu* makeMenu(int line);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    bool event(QEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QList<HistoryEntry> m_entries;
};
