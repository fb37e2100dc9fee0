#pragma once

#include <QString>

// Desktop notifications for failed dictations. Main thread.
namespace Notifier {

// Shows a notification; without a server it is dropped, with a log line.
void post(const QString& title, const QString& body);

} // namespace Notifier
