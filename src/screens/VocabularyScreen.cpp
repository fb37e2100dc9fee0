#include "screens/VocabularyScreen.h"

#include "core/AppState.h"
#include "core/L10n.h"
#include "design/Palette.h"
#include "design/components/SSegmented.h"
#include "design/components/ScrollPage.h"
#include "design/components/TextLabel.h"
#include "screens/SnippetsTab.h"
#include "screens/WordsTab.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

VocabularyScreen::VocabularyScreen(AppState& state, AppActions&, QWidget* parent, Tab startTab)
    : QWidget(parent)
    , m_state(state)
    , m_tab(startTab)
{
    setObjectName(QStringLiteral("vocabularyScreen"));
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    auto* page = new ScrollPage(880, QMargins(32, 22, 32, 40), 18);
    outer->addWidget(page);
    m_column = page->column();

    auto* header = new QHBoxLayout;
    header->setSpacing(16);
    auto* titles = new QVBoxLayout;
    titles->setSpacing(4);
    titles->addWidget(new TextLabel(L10n::tr("Vocabulary"), TypeModifier{22, QFont::DemiBold, 28, -0.02}));
    m_subtitle = new TextLabel({}, TypeModifier{13, QFont::Normal, 20}, Palette::textSecondary);
    m_subtitle->setObjectName(QStringLiteral("vocabularySubtitle"));
    titles->addWidget(m_subtitle);
    header->addLayout(titles, 1);
    m_switch = new SSegmented({{QVariant::fromValue(int(Tab::words)), L10n::tr("Dictionary")},
                               {QVariant::fromValue(int(Tab::snippets)), L10n::tr("Snippets")}},
                              int(startTab));
    m_switch->setObjectName(QStringLiteral("vocabularyTabs"));
    header->addWidget(m_switch, 0, Qt::AlignBottom);
    m_column->addLayout(header);

    connect(m_switch, &SSegmented::activated, this, [this](const QVariant& value) { showTab(Tab(value.toInt())); });
    showTab(startTab);
}

void VocabularyScreen::showTab(Tab tab)
{
    if (m_content && tab == m_tab)
        return;
    m_tab = tab;
    m_switch->setSelection(int(tab));
    m_subtitle->setText(tab == Tab::words
                            ? L10n::tr("Kesto Viruz always spells these words right — names, terms, brands.")
                            : L10n::tr("Say a short phrase — the full text is typed."));
    // The tab shown goes with everything typed into it.
    if (m_content) {
        m_column->removeWidget(m_content);
        m_content->hide();
        m_content->deleteLater();
    }
    if (tab == Tab::words)
        m_content = new WordsTab(m_state);
    else
        m_content = new SnippetsTab(m_state);
    m_column->insertWidget(1, m_content);
}
