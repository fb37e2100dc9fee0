#include "settings/SettingsTabs.h"

#include "core/L10n.h"

namespace SettingsTabs {

QList<Group> groups()
{
    return {{L10n::tr("App"), {SettingsTab::general, SettingsTab::shortcuts, SettingsTab::ai, SettingsTab::microphone}},
            {L10n::tr("Computer"), {SettingsTab::advanced}}};
}

QString title(SettingsTab tab)
{
    switch (tab) {
    case SettingsTab::general:
        return L10n::tr("General");
    case SettingsTab::shortcuts:
        return L10n::tr("Shortcuts");
    case SettingsTab::ai:
        return L10n::tr("AI and languages");
    case SettingsTab::microphone:
        return L10n::tr("Microphone");
    case SettingsTab::advanced:
        return L10n::tr("Advanced");
    }
    return {};
}

QString icon(SettingsTab tab)
{
    switch (tab) {
    case SettingsTab::general:
        return QStringLiteral("sliders-horizontal");
    case SettingsTab::shortcuts:
        return QStringLiteral("keyboard");
    case SettingsTab::ai:
        return QStringLiteral("sparkles");
    case SettingsTab::microphone:
        return QStringLiteral("mic");
    case SettingsTab::advanced:
        return QStringLiteral("wrench");
    }
    return {};
}

} // namespace SettingsTabs
