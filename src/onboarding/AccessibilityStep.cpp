#include "onboarding/AccessibilityStep.h"

#include "core/AppState.h"
#include "core/L10n.h"
#include "design/Palette.h"
#include "design/components/TextLabel.h"
#include "onboarding/PermissionCard.h"
#include "onboarding/StepTrail.h"
#include "platform/Capabilities.h"

#include <QVBoxLayout>

AccessibilityStep::AccessibilityStep(AppState& state, Capabilities& capabilities, QWidget* parent)
    : QWidget(parent)
    , m_state(state)
    , m_capabilities(capabilities)
    , m_card(new PermissionCard)
    , m_hint(new TextLabel({}, TypeModifier{13, QFont::Normal, 18}, Palette::textSecondary))
    , m_trail(new StepTrail({{L10n::tr("Log out"), {}},
                             {L10n::tr("Choose an X11 session at the login screen"), {}},
                             {L10n::tr("Start Kesto Viruz again"), {}}}))
{
    m_card->setObjectName(QStringLiteral("accessibilityCard"));
    m_hint->setObjectName(QStringLiteral("accessibilityHint"));
    m_trail->setObjectName(QStringLiteral("accessibilityTrail"));
    m_hint->setWordWrap(true);
    m_card->setTitle(L10n::tr("X11 session"));

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(16);
    column->addWidget(m_card);
    column->addWidget(m_hint);
    column->addWidget(m_trail);
    column->addStretch(1);
    connect(&m_state, &AppState::accessibilityChanged, this, &AccessibilityStep::refresh);
    refresh();
}

void AccessibilityStep::refresh()
{
    if (m_state.accessibilityGranted()) {
        m_card->setIcon(QStringLiteral("check"), Tone::green);
        m_card->setStatus(L10n::tr("Allowed"), Palette::positive);
        m_hint->hide();
        m_trail->hide();
        return;
    }
    // The application's check says only yes or no; why comes from here.
    const Permissions::Check check = m_capabilities.accessibility();
    m_card->setIcon(QStringLiteral("keyboard"), Tone::neutral);
    // Logging out into an X11 session helps only where none runs; an X
    // server without an extension the card names instead.
    const bool noDisplay = check.unavailable || check.granted;
    if (noDisplay)
        m_card->setStatus(L10n::tr("No X11 session"), Palette::negative);
    else
        m_card->setStatus(check.reason.isEmpty() ? L10n::tr("Keys cannot be typed in this session") : check.reason,
                          Palette::negative);
    m_hint->setText(check.reason);
    m_hint->setVisible(noDisplay && !check.reason.isEmpty());
    m_trail->setVisible(noDisplay);
}
