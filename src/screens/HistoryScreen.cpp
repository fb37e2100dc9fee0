#include "screens/HistoryScreen.h"

#include "core/AppGlyph.h"
#include "core/AppState.h"
#include "core/Format.h"
#include "core/L10n.h"
#include "design/Palette.h"
#include "design/components/EmptyStateView.h"
#include "design/components/SButton.h"
#include "design/components/TextLabel.h"
#include "design/components/TwoStepConfirm.h"
#include "screens/FoldedText.h"
#include "screens/ScreenStyle.h"

#include <QApplication>
#include <QClipboard>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include <cmath>

namespace {

const TypeModifier dayType{13, QFont::DemiBold, 20};
constexpr int dayGapAfterFirst = 26;
constexpr int dayTitleBelow = 10;
constexpr int cardGap = 10;

} // namespace

const HistoryScreen::Preset HistoryScreen::preset{};

HistoryScreen::HistoryScreen(AppState& state, AppActions& actions, QWidget* parent, const Preset& start)
    : QWidget(parent)
    , m_state(state)
    , m_actions(actions)
    , m_showDiscarded(start.showDiscarded)
    , m_editingID(start.editingID)
    , m_editText(start.editText)
    , m_clear(new TwoStepConfirm(state.clock(), this))
    , m_list(new LazyList({[this](int row, QWidget* parent) { return createRow(row, parent); },
                           [this](int row, QWidget* widget) { updateRow(row, widget); },
                           [this](int row, int width) { return estimateRow(row, width); }},
                          this))
    , m_empty(new EmptyStateView({}, {}, {}, this))
    , m_index(HistoryIndex::of(state))
    , m_charWidth(QFontMetricsF(TypeModifier{15, QFont::Normal, 24}.font()).averageCharWidth())
{
    m_list->setObjectName(QStringLiteral("historyList"));
    m_list->setPadding(QMargins(ScreenStyle::headerSide, 0, ScreenStyle::headerSide, 120 + 26));
    m_empty->setObjectName(QStringLiteral("historyEmpty"));

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(header());
    column->addWidget(m_list, 1);
    column->addWidget(m_empty, 0, Qt::AlignTop);
    column->addStretch(0);

    if (start.clearArmed)
        m_clear->arm();
    connect(m_clear, &TwoStepConfirm::armedChanged, this, &HistoryScreen::refreshHeader);
    connect(m_clear, &TwoStepConfirm::confirmed, this, &HistoryScreen::clearAll);
    m_clear->disarmOnEscape(this);
    connect(&state, &AppState::historyChanged, this, [this] {
        m_statsLine.reset();
        reload();
    });
    connect(&state, &AppState::dictationChanged, this, &HistoryScreen::reload);
    connect(&state, &AppState::configChanged, this, &HistoryScreen::reload);
    connect(&state, &AppState::navigationChanged, this, [this] {
        // Only the search reaches the list; the other navigation changes pass by.
        if (m_query != m_state.search().trimmed())
            reload();
    });
    reload();
    scheduleMidnight();
}

void HistoryScreen::scheduleMidnight()
{
    const QDateTime now = m_state.clock().now().toLocalTime();
    const QDateTime midnight = now.date().addDays(1).startOfDay();
    // A second past it, so the new day has surely begun.
    const qint64 delay = std::max<qint64>(1000, now.msecsTo(midnight) + 1000);
    m_state.clock().schedule(delay, this, [this] {
        m_statsLine.reset();
        reload();
        scheduleMidnight();
    });
}

QWidget* HistoryScreen::header()
{
    auto* header = new QWidget(this);
    header->setObjectName(QStringLiteral("historyHeader"));
    auto* row = new QHBoxLayout(header);
    row->setContentsMargins(ScreenStyle::headerSide, ScreenStyle::headerTop, ScreenStyle::headerSide,
                            ScreenStyle::headerBottom);
    row->setSpacing(16);

    auto* titles = new QVBoxLayout;
    titles->setSpacing(4);
    titles->addWidget(new TextLabel(L10n::tr("History"), ScreenStyle::title, Palette::textPrimary, header));
    m_stats = new TextLabel({}, ScreenStyle::subtitle, Palette::textSecondary, header);
    m_stats->setObjectName(QStringLiteral("historyStats"));
    // In a narrow window the line wraps rather than lose its numbers.
    m_stats->setWordWrap(true);
    QSizePolicy statsPolicy = m_stats->sizePolicy();
    statsPolicy.setHorizontalPolicy(QSizePolicy::Ignored);
    m_stats->setSizePolicy(statsPolicy);
    titles->addWidget(m_stats);
    row->addLayout(titles, 1);

    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(8);
    m_discarded = new SButton(L10n::tr("Discarded"), ButtonVariant::Ghost, ControlSize::Sm, header);
    m_discarded->setObjectName(QStringLiteral("discardedButton"));
    m_discarded->setIcon(QStringLiteral("archive"));
    m_clearButton = new SButton(L10n::tr("Clear"), ButtonVariant::Ghost, ControlSize::Sm, header);
    m_clearButton->setObjectName(QStringLiteral("clearButton"));
    m_clearButton->setIcon(QStringLiteral("trash-2"));
    buttons->addWidget(m_discarded);
    buttons->addWidget(m_clearButton);
    row->addLayout(buttons);
    row->setAlignment(buttons, Qt::AlignBottom);

    connect(m_discarded, &SButton::clicked, this, [this] {
        m_showDiscarded = !m_showDiscarded;
        reload();
    });
    connect(m_clearButton, &SButton::clicked, m_clear, &TwoStepConfirm::press);
    return header;
}

QList<HistoryEntry> HistoryScreen::visible(const QList<HistoryEntry>& entries, bool showDiscarded, const QString& query)
{
    QList<HistoryEntry> out;
    for (const int index : visibleIndices(entries, showDiscarded, query))
        out.append(entries.at(index));
    return out;
}

QList<int> HistoryScreen::visibleIndices(const QList<HistoryEntry>& entries, bool showDiscarded, const QString& query)
{
    const QByteArray needle = FoldedText::of(query);
    QList<int> out;
    out.reserve(entries.size());
    for (int i = 0; i < entries.size(); ++i) {
        const HistoryEntry& entry = entries.at(i);
        if (!showDiscarded && entry.status == HistoryEntry::Status::discarded)
            continue;
        if (!query.isEmpty() && !FoldedText::contains(FoldedText::of(entry.text + u' ' + AppGlyph::name(entry)), needle))
            continue;
        out.append(i);
    }
    return out;
}

int HistoryScreen::minutesSaved(int weekWords)
{
    // Typing runs at about 40 words a minute, speaking at about 150.
    return int(std::round(weekWords / 40.0 - weekWords / 150.0));
}

QString HistoryScreen::statsLine(const History::Stats& stats)
{
    const QString today = Format::words(stats.today);
    const QString week = Format::words(stats.week);
    const int minutes = minutesSaved(stats.week);
    return L10n::tr("Today %1 · this week %2 — about %3 minutes saved", nullptr, minutes)
        .arg(today, week, Format::number(minutes));
}

QString HistoryScreen::stats() const
{
    return m_stats->text();
}

bool HistoryScreen::clearArmed() const
{
    return m_clear->isArmed();
}

void HistoryScreen::refreshHeader()
{
    if (!m_statsLine)
        m_statsLine = statsLine(m_state.history().stats(m_state.clock().now()));
    m_stats->setText(*m_statsLine);
    m_discarded->setVariant(m_showDiscarded ? ButtonVariant::Soft : ButtonVariant::Ghost);
    if (m_clear->isArmed()) {
        m_clearButton->setText(L10n::tr("Confirm"));
        m_clearButton->setVariant(ButtonVariant::Danger);
        m_clearButton->setEnabled(true);
    } else {
        m_clearButton->setText(L10n::tr("Clear"));
        m_clearButton->setVariant(ButtonVariant::Ghost);
        m_clearButton->setEnabled(!m_state.history().entries.isEmpty());
    }
}

QList<int> HistoryScreen::shownIndices(const QString& query)
{
    const QByteArray needle = FoldedText::of(query);
    if (m_foundDiscarded != m_showDiscarded || m_foundGeneration != m_index.generation())
        m_found.clear();
    m_foundDiscarded = m_showDiscarded;
    m_foundGeneration = m_index.generation();
    const QList<HistoryIndex::Entry>& indexed = m_index.current();
    while (!m_found.isEmpty() && !FoldedText::contains(needle, m_found.last().needle))
        m_found.removeLast();
    if (m_found.isEmpty()) {
        // Every needle holds the empty one: the list without a search.
        QList<int> all;
        all.reserve(indexed.size());
        for (int i = 0; i < indexed.size(); ++i) {
            if (m_showDiscarded || indexed.at(i).status != HistoryEntry::Status::discarded)
                all.append(i);
        }
        m_found.append({QByteArray(), all, {}});
    }
    if (m_found.last().needle == needle)
        return m_found.last().shown;
    m_index.foldAll();
    const Found& among = m_found.last();
    // The needle holds the shorter one it grew from, k bytes in: it cannot
    // start before the shorter one's first place in a text less k.
    const qsizetype k = needle.indexOf(among.needle);
    Found found{needle, {}, {}};
    found.shown.reserve(among.shown.size());
    found.at.reserve(among.shown.size());
    for (qsizetype n = 0; n < among.shown.size(); ++n) {
        const int i = among.shown.at(n);
        const qsizetype from = among.at.isEmpty() ? 0 : std::max<qsizetype>(0, among.at.at(n) - k);
        const qsizetype at = FoldedText::find(*indexed.at(i).folded, needle, from);
        if (at >= 0) {
            found.shown.append(i);
            found.at.append(int(at));
        }
    }
    m_found.append(std::move(found));
    return m_found.last().shown;
}

void HistoryScreen::reload()
{
    refreshHeader();
    const QString query = m_state.search().trimmed();
    m_query = query;
    const QList<HistoryIndex::Entry>& indexed = m_index.entries();
    const QList<int> shown = shownIndices(query);
    const QMargins outset = EntryCard::outset();

    // Runs of entries of one local day form a group under its title.
    // Both lists keep their room from one key to the next: a search over a
    // long History allocates (and faults in) no fresh memory per key.
    m_rows.clear();
    m_rows.reserve(shown.size() * 2);
    QList<LazyList::Row>& rows = m_listRows;
    rows.clear();
    rows.reserve(shown.size() * 2);
    QDate day;
    for (const int index : shown) {
        const HistoryIndex::Entry& entry = indexed.at(index);
        if (rows.isEmpty() || entry.day != day) {
            day = entry.day;
            rows.append({entry.dayKey, rows.isEmpty() ? 0 : dayGapAfterFirst, {}});
            m_rows.append({day, -1});
        }
        rows.append({entry.key, cardGap, outset});
        m_rows.append({day, index});
    }
    const bool empty = rows.isEmpty();
    m_list->setRows(rows);

    if (empty) {
        if (!query.isEmpty()) {
            m_empty->setIcon(QStringLiteral("search-x"));
            m_empty->setTitle(L10n::tr("Nothing found."));
            m_empty->setDetail(L10n::tr("Try another word or clear the search."));
        } else {
            m_empty->setIcon(QStringLiteral("history"));
            m_empty->setTitle(L10n::tr("No recordings yet."));
            m_empty->setDetail(m_state.config().hotkeyMode == HotkeyMode::hold
                                   ? L10n::tr("Hold the key and talk — the text is kept here.")
                                   : L10n::tr("Press the key and talk — the text is kept here."));
        }
    }
    m_list->setVisible(!empty);
    m_empty->setVisible(empty);
}

const HistoryEntry& HistoryScreen::entryOf(const RowData& data) const
{
    return m_state.history().entries.at(data.entry);
}

EntryCard::Model HistoryScreen::modelOf(const HistoryEntry& entry) const
{
    return {entry, m_editingID == entry.id, m_state.retrying().contains(entry.id), m_editText};
}

QWidget* HistoryScreen::createRow(int row, QWidget* parent)
{
    const RowData& data = m_rows.at(row);
    if (data.entry < 0) {
        auto* row = new QWidget(parent);
        row->setObjectName(QStringLiteral("dayRow"));
        auto* layout = new QVBoxLayout(row);
        layout->setContentsMargins(2, 0, 0, dayTitleBelow);
        auto* title = new TextLabel(Format::day(data.day.startOfDay(), m_state.clock().now()), dayType,
                                    Palette::textSecondary, row);
        title->setObjectName(QStringLiteral("dayTitle"));
        layout->addWidget(title);
        row->setFixedHeight(int(dayType.lineHeight()) + dayTitleBelow);
        return row;
    }
    auto* card = new EntryCard(modelOf(entryOf(data)), parent);
    const QUuid id = entryOf(data).id;
    connect(card, &EntryCard::editClicked, this, [this, id] { edit(id); });
    connect(card, &EntryCard::cancelClicked, this, &HistoryScreen::cancelEditing);
    connect(card, &EntryCard::saveClicked, this, [this, id] { save(id); });
    connect(card, &EntryCard::copyClicked, this, [this, id] { copy(id); });
    connect(card, &EntryCard::deleteClicked, this, [this, id] { remove(id); });
    connect(card, &EntryCard::retryClicked, this, [this, id] { m_actions.retry(id); });
    connect(card, &EntryCard::editTextChanged, this, [this](const QString& text) { m_editText = text; });
    return card;
}

void HistoryScreen::updateRow(int row, QWidget* widget)
{
    const RowData& data = m_rows.at(row);
    if (auto* card = qobject_cast<EntryCard*>(widget); card && data.entry >= 0)
        card->setModel(modelOf(entryOf(data)));
    else if (auto* title = widget->findChild<TextLabel*>(QStringLiteral("dayTitle")))
        title->setText(Format::day(data.day.startOfDay(), m_state.clock().now()));
}

int HistoryScreen::estimateRow(int row, int width) const
{
    const RowData& data = m_rows.at(row);
    if (data.entry < 0)
        return int(dayType.lineHeight()) + dayTitleBelow;
    const HistoryEntry& entry = entryOf(data);
    const bool editing = m_editingID == entry.id;
    const bool retrying = !m_state.retrying().isEmpty() && m_state.retrying().contains(entry.id);
    // The guess of a card as most are (not edited, not retried) is kept.
    const HistoryIndex::Entry* cached = editing || retrying ? nullptr : &m_index.current().at(data.entry);
    if (cached && cached->estimateWidth == width)
        return cached->estimate;
    const EntryCard::Look look = EntryCard::look(entry, editing, retrying);
    // The meta row: the buttons' 30, or the tile's 22 beside a lone Delete.
    int height = 17 + 13 + (entry.text.isEmpty() ? 22 : 30);
    if (look.transcript == EntryCard::Look::Transcript::text) {
        const qreal textWidth = std::max(40, width - 38);
        // Wrapped lines by the average letter: a guess, corrected once built.
        const int lines = int(std::ceil(entry.text.size() * m_charWidth / textWidth));
        height += std::max(1, lines) * 24 + 12;
    } else if (look.transcript == EntryCard::Look::Transcript::editor) {
        height += 122 + 10 + 32 + 12;
    }
    if (look.box)
        height += 62 + 12;
    if (cached) {
        cached->estimateWidth = width;
        cached->estimate = height;
    }
    return height;
}

std::optional<HistoryEntry> HistoryScreen::stored(const QUuid& id) const
{
    for (const HistoryEntry& entry : m_state.history().entries)
        if (entry.id == id)
            return entry;
    return std::nullopt;
}

EntryCard* HistoryScreen::card(const QUuid& id) const
{
    return qobject_cast<EntryCard*>(m_list->rowWidget(HistoryIndex::cardKey(id)));
}

QStringList HistoryScreen::dayTitles() const
{
    QStringList titles;
    for (const RowData& data : m_rows)
        if (data.entry < 0)
            titles << Format::day(data.day.startOfDay(), m_state.clock().now());
    return titles;
}

void HistoryScreen::edit(const QUuid& id)
{
    const std::optional<HistoryEntry> entry = stored(id);
    if (!entry)
        return;
    // Another entry's unsaved changes give way to this one's text.
    m_editText = entry->text;
    m_editingID = id;
    reload();
}

void HistoryScreen::cancelEditing()
{
    m_editingID.reset();
    reload();
}

void HistoryScreen::save(const QUuid& id)
{
    const QString text = m_editText.trimmed();
    std::optional<HistoryEntry> entry = stored(id);
    // A blank buffer or a vanished entry stores nothing and keeps the editor.
    if (text.isEmpty() || !entry)
        return;
    entry->text = text;
    m_editingID.reset();
    m_state.updateHistory([&entry](History& history) { history.update(*entry); });
}

void HistoryScreen::copy(const QUuid& id)
{
    const std::optional<HistoryEntry> entry = stored(id);
    if (!entry)
        return;
    QGuiApplication::clipboard()->setText(entry->text);
    const QString words = Format::words(History::wordCount(entry->text));
    m_state.showToast(L10n::tr("Copied"), words + QStringLiteral(" · ") + AppGlyph::name(*entry), ToastTone::success);
}

void HistoryScreen::remove(const QUuid& id)
{
    const std::optional<HistoryEntry> entry = stored(id);
    if (!entry)
        return;
    if (m_editingID == id)
        m_editingID.reset();
    // Deleted from the keyboard: the focus keeps the place, on the entry
    // that moves up into it (the one above when it was the last).
    EntryCard* deleted = card(id);
    int place = -1;
    // (A click leaves the focus on the card itself, or nowhere.)
    QWidget* focus = QApplication::focusWidget();
    if (deleted && focus != deleted && deleted->isAncestorOf(focus)) {
        const QString key = HistoryIndex::cardKey(id);
        for (int i = 0; i < m_listRows.size() && place < 0; ++i)
            place = m_listRows.at(i).key == key ? i : -1;
    }
    m_state.updateHistory([&entry](History& history) { history.remove(*entry); });
    if (place >= 0)
        focusCardNear(place);
    m_state.showToast(L10n::tr("Deleted"), AppGlyph::name(*entry) + QStringLiteral(" · ") + Format::time(entry->date),
                      ToastTone::info);
}

void HistoryScreen::focusCardNear(int row)
{
    int found = -1;
    for (int i = row; i < m_rows.size() && found < 0; ++i)
        found = m_rows.at(i).entry >= 0 ? i : -1;
    for (int i = std::min(row, int(m_rows.size())) - 1; i >= 0 && found < 0; --i)
        found = m_rows.at(i).entry >= 0 ? i : -1;
    if (found < 0) {
        setFocus(Qt::OtherFocusReason);
        return;
    }
    m_list->reveal(found);
    if (QWidget* next = m_list->rowWidget(m_listRows.at(found).key))
        next->setFocus(Qt::OtherFocusReason);
}

void HistoryScreen::clearAll()
{
    m_editingID.reset();
    m_state.updateHistory([](History& history) { history.clear(); });
    m_state.showToast(L10n::tr("History cleared"), L10n::tr("You cannot undo this"), ToastTone::info);
}
