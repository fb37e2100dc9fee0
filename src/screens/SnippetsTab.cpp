#include "screens/SnippetsTab.h"

#include "core/AppState.h"
#include "core/L10n.h"
#include "design/Palette.h"
#include "design/components/CardFrame.h"
#include "design/components/SButton.h"
#include "design/components/SInput.h"
#include "design/components/TextLabel.h"
#include "screens/LazyRows.h"
#include "screens/SnippetRow.h"

#include <QFontMetricsF>
#include <QHBoxLayout>
#include <QVBoxLayout>

#include <cmath>

SnippetsTab::SnippetsTab(AppState& state, QWidget* parent)
    : QWidget(parent)
    , m_state(state)
    , m_charWidth(QFontMetricsF(TypeModifier{14, QFont::Normal, 21}.font()).averageCharWidth())
{
    setObjectName(QStringLiteral("snippetsTab"));
    auto* stack = new QVBoxLayout(this);
    stack->setContentsMargins(0, 0, 0, 0);
    stack->setSpacing(16);

    auto* inputCard = new CardFrame(20, Elevation::Xs);
    auto* input = new QVBoxLayout(inputCard);
    input->setContentsMargins(21, 19, 21, 19);
    input->setSpacing(12);
    input->addWidget(new TextLabel(L10n::tr("New snippet"), TypeModifier{15, QFont::DemiBold, 20}));
    auto* fields = new QHBoxLayout;
    fields->setSpacing(10);
    m_trigger = new SInput(L10n::tr("for example, my address"));
    m_trigger->setObjectName(QStringLiteral("triggerInput"));
    m_trigger->setFixedWidth(220);
    fields->addWidget(m_trigger, 0, Qt::AlignTop);
    m_text = new SInput(L10n::tr("Full text to type"));
    m_text->setObjectName(QStringLiteral("snippetInput"));
    m_text->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    fields->addWidget(m_text, 1, Qt::AlignTop);
    auto* addButton = new SButton(L10n::tr("Add"), ButtonVariant::Primary);
    addButton->setObjectName(QStringLiteral("addSnippet"));
    fields->addWidget(addButton, 0, Qt::AlignTop);
    input->addLayout(fields);
    stack->addWidget(inputCard);

    auto* listCard = new CardFrame(20, Elevation::Xs);
    auto* list = new QVBoxLayout(listCard);
    list->setContentsMargins(21, 5, 21, 5);
    list->setSpacing(0);
    m_rows = new LazyRows({[this](int row, QWidget* parent) {
                               auto* widget = new SnippetRow(m_shown.at(row), parent);
                               connect(widget, &SnippetRow::deleteRequested, this, [this](const QUuid& id) {
                                   m_state.updateConfig([&id](Config& c) {
                                       c.snippets.removeIf([&id](const Snippet& s) { return s.id == id; });
                                   });
                               });
                               return widget;
                           },
                           [](int, QWidget*) {},
                           [this](int row, int width) { return estimateRow(row, width); }});
    m_rows->setObjectName(QStringLiteral("snippetRows"));
    list->addWidget(m_rows);
    auto* empty = new TextLabel(L10n::tr("No snippets yet. Add a short phrase and the full text it stands for."),
                                TypeModifier{14, QFont::Normal, 20}, Palette::textSecondary);
    empty->setObjectName(QStringLiteral("snippetsEmpty"));
    empty->setWordWrap(true);
    empty->setAlignment(Qt::AlignHCenter);
    m_empty = new QWidget;
    auto* emptyBox = new QVBoxLayout(m_empty);
    emptyBox->setContentsMargins(0, 24, 0, 22);
    emptyBox->addWidget(empty);
    list->addWidget(m_empty);
    stack->addWidget(listCard);

    connect(m_trigger, &SInput::submitted, m_text, &SInput::requestFocus);
    connect(m_text, &SInput::submitted, this, &SnippetsTab::add);
    connect(addButton, &SButton::clicked, this, &SnippetsTab::add);
    connect(&m_state, &AppState::configChanged, this, &SnippetsTab::refresh);
    refresh();
}

void SnippetsTab::add()
{
    const QString trigger = m_trigger->text().trimmed();
    const QString text = m_text->text().trimmed();
    if (trigger.isEmpty() || text.isEmpty())
        return;
    const QString key = VocabularyWord::sameKey(trigger);
    m_state.updateConfig([&](Config& c) {
        c.snippets.removeIf([&key](const Snippet& s) { return VocabularyWord::sameKey(s.trigger) == key; });
        c.snippets.prepend(Snippet{QUuid::createUuid(), trigger, text});
    });
    m_trigger->setText({});
    m_text->setText({});
}

void SnippetsTab::refresh()
{
    const QList<Snippet>& snippets = m_state.config().snippets;
    m_empty->setVisible(snippets.isEmpty());
    if (snippets == m_shown)
        return;
    // Rows are kept by id: a change builds or drops only the rows it touched.
    m_shown = snippets;
    m_rows->setRows(LazyRows::byId(m_shown));
}

int SnippetsTab::estimateRow(int row, int width) const
{
    // The text wraps beside the trigger column and the delete button; each
    // of its own lines takes at least one, and wraps by the average letter:
    // a guess corrected once the row is built.
    const qreal textWidth = std::max(40, width - 170 - 14 - 14 - 30);
    int lines = 0;
    for (QStringView line : QStringView(m_shown.at(row).text).split(QLatin1Char('\n')))
        lines += std::max(1, int(std::ceil(line.size() * m_charWidth / textWidth)));
    return 14 + 15 + std::max({25, 30, lines * 21});
}
