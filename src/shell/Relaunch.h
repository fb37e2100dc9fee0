#pragma once

#include <QString>
#include <QStringList>

#include <optional>

// Restarting the application in a new process (a new interface language).
// The new process is started first, so a failure leaves this one running; it
// then waits until this one has ended, and with it released the
// single-instance lock, the talk key and the phone port, before it starts.
namespace Relaunch {

// Starts program with "--after <this process's id>"; false when it could not start.
bool start(const QString& program);
// The process id a started process waits for, when it was given one.
std::optional<qint64> waitingFor(const QStringList& arguments);
// Returns once process pid has ended (a zombie counts as ended), or after a
// minute, when the usual single-instance rules take over.
void waitForExit(qint64 pid);

} // namespace Relaunch
