#include "screens/PhoneScreen.h"

#include "core/AppState.h"
#include "core/L10n.h"
#include "design/Palette.h"
#include "design/components/ScrollPage.h"
#include "design/components/TextLabel.h"
#include "screens/PhoneConnectCard.h"
#include "screens/PhoneErrorNote.h"
#include "screens/PhoneRecordings.h"
#include "screens/PhoneStepsCard.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

namespace {

// Contact after this much silence counts as a new connection.
constexpr qint64 silenceMs = 45000;

} // namespace

PhoneScreen::PhoneScreen(AppState& state, AppActions& actions, QWidget* parent)
    : QWidget(parent)
    , m_state(state)
    , m_lastSeen(state.phoneLastSeen())
{
    setObjectName(QStringLiteral("phoneScreen"));
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    auto* page = new ScrollPage(900, QMargins(32, 22, 32, 40), 20);
    outer->addWidget(page);
    QVBoxLayout* column = page->column();

    auto* header = new QVBoxLayout;
    header->setSpacing(4);
    header->addWidget(new TextLabel(L10n::tr("Record from your phone"), TypeModifier{22, QFont::DemiBold, 28, -0.02}));
    header->addWidget(new TextLabel(L10n::tr("Talk even when you are away from the computer — the text appears here."),
                                    TypeModifier{13, QFont::Normal, 20}, Palette::textSecondary));
    column->addLayout(header);

    m_error = new PhoneErrorNote;
    column->addWidget(m_error);

    auto* cards = new QHBoxLayout;
    cards->setSpacing(20);
    m_card = new PhoneConnectCard(state, actions);
    cards->addWidget(m_card, 1);
    cards->addWidget(new PhoneStepsCard, 1);
    column->addLayout(cards);

    m_recordings = new PhoneRecordings;
    column->addWidget(m_recordings);

    connect(&m_state, &AppState::configChanged, this, &PhoneScreen::refresh);
    connect(&m_state, &AppState::phoneChanged, this, &PhoneScreen::refresh);
    connect(&m_state, &AppState::phoneChanged, this, &PhoneScreen::watchContact);
    connect(&m_state, &AppState::historyChanged, this, &PhoneScreen::refresh);
    refresh();
}

void PhoneScreen::refresh()
{
    // An error left over while the link is off is not the user's concern.
    const bool showError = m_state.config().phoneServerEnabled && !m_state.phoneError().isEmpty();
    m_error->setText(showError ? m_state.phoneError() : QString());
    m_error->setVisible(showError);

    QList<HistoryEntry> phone;
    for (const HistoryEntry& entry : m_state.history().entries) {
        if (entry.source == QStringLiteral("phone"))
            phone.append(entry);
    }
    m_recordings->setEntries(phone);
}

void PhoneScreen::watchContact()
{
    const std::optional<QDateTime> seen = m_state.phoneLastSeen();
    const std::optional<QDateTime> before = m_lastSeen;
    m_lastSeen = seen;
    // Kept out of sight, the screen announces nothing and replays nothing later.
    if (!seen || seen == before || !isVisible())
        return;
    if (before && before->msecsTo(*seen) < silenceMs)
        return;
    m_state.showToast(L10n::tr("Phone connected"), QString(), ToastTone::success);
}
