#include "onboarding/LanguagesStep.h"

#include "core/AppState.h"
#include "core/SpokenLanguage.h"
#include "design/components/Chip.h"
#include "design/components/FlowLayout.h"

#include <QSet>

LanguagesStep::LanguagesStep(AppState& state, QWidget* parent)
    : QWidget(parent)
    , m_state(state)
{
    auto* flow = new FlowLayout(8, 8, Qt::AlignVCenter, this);
    flow->setContentsMargins(0, 0, 0, 0);
    for (const SpokenLanguage& language : SpokenLanguage::all()) {
        // Native names are shown as they are, in every interface language.
        auto* chip = new Chip(language.nativeName);
        chip->setObjectName(QStringLiteral("language-") + language.code);
        const QString code = language.code;
        connect(chip, &Chip::clicked, this, [this, code] {
            const QStringList codes = toggled(m_state.config().languageCodes, code);
            m_state.updateConfig([&codes](Config& config) { config.languageCodes = codes; });
        });
        flow->addWidget(chip);
        m_chips << chip;
    }
    connect(&m_state, &AppState::configChanged, this, &LanguagesStep::refresh);
    refresh();
}

QStringList LanguagesStep::toggled(const QStringList& codes, const QString& code)
{
    QSet<QString> chosen(codes.begin(), codes.end());
    if (chosen.contains(code))
        chosen.remove(code);
    else
        chosen.insert(code);
    QStringList ordered;
    for (const SpokenLanguage& language : SpokenLanguage::all()) {
        if (chosen.contains(language.code))
            ordered << language.code;
    }
    return ordered;
}

void LanguagesStep::refresh()
{
    const QStringList& codes = m_state.config().languageCodes;
    const QList<SpokenLanguage>& all = SpokenLanguage::all();
    for (int i = 0; i < m_chips.size(); ++i) {
        const bool selected = codes.contains(all.at(i).code);
        m_chips.at(i)->setSelected(selected);
        m_chips.at(i)->setIcon(selected ? QStringLiteral("check") : QString());
    }
}
