#include "screens/PhoneConnectCard.h"

#include "core/AppActions.h"
#include "core/AppState.h"
#include "core/L10n.h"
#include "design/Palette.h"
#include "platform/Clock.h"
#include "design/components/SButton.h"
#include "design/components/TextLabel.h"
#include "screens/PhonePulseDot.h"
#include "screens/QRBox.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

namespace {

constexpr qint64 lookAgainMs = 2000;

// A dot and a one-line status, centred.
QHBoxLayout* statusRow(QWidget* dot, TextLabel* text)
{
    auto* row = new QHBoxLayout;
    row->setSpacing(8 - (dot->width() - PhonePulseDot::dot) / 2);
    row->addStretch(1);
    row->addWidget(dot, 0, Qt::AlignVCenter);
    row->addWidget(text, 0, Qt::AlignVCenter);
    row->addStretch(1);
    return row;
}

} // namespace

PhoneConnectCard::PhoneConnectCard(AppState& state, AppActions& actions, QWidget* parent)
    : CardFrame(24, Elevation::Md, Palette::borderDefault, parent)
    , m_state(state)
    , m_actions(actions)
{
    setObjectName(QStringLiteral("connectCard"));
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(25, 25, 25, 25);
    column->setSpacing(16);
    m_qr = new QRBox;
    column->addWidget(m_qr, 0, Qt::AlignHCenter);

    // Off.
    m_off = new QWidget;
    auto* off = new QVBoxLayout(m_off);
    off->setContentsMargins(0, 0, 0, 0);
    off->setSpacing(16);
    auto* offLines = new QVBoxLayout;
    offLines->setSpacing(4);
    auto* grey = new PhonePulseDot(false);
    grey->setObjectName(QStringLiteral("offDot"));
    grey->setColors(Palette::neutral400, fixed(0, 0.0f));
    auto* offTitle = new TextLabel(L10n::tr("The phone server is off"), TypeModifier{14, QFont::DemiBold, 20});
    offLines->addLayout(statusRow(grey, offTitle));
    auto* offDetail = new TextLabel(L10n::tr("It works only on this Wi-Fi, through a secret link."),
                                    TypeModifier{13, QFont::Normal, 20}, Palette::textSecondary);
    offDetail->setWordWrap(true);
    offDetail->setAlignment(Qt::AlignHCenter);
    offLines->addWidget(offDetail);
    off->addLayout(offLines);
    auto* turnOn = new SButton(L10n::tr("Turn on"), ButtonVariant::Primary, ControlSize::Sm);
    turnOn->setObjectName(QStringLiteral("turnOn"));
    turnOn->setIcon(QStringLiteral("power"));
    off->addWidget(turnOn, 0, Qt::AlignHCenter);
    column->addWidget(m_off);

    // On.
    m_on = new QWidget;
    auto* on = new QVBoxLayout(m_on);
    on->setContentsMargins(0, 0, 0, 0);
    on->setSpacing(16);
    m_dot = new PhonePulseDot;
    m_status = new TextLabel({}, TypeModifier{14, QFont::DemiBold, 20});
    m_status->setObjectName(QStringLiteral("phoneStatus"));
    on->addLayout(statusRow(m_dot, m_status));
    m_newCode = new SButton(L10n::tr("New code"), ButtonVariant::Secondary, ControlSize::Sm);
    m_newCode->setObjectName(QStringLiteral("newCode"));
    m_newCode->setIcon(QStringLiteral("refresh-cw"));
    on->addWidget(m_newCode, 0, Qt::AlignHCenter);
    m_disconnect = new SButton(L10n::tr("Disconnect"), ButtonVariant::Secondary, ControlSize::Sm);
    m_disconnect->setObjectName(QStringLiteral("disconnect"));
    m_disconnect->setIcon(QStringLiteral("unplug"));
    on->addWidget(m_disconnect, 0, Qt::AlignHCenter);
    column->addWidget(m_on);
    column->addStretch(1);

    connect(turnOn, &SButton::clicked, this,
            [this] { m_state.updateConfig([](Config& c) { c.phoneServerEnabled = true; }); });
    connect(m_newCode, &SButton::clicked, this, [this] { m_actions.newPhoneCode(); });
    connect(m_disconnect, &SButton::clicked, this, [this] { m_actions.newPhoneCode(); });
    connect(&m_state, &AppState::configChanged, this, &PhoneConnectCard::refresh);
    connect(&m_state, &AppState::phoneChanged, this, &PhoneConnectCard::refresh);
    refresh();
}

void PhoneConnectCard::refresh()
{
    const bool enabled = m_state.config().phoneServerEnabled;
    m_off->setVisible(!enabled);
    m_on->setVisible(enabled);
    if (!enabled) {
        m_qr->setLink(std::nullopt, true);
        m_state.clock().cancel(m_timer);
        m_timer = 0;
        return;
    }
    const QStringList links = m_state.phoneURLs();
    m_qr->setLink(links.isEmpty() ? std::nullopt : std::optional<QString>(links.first()),
                  !m_state.phoneError().isEmpty());
    const bool connected = m_state.phoneConnected();
    if (connected)
        m_dot->setColors(Palette::green600, Palette::green500);
    else
        m_dot->setColors(Palette::amber500, Palette::amber500);
    m_status->setText(connected ? L10n::tr("Phone connected — you can talk") : L10n::tr("Waiting for the phone"));
    m_status->setColor(connected ? Palette::green700 : Palette::textSecondary);
    m_newCode->setVisible(!connected);
    m_disconnect->setVisible(connected);
    if (!m_timer)
        m_timer = m_state.clock().schedule(lookAgainMs, this, [this] { tick(); });
}

void PhoneConnectCard::tick()
{
    m_timer = 0;
    refresh();
}
