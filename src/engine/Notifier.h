#pragma once

#include <QString>

// Desktop notifications for failed dictations. Main thread.
namespace Notifier {

// Whether notifications can be shown: a notification server is present.
bool isAllowed();
// Shows a notification; without a server it is dropped, with a log line.
void post(const QString& title, const QString& body);
// The notification of a transcription that failed.
void postTranscriptionFailed();

} // namespace Notifier
