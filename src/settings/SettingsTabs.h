#pragma once

#include "core/AppStateTypes.h"

#include <QList>
#include <QString>

// The settings tabs as the panel lists them.
namespace SettingsTabs {

struct Group
{
    QString caption;
    QList<SettingsTab> tabs;
};

// "App" with General, Shortcuts, AI and languages, Microphone; then
// "Computer" with Advanced.
QList<Group> groups();
QString title(SettingsTab tab);
QString icon(SettingsTab tab);

} // namespace SettingsTabs
