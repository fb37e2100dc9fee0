#include "onboarding/OnboardingView.h"

#include "core/AppState.h"
#include "core/L10n.h"
#include "core/Log.h"
#include "design/Palette.h"
#include "design/Surface.h"
#include "design/components/SButton.h"
#include "design/components/TextLabel.h"
#include "onboarding/AccessibilityStep.h"
#include "onboarding/DefaultButton.h"
#include "onboarding/GeminiStep.h"
#include "onboarding/InfoCard.h"
#include "onboarding/KeyCheck.h"
#include "onboarding/LanguagesStep.h"
#include "onboarding/MicrophoneStep.h"
#include "onboarding/MicrophoneWatch.h"
#include "onboarding/OnboardingArtwork.h"
#include "onboarding/OnboardingHeader.h"
#include "onboarding/StepIntro.h"
#include "onboarding/TryItStep.h"

#include <QPainter>
#include <QVBoxLayout>

namespace {

constexpr int footerHeight = 72;

// The footer's hairline along its top edge.
class Footer final : public QWidget
{
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        Surface::topBorder(painter, QRectF(rect()), Palette::borderSubtle);
    }
};

} // namespace

OnboardingView::OnboardingView(AppState& state, Callbacks callbacks, Capabilities& capabilities, Clock& clock,
                               QWidget* parent)
    : QWidget(parent)
    , m_state(state)
    , m_callbacks(std::move(callbacks))
    , m_capabilities(capabilities)
    , m_clock(clock)
    , m_keyCheck(new KeyCheck(state, this))
    , m_microphone(new MicrophoneWatch(capabilities, clock, this))
    , m_header(new OnboardingHeader(OnboardingSteps::count))
    , m_stepArea(new QWidget)
    , m_intro(new StepIntro(m_stepArea))
    , m_footer(new Footer)
    , m_back(new SButton(L10n::tr("Back"), ButtonVariant::Ghost, ControlSize::Md))
    , m_counter(new TextLabel({}, TypeModifier{13, QFont::Normal, 18, 0, true}, Palette::textTertiary))
    , m_primary(new SButton({}, ButtonVariant::Primary, ControlSize::Md))
{
    setObjectName(QStringLiteral("onboarding"));
    setFixedSize(designSize);
    m_header->setObjectName(QStringLiteral("header"));
    m_intro->setObjectName(QStringLiteral("intro"));
    m_back->setObjectName(QStringLiteral("back"));
    m_counter->setObjectName(QStringLiteral("counter"));
    m_primary->setObjectName(QStringLiteral("next"));
    m_back->setIcon(QStringLiteral("arrow-left"));

    // The picture (and its shadow) overhang the intro's slot; the padding
    // makes up for it.
    auto* area = new QVBoxLayout(m_stepArea);
    area->setContentsMargins(40 - StepIntro::overhang.left(), 20 - StepIntro::overhang.top(), 40, 28);
    area->setSpacing(26);
    area->addWidget(m_intro);
    // The content lines up with the title, not with the overhanging picture.
    m_contentFrame = new QVBoxLayout;
    m_contentFrame->setContentsMargins(StepIntro::overhang.left(), 0, 0, 0);
    area->addLayout(m_contentFrame, 1);

    auto* footer = new QHBoxLayout(m_footer);
    m_footer->setFixedHeight(footerHeight);
    footer->setContentsMargins(24, 0, 24, 0);
    footer->setSpacing(12);
    footer->addWidget(m_back);
    footer->addStretch(1);
    footer->addWidget(m_counter);
    footer->addWidget(m_primary);

    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(m_header);
    column->addWidget(m_stepArea, 1);
    column->addWidget(m_footer);

    connect(m_header, &OnboardingHeader::picked, this, [this](int index) {
        if (index < int(m_step))
            go(index);
    });
    connect(m_intro, &StepIntro::infoToggled, this, [this] { m_intro->setInfoOpen(!m_intro->isInfoOpen()); });
    connect(m_back, &SButton::clicked, this, [this] { go(int(m_step) - 1); });
    connect(m_primary, &SButton::clicked, this, &OnboardingView::primaryClicked);
    new DefaultButton(this, [this] {
        if (m_primary->isEnabled())
            primaryClicked();
    });
    connect(&m_state, &AppState::configChanged, this, [this] {
        m_intro->setSubtitle(subtitle(m_step, m_state.config().hotkeyMode));
        refreshFooter();
    });
    connect(&m_state, &AppState::accessibilityChanged, this, &OnboardingView::refreshFooter);
    connect(m_microphone, &MicrophoneWatch::changed, this, &OnboardingView::refreshFooter);
    connect(m_keyCheck, &KeyCheck::changed, this, &OnboardingView::refreshFooter);

    // A key saved earlier, or one in the environment, needs no new check.
    m_keyCheck->setChecked(!m_state.config().resolvedApiKey().isEmpty());
    showStep();
}

OnboardingView::~OnboardingView() = default;

QString OnboardingView::title(Step step)
{
    switch (step) {
    case Step::languages:
        return L10n::tr("Which languages do you speak?");
    case Step::microphone:
        return L10n::tr("Microphone");
    case Step::accessibility:
        return L10n::tr("Keys and typing");
    case Step::gemini:
        return L10n::tr("Gemini API key");
    case Step::tryIt:
        return L10n::tr("Try it");
    }
    return {};
}

QString OnboardingView::subtitle(Step step, HotkeyMode mode)
{
    const bool hold = mode == HotkeyMode::hold;
    switch (step) {
    case Step::languages:
        return L10n::tr("You can pick more than one.");
    case Step::microphone:
        return hold ? L10n::tr("Records only while you hold the key.")
                    : L10n::tr("Records only from one key press to the next.");
    case Step::accessibility:
        return L10n::tr("Needed to type the text where your cursor is.");
    case Step::gemini:
        return L10n::tr("Turning speech into text needs a free key.");
    case Step::tryIt:
        return hold ? L10n::tr("Hold the keys, talk, and let go.") : L10n::tr("Press the keys, talk, and press them again.");
    }
    return {};
}

QString OnboardingView::info(Step step)
{
    switch (step) {
    case Step::languages:
        return L10n::tr("Even if you mix languages in one sentence, Kesto Viruz writes each word in the language it was "
                        "said in.");
    case Step::microphone:
        return L10n::tr("It also records when you press the floating button on the screen. The microphone is not used "
                        "at any other time.");
    case Step::accessibility:
        return L10n::tr("Kesto Viruz notices the talk key and types text in any app through the X11 session. What you "
                        "type is never saved or sent anywhere. A Wayland session without X11 does not allow this.");
    case Step::gemini:
        return L10n::tr("Getting a key takes about a minute. The free tier has a daily limit, and Google may use the "
                        "requests to improve its products. With billing turned on, neither applies.");
    case Step::tryIt:
        return L10n::tr("The text appears where the cursor is — here now, and in any app later. You can also talk with "
                        "the floating button at the bottom of the screen. Everything you say is kept in History.");
    }
    return {};
}

void OnboardingView::go(int index)
{
    const std::optional<Step> step = OnboardingSteps::fromIndex(index);
    if (!step)
        return;
    m_callbacks.onSave(m_state.config());
    m_intro->setInfoOpen(false);
    m_step = *step;
    Log::write(QStringLiteral("onboarding step ") + OnboardingArtwork::name(m_step));
    showStep();
}

bool OnboardingView::canContinue() const
{
    switch (m_step) {
    case Step::languages:
        return !m_state.config().languageCodes.isEmpty();
    case Step::microphone:
        return m_microphone->granted();
    case Step::accessibility:
        return m_state.accessibilityGranted();
    case Step::gemini:
        return m_keyCheck->isChecked();
    case Step::tryIt:
        return true;
    }
    return false;
}

QWidget* OnboardingView::makeContent()
{
    switch (m_step) {
    case Step::languages:
        return new LanguagesStep(m_state);
    case Step::microphone:
        return new MicrophoneStep(*m_microphone, m_capabilities);
    case Step::accessibility:
        return new AccessibilityStep(m_state, m_capabilities);
    case Step::gemini:
        m_keyCheck->resetView();
        return new GeminiStep(m_state, *m_keyCheck);
    case Step::tryIt:
        return new TryItStep(m_state, m_callbacks.onSave, m_clock);
    }
    return nullptr;
}

void OnboardingView::showStep()
{
    if (m_content) {
        DefaultButton::releaseFocus(m_content);
        m_contentFrame->removeWidget(m_content);
        // The clicked button may still be on the stack.
        m_content->hide();
        m_content->deleteLater();
    }
    m_content = makeContent();
    m_content->setObjectName(QStringLiteral("stepContent"));
    m_contentFrame->addWidget(m_content, 1);
    // The info card lies over the step's content.
    m_intro->infoCard()->raiseOverSiblings();
    m_intro->present(m_step, title(m_step), subtitle(m_step, m_state.config().hotkeyMode), info(m_step));
    m_header->setCurrent(int(m_step));
    if (m_step == Step::languages)
        DefaultButton::releaseFocus(m_back);
    m_back->setVisible(m_step != Step::languages);
    const bool last = m_step == Step::tryIt;
    m_primary->setText(last ? L10n::tr("Done") : L10n::tr("Next"));
    m_primary->setIcon(last ? QStringLiteral("check") : QString());
    m_primary->setIconRight(last ? QString() : QStringLiteral("arrow-right"));
    m_counter->setText(QStringLiteral("%1 / %2").arg(int(m_step) + 1).arg(OnboardingSteps::count));
    refreshFooter();
    if (isVisible())
        m_content->show();
}

void OnboardingView::refreshFooter()
{
    DefaultButton::setEnabled(m_primary, canContinue());
}

void OnboardingView::primaryClicked()
{
    if (!canContinue())
        return;
    if (m_step != Step::tryIt) {
        go(int(m_step) + 1);
        return;
    }
    m_state.updateConfig([](Config& config) { config.onboardingDone = true; });
    Log::write(QStringLiteral("onboarding finished"));
    m_callbacks.onSave(m_state.config());
    m_callbacks.onFinish();
}

void OnboardingView::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    m_microphone->start();
}

void OnboardingView::hideEvent(QHideEvent* event)
{
    QWidget::hideEvent(event);
    m_microphone->stop();
}

void OnboardingView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Palette::surfaceCard.color());
}
