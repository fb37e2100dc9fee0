#pragma once

#include "ScreenWindows.h"

#include <QProcess>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

#include <optional>

// The built application started for an end-to-end test, on the test display.
namespace AppProcess {

// This process's environment for an application with its own data folder,
// talking to geminiUrl, in English, on the real display, with no key of the
// user's own.
QProcessEnvironment environment(const QString& dataFolder, const QString& geminiUrl);

// Starts the program KESTO_APP names in app; false when it did not start.
bool start(QProcess& app, const QProcessEnvironment& environment);

// Asks a running app to quit (SIGTERM), and kills it when it does not
// within 10 s. True only when the app ended by itself with status 0: a crash
// at quit, or a quit that hangs, is false.
[[nodiscard]] bool stop(QProcess& app);

// Waits up to timeoutMs for an app asked to quit in another way (a key, a
// signal sent by the test); true when it ended by itself with status 0.
// An app still running afterwards is killed.
[[nodiscard]] bool ended(QProcess& app, int timeoutMs = 10000);

// Starts the program a second time, which brings the running app's main
// window forward, and waits up to 10 s for that window; nothing when it did
// not show.
std::optional<ScreenWindows::Window> bringMainWindowForward(const QProcess& app, const QProcessEnvironment& environment);

// Starts the app, waits until its log says it is ready, brings its main
// window forward and moves it to the screen's top left corner. Nothing when
// a step failed; why is in the test's output.
std::optional<ScreenWindows::Window> startWithMainWindowAtTopLeft(QProcess& app, const QProcessEnvironment& environment);

// The ids of the History entries stored in dataFolder, in the file's order.
QStringList historyIds(const QString& dataFolder);

// How the app ended ("exit status 0", "crashed", "did not end in time,
// killed", "still running"), for a failure message.
QString ending(const QProcess& app);

} // namespace AppProcess
