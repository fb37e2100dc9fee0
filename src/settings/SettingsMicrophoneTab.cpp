#include "settings/SettingsMicrophoneTab.h"

#include "core/AppState.h"
#include "core/L10n.h"
#include "design/Palette.h"
#include "design/Surface.h"
#include "design/components/ChoiceOption.h"
#include "design/components/SButton.h"
#include "design/components/SSelect.h"
#include "design/components/TextLabel.h"
#include "settings/MicTestBars.h"
#include "settings/SettingsRow.h"
#include "settings/SettingsSwitch.h"

#include <QHBoxLayout>
#include <QPainter>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// The level block: a divider along its bottom.
class LevelBlock final : public QWidget
{
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter painter(this);
        Surface::bottomBorder(painter, rect(), Palette::borderSubtle);
    }
};

} // namespace

SettingsMicrophoneTab::SettingsMicrophoneTab(AppState& state, const AppActions& actions, QWidget* parent)
    : QWidget(parent)
    , m_state(state)
    , m_actions(actions)
    , m_inputs(actions.microphones())
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 16, 0, 0);
    layout->setSpacing(6);

    m_microphone = new SSelect({}, {}, ControlSize::Sm);
    m_microphone->setObjectName(QStringLiteral("microphone"));
    m_microphone->setFixedWidth(260);
    connect(m_microphone, &SSelect::activated, this, [this](const QVariant& value) {
        const QString id = value.toString();
        m_state.updateConfig([&id](Config& config) { config.inputDeviceID = id; });
    });
    layout->addWidget(new SettingsRow(L10n::tr("Microphone"), L10n::tr("For dictation"), 0, 16, true, m_microphone));

    auto* block = new LevelBlock;
    auto* level = new QVBoxLayout(block);
    level->setContentsMargins(0, 16, 0, 17);
    level->setSpacing(10);
    auto* header = new QHBoxLayout;
    header->setSpacing(12);
    header->addWidget(new TextLabel(L10n::tr("Sound level"), TypeModifier{15, QFont::DemiBold, 20}, Palette::textPrimary));
    header->addStretch(1);
    m_test = new SButton({}, ButtonVariant::Secondary, ControlSize::Sm);
    m_test->setObjectName(QStringLiteral("micTest"));
    // Test and Stop keep one height: their variants reserve different room
    // for a shadow, and the tab below must not move when they swap.
    m_test->setVariant(ButtonVariant::Danger);
    const int stopHeight = m_test->sizeHint().height();
    m_test->setVariant(ButtonVariant::Secondary);
    m_test->setFixedHeight(std::max(stopHeight, m_test->sizeHint().height()));
    connect(m_test, &SButton::clicked, this, [this] { m_actions.toggleMicTest(); });
    header->addWidget(m_test);
    level->addLayout(header);
    m_bars = new MicTestBars;
    level->addWidget(m_bars);
    m_hint = new TextLabel({}, TypeModifier{13, QFont::Normal, 20}, Palette::textSecondary);
    m_hint->setObjectName(QStringLiteral("micHint"));
    level->addWidget(m_hint);
    layout->addWidget(block);

    m_noiseReduction = new SettingsSwitch(L10n::tr("Noise reduction"),
                                          L10n::tr("Lowers background noise and keyboard sounds"), false);
    m_noiseReduction->setObjectName(QStringLiteral("noiseReduction"));
    connect(m_noiseReduction, &SettingsSwitch::toggled, this,
            [this](bool on) { m_state.updateConfig([on](Config& config) { config.noiseReduction = on; }); });
    layout->addWidget(m_noiseReduction);
    m_trimSilence = new SettingsSwitch(L10n::tr("Shorten long pauses"),
                                       L10n::tr("Long silences are cut before the audio is sent"), false);
    m_trimSilence->setObjectName(QStringLiteral("trimSilence"));
    connect(m_trimSilence, &SettingsSwitch::toggled, this,
            [this](bool on) { m_state.updateConfig([on](Config& config) { config.trimSilence = on; }); });
    layout->addWidget(m_trimSilence);

    connect(&m_state, &AppState::configChanged, this, &SettingsMicrophoneTab::refresh);
    connect(&m_state, &AppState::micTestLevelChanged, this, &SettingsMicrophoneTab::refreshTest);
    connect(&m_state, &AppState::phaseChanged, this, &SettingsMicrophoneTab::refreshTest);
    refresh();
}

SettingsMicrophoneTab::~SettingsMicrophoneTab()
{
    if (m_state.micTestLevel())
        m_actions.toggleMicTest();
}

QList<ChoiceOption> SettingsMicrophoneTab::microphones(const QList<Microphone>& inputs, const QString& saved)
{
    QList<ChoiceOption> options{{QString(), L10n::tr("System default")}};
    bool listed = saved.isEmpty();
    for (const Microphone& input : inputs) {
        options.append({input.id, input.name});
        listed = listed || input.id == saved;
    }
    if (!listed)
        options.append({saved, L10n::tr("Microphone not connected")});
    return options;
}

void SettingsMicrophoneTab::refresh()
{
    const Config& config = m_state.config();
    m_microphone->setOptions(microphones(m_inputs, config.inputDeviceID));
    m_microphone->setSelection(config.inputDeviceID);
    m_noiseReduction->setChecked(config.noiseReduction);
    m_trimSilence->setChecked(config.trimSilence);
    refreshTest();
}

void SettingsMicrophoneTab::refreshTest()
{
    const std::optional<double> level = m_state.micTestLevel();
    if (level) {
        m_test->setText(L10n::tr("Stop"));
        m_test->setVariant(ButtonVariant::Danger);
        m_test->setIcon(QStringLiteral("square"));
        m_test->setEnabled(true);
    } else {
        m_test->setText(L10n::tr("Test"));
        m_test->setVariant(ButtonVariant::Secondary);
        m_test->setIcon(QStringLiteral("mic"));
        m_test->setEnabled(m_state.phase() != Phase::recording);
    }
    m_bars->setLevel(level.value_or(0));
    m_hint->setText(level ? L10n::tr("Speak — the green bars follow your voice.") : L10n::tr("Press Test and say a few words."));
}
