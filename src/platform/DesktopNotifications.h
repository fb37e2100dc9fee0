#pragma once

#include <QString>

// Notifications of the desktop (org.freedesktop.Notifications on the session
// bus).
namespace DesktopNotifications {

// Whether a notification server is there to show one; fills error with a
// lower-case sentence when not.
bool isAvailable(QString* error);
// Shows title and body; returns at once, false when nothing could be sent.
bool show(const QString& title, const QString& body);

} // namespace DesktopNotifications
