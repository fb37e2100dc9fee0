#pragma once

#include <QString>

// The log a running application writes into its data folder, read from the
// outside by the end-to-end tests.
namespace AppLog {

// The whole log; empty while there is none.
QString read(const QString& dataFolder);

// Waits, processing events, until the log holds line; false after timeoutMs.
bool waitFor(const QString& dataFolder, const QString& line, int timeoutMs);

} // namespace AppLog
