#include "onboarding/MicrophoneStep.h"

#include "core/L10n.h"
#include "design/Palette.h"
#include "design/components/SButton.h"
#include "design/components/TextLabel.h"
#include "onboarding/MicrophoneWatch.h"
#include "onboarding/PermissionCard.h"

#include <QVBoxLayout>

MicrophoneStep::MicrophoneStep(MicrophoneWatch& watch, Capabilities& capabilities, QWidget* parent)
    : QWidget(parent)
    , m_watch(watch)
    , m_capabilities(capabilities)
    , m_card(new PermissionCard)
    , m_open(new SButton(L10n::tr("Open"), ButtonVariant::Secondary, ControlSize::Md))
    , m_hint(new TextLabel({}, TypeModifier{13, QFont::Normal, 18}, Palette::textSecondary))
{
    m_card->setObjectName(QStringLiteral("microphoneCard"));
    m_open->setObjectName(QStringLiteral("openSoundSettings"));
    m_hint->setObjectName(QStringLiteral("microphoneHint"));
    m_open->setIcon(QStringLiteral("settings"));
    m_hint->setWordWrap(true);
    m_card->setTitle(L10n::tr("Microphone"));
    connect(m_open, &SButton::clicked, this, [this] { m_capabilities.openSoundSettings(); });

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(16);
    column->addWidget(m_card);
    column->addWidget(m_hint);
    column->addStretch(1);
    connect(&m_watch, &MicrophoneWatch::changed, this, &MicrophoneStep::refresh);
    refresh();
}

void MicrophoneStep::refresh()
{
    const std::optional<Permissions::Check>& status = m_watch.status();
    m_card->setWaiting(!status);
    if (!status) {
        m_card->setIcon(QStringLiteral("mic"), Tone::neutral);
        m_card->setStatus(L10n::tr("Checking…"), Palette::textSecondary);
        m_card->setAction(nullptr);
        m_hint->hide();
        return;
    }
    if (status->granted) {
        m_card->setIcon(QStringLiteral("check"), Tone::green);
        m_card->setStatus(L10n::tr("Allowed"), Palette::positive);
        m_card->setAction(nullptr);
        m_hint->hide();
        return;
    }
    m_card->setIcon(QStringLiteral("mic"), Tone::neutral);
    if (status->unavailable) {
        // No sound settings can help while no sound server runs.
        m_card->setStatus(L10n::tr("No sound server"), Palette::negative);
        m_card->setAction(nullptr);
        m_hint->setText(L10n::tr("Kesto Viruz records through PulseAudio or PipeWire, and neither answers. Start "
                                 "your desktop's sound server, then come back here."));
    } else {
        m_card->setStatus(L10n::tr("No microphone found"), Palette::negative);
        m_card->setAction(m_capabilities.hasSoundSettings() ? m_open : nullptr);
        m_hint->setText(L10n::tr("Plug in a microphone, or turn one on in the sound settings. This page notices it "
                                 "within a second."));
    }
    m_hint->show();
}
