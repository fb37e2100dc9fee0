#pragma once

#include <QString>

#include <functional>

class QObject;

// Notifications of the desktop (org.freedesktop.Notifications on the session
// bus).
namespace DesktopNotifications {

// Whether a notification server is there to show one; fills error with a
// lower-case sentence when not.
bool isAvailable(QString* error);
// Shows title and body; returns at once, false when nothing could be sent.
bool show(const QString& title, const QString& body);
// The same with one action: a button labelled actionLabel, also taken by a
// click on the notification. onAction runs on context's thread when the
// user picks it, unless context is gone by then.
bool showWithAction(const QString& title, const QString& body, const QString& actionLabel, QObject* context,
                    std::function<void()> onAction);

} // namespace DesktopNotifications
