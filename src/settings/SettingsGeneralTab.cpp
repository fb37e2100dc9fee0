#include "settings/SettingsGeneralTab.h"

#include "core/AppState.h"
#include "core/InterfaceLanguage.h"
#include "core/L10n.h"
#include "core/LoginItem.h"
#include "design/components/SSegmented.h"
#include "design/components/SSelect.h"
#include "settings/SettingsGroupLabel.h"
#include "settings/SettingsRow.h"
#include "settings/SettingsSwitch.h"

#include <QVBoxLayout>

namespace {

ChoiceOptions languageOptions()
{
    ChoiceOptions options;
    for (const InterfaceLanguage::Choice& choice : InterfaceLanguage::choices())
        options.append({choice.code.value_or(QString()), choice.name});
    return options;
}

} // namespace

SettingsGeneralTab::SettingsGeneralTab(AppState& state, const AppActions& actions, QWidget* parent)
    : QWidget(parent)
    , m_state(state)
    , m_actions(actions)
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    m_theme = new SSegmented({{rawValue(ThemeMode::light), L10n::tr("Light")},
                              {rawValue(ThemeMode::dark), L10n::tr("Dark")},
                              {rawValue(ThemeMode::automatic), L10n::tr("Auto")}});
    m_theme->setObjectName(QStringLiteral("theme"));
    m_theme->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    connect(m_theme, &SSegmented::activated, this, [this](const QVariant& value) {
        if (const std::optional<ThemeMode> theme = themeModeFromRaw(value.toString()))
            m_state.updateConfig([theme](Config& config) { config.theme = *theme; });
    });
    layout->addWidget(
        new SettingsRow(L10n::tr("Theme"), L10n::tr("Light, dark or match the system"), 18, 18, true, m_theme));

    layout->addWidget(new SettingsGroupLabel(L10n::tr("Sound"), 22));
    m_sounds = addSwitch(QStringLiteral("sounds"), L10n::tr("Dictation sounds"),
                         L10n::tr("A short signal when recording starts and ends"));
    connect(m_sounds, &SettingsSwitch::toggled, this,
            [this](bool on) { m_state.updateConfig([on](Config& config) { config.sounds = on; }); });
    m_pauseMedia = addSwitch(QStringLiteral("pauseMedia"), L10n::tr("Pause music"),
                             L10n::tr("Pauses music and video while you dictate"));
    connect(m_pauseMedia, &SettingsSwitch::toggled, this,
            [this](bool on) { m_state.updateConfig([on](Config& config) { config.pauseMedia = on; }); });
    m_notificationsOff = addSwitch(QStringLiteral("notificationsOff"), L10n::tr("Turn off notifications"),
                                   L10n::tr("Kesto Viruz shows no notifications at all"));
    connect(m_notificationsOff, &SettingsSwitch::toggled, this,
            [this](bool on) { m_state.updateConfig([on](Config& config) { config.notificationsOff = on; }); });
    m_launchAtLogin = addSwitch(QStringLiteral("launchAtLogin"), L10n::tr("Start with the computer"),
                                L10n::tr("The app waits in the background"));
    // The switch ends on what the desktop will really do, whatever was asked.
    connect(m_launchAtLogin, &SettingsSwitch::toggled, this, [this](bool on) {
        m_state.setLaunchAtLogin(LoginItem::set(on));
        m_launchAtLogin->setChecked(m_state.launchAtLogin());
    });

    layout->addWidget(new SettingsGroupLabel(L10n::tr("Interface"), 22));
    m_language = new SSelect(languageOptions(), {}, ControlSize::Sm);
    m_language->setObjectName(QStringLiteral("language"));
    m_language->setFixedWidth(200);
    connect(m_language, &SSelect::activated, this, [this](const QVariant& value) {
        const QString code = value.toString();
        m_actions.chooseInterfaceLanguage(code.isEmpty() ? std::nullopt : std::optional<QString>(code));
        refresh();
    });
    layout->addWidget(new SettingsRow(L10n::tr("Interface language"), L10n::tr("The app restarts to switch the language"),
                                      16, 16, true, m_language));
    m_hud = addSwitch(QStringLiteral("hudVisible"), L10n::tr("Floating button"),
                      L10n::tr("Sits at the bottom of the screen; click it to dictate"));
    connect(m_hud, &SettingsSwitch::toggled, this,
            [this](bool on) { m_state.updateConfig([on](Config& config) { config.hudVisible = on; }); });

    connect(&m_state, &AppState::configChanged, this, &SettingsGeneralTab::refresh);
    connect(&m_state, &AppState::launchAtLoginChanged, this, &SettingsGeneralTab::refresh);
    refresh();
}

SettingsSwitch* SettingsGeneralTab::addSwitch(const QString& name, const QString& title, const QString& description)
{
    auto* row = new SettingsSwitch(title, description, false);
    row->setObjectName(name);
    layout()->addWidget(row);
    return row;
}

void SettingsGeneralTab::refresh()
{
    const Config& config = m_state.config();
    m_theme->setSelection(rawValue(config.theme));
    m_sounds->setChecked(config.sounds);
    m_pauseMedia->setChecked(config.pauseMedia);
    m_notificationsOff->setChecked(config.notificationsOff);
    m_launchAtLogin->setChecked(m_state.launchAtLogin());
    m_language->setSelection(InterfaceLanguage::chosen().value_or(QString()));
    m_hud->setChecked(config.hudVisible);
}
