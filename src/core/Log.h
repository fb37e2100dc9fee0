#pragma once

#include <QString>

// The one diagnostic log: "kesto.log" in the data folder, one time-stamped
// line per event. Callable from any thread; never blocks on file work and
// never fails: the lines are written in order by a thread of the log's own.
namespace Log {

void write(const QString& message);
// Starts a new file; the current one, with the lines queued before the
// reset, becomes "kesto.previous.log", replacing the one before.
void reset();
// Deletes the current file and the previous run's, with every line queued
// before: what the user asked to forget.
void erase();
QString filePath();

// Text from outside (a client, the model, a server) made safe for one log
// line: control and other invisible characters become \u{XXXX} escapes.
QString loggable(const QString& text);

// Waits until every line queued so far is on disk (tests and shutdown).
void flush();

} // namespace Log
