#pragma once

class QCoreApplication;

// SIGTERM, SIGINT and SIGHUP quit the event loop like the Quit item does, so
// a terminated application still runs its shutdown (the settings are saved,
// paused media plays again).
namespace TerminationSignals {

void install(QCoreApplication& app);

} // namespace TerminationSignals
