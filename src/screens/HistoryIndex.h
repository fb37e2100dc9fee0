#pragma once

#include "core/History.h"

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QObject>
#include <QUuid>

#include <optional>

class AppState;

// What searching and grouping History need of each entry, kept beside History
// in its order for as long as the state lives, not only while History shows:
// a key typed into the sidebar's search on another screen then opens History
// on ready bytes, not on the folding of every transcript. One per AppState;
// it folds a slice at a time while the event loop is idle.
class HistoryIndex final : public QObject {
    Q_OBJECT

public:
    struct Entry {
        QUuid id;
        QString text;
        QString source;
        std::optional<QString> appName;
        HistoryEntry::Status status = HistoryEntry::Status::done;
        QDate day;
        QString dayKey; // the key of the day's title row, shared within a day
        QString key;
        // Folded a slice at a time while idle, or all at once when searched.
        std::optional<QByteArray> folded;
        // The last guess of the card's height and the width it was for.
        mutable int estimateWidth = -1;
        mutable int estimate = 0;
    };

    static HistoryIndex& of(AppState& state);
    static QString cardKey(const QUuid& id);

    // In line with History, keeping what did not change.
    const QList<Entry>& entries();
    // As last brought in line.
    const QList<Entry>& current() const { return m_entries; }
    // Changes whenever the entries are worked out again, so that what was
    // found among the ones before is known to be stale.
    quint64 generation() const { return m_generation; }
    // Folds every entry not folded yet.
    void foldAll() { fold(-1); }

private:
    explicit HistoryIndex(AppState& state);

    // Folds for up to budget milliseconds (all when negative), and leaves
    // the rest for when the loop is idle.
    void fold(qint64 budget);

    AppState& m_state;
    QList<Entry> m_entries;
    bool m_stale = true;
    quint64 m_generation = 0;
    // Where folding goes on from; past it every entry is folded.
    qsizetype m_foldFrom = 0;
    bool m_foldQueued = false;
};
