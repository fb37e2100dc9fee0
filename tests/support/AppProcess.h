#pragma once

#include <QProcess>
#include <QProcessEnvironment>
#include <QString>

// The built application started for an end-to-end test, on the test display.
namespace AppProcess {

// This process's environment for an application with its own data folder,
// talking to geminiUrl, in English, on the real display, with no key of the
// user's own.
QProcessEnvironment environment(const QString& dataFolder, const QString& geminiUrl);

// Starts the program KESTO_APP names in app; false when it did not start.
bool start(QProcess& app, const QProcessEnvironment& environment);

// Asks a running app to quit, and kills it when it does not within 10 s.
void stop(QProcess& app);

} // namespace AppProcess
