#include "screens/HistoryIndex.h"

#include "core/AppGlyph.h"
#include "core/AppState.h"
#include "screens/FoldedText.h"

#include <QElapsedTimer>
#include <QTimer>

namespace {

QString dayKey(const QDate& day)
{
    return QStringLiteral("day:") + day.toString(Qt::ISODate);
}

} // namespace

HistoryIndex& HistoryIndex::of(AppState& state)
{
    if (auto* index = state.findChild<HistoryIndex*>(QString(), Qt::FindDirectChildrenOnly))
        return *index;
    return *new HistoryIndex(state);
}

QString HistoryIndex::cardKey(const QUuid& id)
{
    return QStringLiteral("entry:") + id.toString(QUuid::WithoutBraces);
}

HistoryIndex::HistoryIndex(AppState& state)
    : QObject(&state)
    , m_state(state)
{
    connect(&state, &AppState::historyChanged, this, [this] { m_stale = true; });
}

const QList<HistoryIndex::Entry>& HistoryIndex::entries()
{
    const QList<HistoryEntry>& all = m_state.history().entries;
    if (!m_stale && m_entries.size() == all.size())
        return m_entries;
    // History changes a few entries at a time: each entry is looked for
    // where the one before it was found, or a place either side. One not
    // found there is simply worked out again.
    QList<Entry> fresh;
    fresh.reserve(all.size());
    qsizetype shift = 0;
    for (qsizetype i = 0; i < all.size(); ++i) {
        const HistoryEntry& entry = all.at(i);
        const Entry* kept = nullptr;
        for (const qsizetype j : {i + shift, i + shift + 1, i + shift - 1}) {
            if (j >= 0 && j < m_entries.size() && m_entries.at(j).id == entry.id) {
                kept = &m_entries.at(j);
                shift = j - i;
                break;
            }
        }
        // An entry's date never changes; its text, origin and status may.
        if (kept && kept->text == entry.text && kept->source == entry.source && kept->appName == entry.appName
            && kept->status == entry.status) {
            fresh.append(*kept);
        } else {
            const QDate day = entry.date.toLocalTime().date();
            const bool sameDay = !fresh.isEmpty() && fresh.last().day == day;
            fresh.append({entry.id, entry.text, entry.source, entry.appName, entry.status, day,
                          sameDay ? fresh.last().dayKey : dayKey(day), cardKey(entry.id), std::nullopt});
        }
    }
    m_entries = std::move(fresh);
    m_stale = false;
    ++m_generation;
    m_foldFrom = 0;
    fold(0);
    return m_entries;
}

void HistoryIndex::fold(qint64 budget)
{
    const QList<HistoryEntry>& history = m_state.history().entries;
    QElapsedTimer spent;
    spent.start();
    // A few milliseconds at a time between frames.
    while (m_foldFrom < m_entries.size() && (budget < 0 || spent.elapsed() < budget)) {
        const qsizetype end = std::min(m_entries.size(), m_foldFrom + 64);
        for (; m_foldFrom < end; ++m_foldFrom) {
            Entry& indexed = m_entries[m_foldFrom];
            if (!indexed.folded) {
                const HistoryEntry& entry = history.at(m_foldFrom);
                indexed.folded = FoldedText::of(entry.text + u' ' + AppGlyph::name(entry));
            }
        }
    }
    if (m_foldFrom < m_entries.size() && !m_foldQueued) {
        m_foldQueued = true;
        QTimer::singleShot(0, this, [this] {
            m_foldQueued = false;
            entries();
            fold(4);
        });
    }
}
