#include "screens/WordsTab.h"

#include "core/AppState.h"
#include "core/DataActions.h"
#include "core/L10n.h"
#include "design/FilePicker.h"
#include "design/Onest.h"
#include "design/Palette.h"
#include "design/components/CardFrame.h"
#include "design/components/FocusGuard.h"
#include "design/components/SButton.h"
#include "design/components/SIconButton.h"
#include "design/components/SInput.h"
#include "design/components/SSelect.h"
#include "design/components/TextLabel.h"
#include "design/components/TwoStepConfirm.h"
#include "screens/LazyRows.h"
#include "screens/VocabularyDivider.h"
#include "screens/WordRow.h"

#include <QApplication>
#include <QDir>
#include <QHBoxLayout>
#include <QSet>
#include <QStandardPaths>
#include <QVBoxLayout>

namespace {

ChoiceOptions languageOptions()
{
    ChoiceOptions options;
    for (const VocabularyWord::Choice& choice : VocabularyWord::languages())
        options.append({choice.code, choice.name});
    return options;
}

} // namespace

WordsTab::WordsTab(AppState& state, QWidget* parent)
    : QWidget(parent)
    , m_state(state)
    , m_clearConfirm(new TwoStepConfirm(state.clock(), this))
    , m_wasEmpty(state.config().vocabulary.isEmpty())
{
    setObjectName(QStringLiteral("wordsTab"));
    auto* stack = new QVBoxLayout(this);
    stack->setContentsMargins(0, 0, 0, 0);
    stack->setSpacing(16);

    auto* add = new QHBoxLayout;
    add->setSpacing(10);
    m_input = new SInput(L10n::tr("Type words separated by commas — for example, kesto, Gemini, Zarvina"));
    m_input->setObjectName(QStringLiteral("wordInput"));
    m_input->setIcon(QStringLiteral("plus"));
    m_input->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    add->addWidget(m_input, 1);
    m_language = new SSelect(languageOptions(), QString());
    m_language->setObjectName(QStringLiteral("wordLanguage"));
    // The words field keeps the room; the language select gives way first.
    m_language->setMinimumWidth(120);
    m_language->setMaximumWidth(160);
    m_language->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    add->addWidget(m_language);
    auto* addButton = new SButton(L10n::tr("Add"), ButtonVariant::Primary);
    addButton->setObjectName(QStringLiteral("addWords"));
    add->addWidget(addButton);
    auto* importButton = new SButton(L10n::tr("Import"), ButtonVariant::Secondary);
    importButton->setObjectName(QStringLiteral("importWords"));
    importButton->setIcon(QStringLiteral("upload"));
    add->addWidget(importButton);
    stack->addLayout(add);

    auto* card = new CardFrame(20, Elevation::Xs);
    auto* list = new QVBoxLayout(card);
    list->setContentsMargins(21, 7, 21, 9);
    list->setSpacing(0);

    auto* header = new QHBoxLayout;
    header->setContentsMargins(0, 12, 0, 10);
    header->setSpacing(0);
    header->addWidget(new TextLabel(L10n::tr("Your vocabulary"), TypeModifier{15, QFont::DemiBold, 20}));
    m_count = new TextLabel({}, TypeModifier{15, QFont::Medium, 20, -0.01, true}, Palette::textTertiary);
    m_count->setObjectName(QStringLiteral("wordCount"));
    header->addWidget(m_count);
    header->addStretch(1);
    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(4);
    m_clear = new SButton(L10n::tr("Clear"), ButtonVariant::Ghost, ControlSize::Sm);
    m_clear->setObjectName(QStringLiteral("clearWords"));
    buttons->addWidget(m_clear);
    m_confirm = new SButton(L10n::tr("Confirm"), ButtonVariant::Danger, ControlSize::Sm);
    m_confirm->setObjectName(QStringLiteral("confirmClearWords"));
    buttons->addWidget(m_confirm);
    auto* exportButton = new SIconButton(QStringLiteral("download"), IconButtonVariant::Ghost, 32);
    exportButton->setObjectName(QStringLiteral("exportWords"));
    exportButton->setIconSize(16);
    exportButton->setHelp(L10n::tr("Export"));
    buttons->addWidget(exportButton);
    header->addSpacing(10);
    header->addLayout(buttons);
    list->addLayout(header);

    m_rows = new LazyRows({[this](int row, QWidget* parent) {
                               auto* widget = new WordRow(m_shown.at(row), parent);
                               connect(widget, &WordRow::deleteRequested, this, [this, widget](const QUuid& id) {
                                   // From the keyboard, the focus keeps the place in the list.
                                   int place = -1;
                                   QWidget* focus = QApplication::focusWidget();
                                   if (focus != widget && widget->isAncestorOf(focus)) {
                                       for (int i = 0; i < m_shown.size() && place < 0; ++i)
                                           place = m_shown.at(i).id == id ? i : -1;
                                   }
                                   m_state.updateConfig([&id](Config& c) {
                                       c.vocabulary.removeIf([&id](const VocabularyWord& w) { return w.id == id; });
                                   });
                                   if (place >= 0)
                                       focusRowNear(place);
                               });
                               m_rowHeight = widget->sizeHint().height();
                               return widget;
                           },
                           [](int, QWidget*) {}, [this](int, int) { return m_rowHeight; }});
    m_rows->setObjectName(QStringLiteral("wordRows"));
    list->addWidget(m_rows);
    m_empty = new TextLabel(
        L10n::tr("The vocabulary is empty. Add names, terms and brands — Kesto Viruz will always spell them right."),
        TypeModifier{14, QFont::Normal, 20}, Palette::textSecondary);
    m_empty->setObjectName(QStringLiteral("wordsEmpty"));
    m_empty->setWordWrap(true);
    m_empty->setAlignment(Qt::AlignHCenter);
    list->addWidget(new VocabularyDivider(m_empty, QMargins(0, 29, 0, 22)));
    stack->addWidget(card);

    connect(m_input, &SInput::submitted, this, &WordsTab::addWords);
    connect(addButton, &SButton::clicked, this, &WordsTab::addWords);
    connect(importButton, &SButton::clicked, this, &WordsTab::importWords);
    connect(exportButton, &SIconButton::clicked, this, &WordsTab::exportWords);
    connect(m_clear, &SButton::clicked, m_clearConfirm, &TwoStepConfirm::arm);
    connect(m_confirm, &SButton::clicked, m_clearConfirm, &TwoStepConfirm::confirm);
    connect(m_clearConfirm, &TwoStepConfirm::armedChanged, this, &WordsTab::showClear);
    m_clearConfirm->disarmOnEscape(this);
    connect(m_clearConfirm, &TwoStepConfirm::confirmed, this,
            [this] { m_state.updateConfig([](Config& c) { c.vocabulary.clear(); }); });
    connect(&m_state, &AppState::configChanged, this, &WordsTab::refresh);
    showClear();
    refresh();
}

WordsTab::~WordsTab() = default;

void WordsTab::addWords()
{
    const QStringList typed = VocabularyWord::parse(m_input->text());
    if (typed.isEmpty())
        return;
    QSet<QString> seen;
    for (const VocabularyWord& word : m_state.config().vocabulary)
        seen.insert(VocabularyWord::sameKey(word.word));
    const QString language = m_language->selection().toString();
    QList<VocabularyWord> added;
    QStringList names;
    for (const QString& word : typed) {
        const QString key = VocabularyWord::sameKey(word);
        if (seen.contains(key))
            continue;
        seen.insert(key);
        added.append(VocabularyWord{QUuid::createUuid(), word, language});
        names.append(word);
    }
    m_input->setText({});
    if (added.isEmpty()) {
        m_state.showToast(L10n::tr("Already in the vocabulary"), typed.join(QStringLiteral(", ")), ToastTone::info);
        return;
    }
    m_state.updateConfig([&added](Config& c) { c.vocabulary = added + c.vocabulary; });
    m_state.showToast(L10n::tr("Added to the vocabulary"), names.join(QStringLiteral(", ")), ToastTone::success);
}

void WordsTab::importWords()
{
    const QString path = FilePicker::instance().openFile(this, L10n::tr("Import words"),
                                                         L10n::tr("Word lists and exports (*.txt *.csv *.json *.zip)"));
    if (path.isEmpty())
        return;
    const DataActions::WordsResult result = DataActions::importWords(m_state, path);
    if (!result.ok()) {
        m_state.showToast(L10n::tr("Could not import"), result.error, ToastTone::danger);
    } else if (result.count == 0 && result.snippets == 0) {
        m_state.showToast(L10n::tr("Imported"), L10n::tr("No new words"), ToastTone::info);
    } else {
        QStringList added;
        if (result.count > 0 || result.snippets == 0)
            added << L10n::tr("%n new words", nullptr, result.count);
        if (result.snippets > 0)
            added << L10n::tr("%n new snippets", nullptr, result.snippets);
        m_state.showToast(L10n::tr("Imported"), added.join(QStringLiteral(" · ")), ToastTone::success);
    }
}

void WordsTab::exportWords()
{
    if (m_state.config().vocabulary.isEmpty()) {
        m_state.showToast(L10n::tr("Nothing to export"), L10n::tr("The vocabulary is empty."), ToastTone::info);
        return;
    }
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty())
        folder = QDir::homePath();
    const QString path = FilePicker::instance().saveFile(this, L10n::tr("Export words"),
                                                         QDir(folder).filePath(DataActions::wordsFileName()),
                                                         L10n::tr("Text files (*.txt)"));
    if (path.isEmpty())
        return;
    const DataActions::WordsResult result = DataActions::exportWords(m_state, path);
    if (!result.ok()) {
        m_state.showToast(L10n::tr("Could not export"), result.error, ToastTone::danger);
        return;
    }
    m_state.showToast(L10n::tr("Exported"), L10n::tr("%1 · %n words", nullptr, result.count).arg(result.fileName),
                      ToastTone::success);
}

void WordsTab::refresh()
{
    const QList<VocabularyWord>& words = m_state.config().vocabulary;
    m_count->setText(QLatin1Char(' ') + QString::number(words.size()));
    m_clear->setEnabled(!words.isEmpty());
    m_empty->parentWidget()->setVisible(words.isEmpty());
    if (words.isEmpty() != m_wasEmpty) {
        m_wasEmpty = words.isEmpty();
        if (m_wasEmpty)
            m_clearConfirm->disarm();
    }
    if (words != m_shown)
        showRows();
}

void WordsTab::showRows()
{
    // Rows are kept by id: a change builds or drops only the rows it touched.
    m_shown = m_state.config().vocabulary;
    m_rows->setRows(LazyRows::byId(m_shown));
}

void WordsTab::focusRowNear(int row)
{
    if (m_shown.isEmpty()) {
        FocusGuard::neutralPlace(m_rows)->setFocus(Qt::OtherFocusReason);
        return;
    }
    row = std::min(row, int(m_shown.size()) - 1);
    m_rows->reveal(row);
    if (QWidget* next = m_rows->rowWidget(m_shown.at(row).id.toString(QUuid::WithoutBraces)))
        next->setFocus(Qt::OtherFocusReason);
}

void WordsTab::showClear()
{
    const bool armed = m_clearConfirm->isArmed();
    m_clear->setVisible(!armed);
    m_confirm->setVisible(armed);
}
