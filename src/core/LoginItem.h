#pragma once

#include <QString>

// Start at login: an XDG autostart entry, "kesto-viruz.desktop" in
// $XDG_CONFIG_HOME/autostart. Written to turn it on, removed to turn it off;
// the desktop starts whatever entry is there and not switched off.
namespace LoginItem {

QString entryPath();
// An entry exists and is not marked hidden or disabled.
bool isEnabled();
// Writes or removes the entry; logs "login item register failed: ..." or
// "login item unregister failed: ..." when it cannot. Returns the state read
// back afterwards, whatever was asked.
bool set(bool enabled);

} // namespace LoginItem
