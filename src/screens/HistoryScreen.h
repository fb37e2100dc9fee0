#pragma once

#include "core/History.h"
#include "screens/EntryCard.h"
#include "screens/HistoryIndex.h"
#include "screens/LazyList.h"

#include <QUuid>
#include <QWidget>

#include <optional>

class AppState;
struct AppActions;
class EmptyStateView;
class SButton;
class TextLabel;
class TwoStepConfirm;

// The main window's view of History: a header with the day's and week's
// words, a toggle for cancelled recordings and a two-step Clear; below it the
// entries that pass the sidebar's search, grouped by day, as cards built as
// they come into view. Every change a card asks for is made here.
class HistoryScreen final : public QWidget {
    Q_OBJECT

public:
    // The view state a fresh screen starts from.
    struct Preset {
        bool showDiscarded = false;
        bool clearArmed = false;
        std::optional<QUuid> editingID;
        QString editText;
    };
    static const Preset preset;

    HistoryScreen(AppState& state, AppActions& actions, QWidget* parent = nullptr, const Preset& start = preset);

    // The entries the list shows, in their order: cancelled ones only with
    // showDiscarded; with a query, those whose text and origin contain it,
    // ignoring case and accents.
    static QList<HistoryEntry> visible(const QList<HistoryEntry>& entries, bool showDiscarded, const QString& query);
    // The same, as indices into entries.
    static QList<int> visibleIndices(const QList<HistoryEntry>& entries, bool showDiscarded, const QString& query);
    // Minutes a week of dictation saves against typing.
    static int minutesSaved(int weekWords);
    static QString statsLine(const History::Stats& stats);

    LazyList* list() const { return m_list; }
    EmptyStateView* emptyState() const { return m_empty; }
    SButton* discardedButton() const { return m_discarded; }
    SButton* clearButton() const { return m_clearButton; }
    QString stats() const;
    // The built card of an entry, or null.
    EntryCard* card(const QUuid& id) const;
    // The day titles shown, in order.
    QStringList dayTitles() const;
    std::optional<QUuid> editingID() const { return m_editingID; }
    QString editText() const { return m_editText; }
    bool showsDiscarded() const { return m_showDiscarded; }
    bool clearArmed() const;

private:
    struct RowData {
        QDate day;      // the day, for its title and its cards
        int entry = -1; // a card: the index in History; -1: the day's title
    };

    // The entries shown for one needle; each needle of the chain holds the
    // one before it, so a longer one looks only among these, and erasing a
    // letter finds its list ready.
    struct Found {
        QByteArray needle;
        QList<int> shown;
        // Where each shown entry's folded text holds the needle first
        // (empty for the empty needle).
        QList<int> at;
    };

    QWidget* header();
    // Today and yesterday move on at midnight: the stats and the day titles
    // are made again then.
    void scheduleMidnight();
    // The indices of the entries shown for the search and the toggle.
    QList<int> shownIndices(const QString& query);
    void reload();
    void refreshHeader();
    QWidget* createRow(int row, QWidget* parent);
    void updateRow(int row, QWidget* widget);
    int estimateRow(int row, int width) const;
    EntryCard::Model modelOf(const HistoryEntry& entry) const;
    const HistoryEntry& entryOf(const RowData& data) const;

    void edit(const QUuid& id);
    void cancelEditing();
    void save(const QUuid& id);
    void copy(const QUuid& id);
    void remove(const QUuid& id);
    // Focuses the card of the first entry at or after row of the list, or
    // else the last one before it.
    void focusCardNear(int row);
    void clearAll();
    std::optional<HistoryEntry> stored(const QUuid& id) const;

    AppState& m_state;
    AppActions& m_actions;
    bool m_showDiscarded;
    std::optional<QUuid> m_editingID;
    QString m_editText;
    TwoStepConfirm* m_clear;
    TextLabel* m_stats = nullptr;
    SButton* m_discarded = nullptr;
    SButton* m_clearButton = nullptr;
    LazyList* m_list;
    EmptyStateView* m_empty;
    QList<RowData> m_rows;
    QList<LazyList::Row> m_listRows;
    // The search the list was last built for.
    QString m_query;
    HistoryIndex& m_index;
    QList<Found> m_found;
    // The index's generation m_found was made from.
    quint64 m_foundGeneration = 0;
    bool m_foundDiscarded = false;
    qreal m_charWidth;
    // The stats change only with History; searching and retrying reuse them.
    std::optional<QString> m_statsLine;
};
