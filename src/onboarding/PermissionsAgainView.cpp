#include "onboarding/PermissionsAgainView.h"

#include "core/AppState.h"
#include "core/L10n.h"
#include "design/Palette.h"
#include "design/components/SButton.h"
#include "design/components/TextLabel.h"
#include "onboarding/DefaultButton.h"
#include "onboarding/MicrophoneWatch.h"
#include "onboarding/PermissionRow.h"
#include "platform/Capabilities.h"

#include <QHBoxLayout>
#include <QPainter>
#include <QVBoxLayout>

#include <algorithm>

PermissionsAgainView::PermissionsAgainView(AppState& state, std::function<void()> onDone, Capabilities& capabilities,
                                           Clock& clock, QWidget* parent)
    : QWidget(parent)
    , m_state(state)
    , m_onDone(std::move(onDone))
    , m_capabilities(capabilities)
    , m_microphone(new MicrophoneWatch(capabilities, clock, this))
    , m_micRow(new PermissionRow(L10n::tr("Microphone")))
    , m_keysRow(new PermissionRow(L10n::tr("X11 session")))
    , m_soundSettings(new SButton(L10n::tr("Open sound settings"), ButtonVariant::Secondary, ControlSize::Md))
    , m_button(new SButton({}, ButtonVariant::Ghost, ControlSize::Md))
{
    setObjectName(QStringLiteral("permissionsAgain"));
    m_micRow->setObjectName(QStringLiteral("microphoneRow"));
    m_keysRow->setObjectName(QStringLiteral("accessibilityRow"));
    m_soundSettings->setObjectName(QStringLiteral("openSoundSettings"));
    m_button->setObjectName(QStringLiteral("done"));
    m_soundSettings->setIcon(QStringLiteral("settings"));
    m_soundSettings->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    m_micRow->addAction(m_soundSettings);

    auto* title = new TextLabel(L10n::tr("Kesto Viruz cannot dictate right now"),
                                TypeModifier{22, QFont::DemiBold, 28, -0.02}, Palette::textPrimary);
    title->setWordWrap(true);
    // The title's style keeps it to one line: where it is longer than the
    // window is wide (Russian, Uzbek), the window grows to hold it.
    const int margin = 32;
    setFixedSize(std::max(designSize.width(), title->sizeHint().width() + 2 * margin), designSize.height());
    auto* paragraph = new TextLabel(L10n::tr("Something it needs has gone missing since the setup. Until it is back, "
                                             "the talk key and dictation do not work."),
                                    TypeModifier{15, QFont::Normal, 22}, Palette::textSecondary);
    paragraph->setWordWrap(true);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(margin, margin, margin, margin);
    column->setSpacing(0);
    column->addWidget(title);
    column->addSpacing(6);
    column->addWidget(paragraph);
    column->addSpacing(24);
    column->addWidget(m_micRow);
    column->addSpacing(20);
    column->addWidget(m_keysRow);
    column->addStretch(1);
    column->addSpacing(24);
    auto* footer = new QHBoxLayout;
    footer->addStretch(1);
    footer->addWidget(m_button);
    column->addLayout(footer);

    connect(m_soundSettings, &SButton::clicked, this, [this] { m_capabilities.openSoundSettings(); });
    connect(m_button, &SButton::clicked, this, [this] { m_onDone(); });
    // Return is "Done", once nothing is missing; "Later" has no shortcut.
    new DefaultButton(this, [this] {
        if (m_button->variant() == ButtonVariant::Primary)
            m_onDone();
    });
    connect(m_microphone, &MicrophoneWatch::changed, this, &PermissionsAgainView::refresh);
    connect(&m_state, &AppState::accessibilityChanged, this, &PermissionsAgainView::refresh);
    refresh();
}

PermissionsAgainView::~PermissionsAgainView() = default;

QStringList PermissionsAgainView::missing() const
{
    QStringList names;
    if (!m_microphone->granted())
        names << QStringLiteral("microphone");
    if (!m_state.accessibilityGranted())
        names << QStringLiteral("accessibility");
    return names;
}

void PermissionsAgainView::refresh()
{
    PermissionRow* mic = m_micRow;
    PermissionRow* keys = m_keysRow;
    const std::optional<Permissions::Check>& microphone = m_microphone->status();
    mic->setAllowed(m_microphone->granted());
    if (!microphone)
        mic->setHint(L10n::tr("Checking…"));
    else if (microphone->unavailable)
        mic->setHint(L10n::tr("No sound server answers. Start PulseAudio or PipeWire."));
    else
        mic->setHint(L10n::tr("No microphone found. Plug one in or turn one on."));
    m_soundSettings->setVisible(microphone && !microphone->granted && !microphone->unavailable
                                && m_capabilities.hasSoundSettings());

    keys->setAllowed(m_state.accessibilityGranted());
    if (!m_state.accessibilityGranted()) {
        // Without an X11 session the fix is to log in to one; otherwise the
        // reason itself says what the X server lacks.
        const Permissions::Check check = m_capabilities.accessibility();
        keys->setHint(check.unavailable || check.granted
                          ? L10n::tr("Log in to an X11 session, then start Kesto Viruz again.")
                          : check.reason);
    }

    const QStringList now = missing();
    const bool nothingMissing = now.isEmpty() && microphone;
    m_button->setText(nothingMissing ? L10n::tr("Done") : L10n::tr("Later"));
    m_button->setVariant(nothingMissing ? ButtonVariant::Primary : ButtonVariant::Ghost);
}

void PermissionsAgainView::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    m_microphone->start();
}

void PermissionsAgainView::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    m_microphone->stop();
}

void PermissionsAgainView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Palette::bgApp.color());
}
