#include "AppProcess.h"

#include "AppLog.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>
#include <QVariant>

namespace AppProcess {

QProcessEnvironment environment(const QString& dataFolder, const QString& geminiUrl)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("KESTO_DATA_DIR"), dataFolder);
    env.insert(QStringLiteral("KESTO_GEMINI_URL"), geminiUrl);
    env.insert(QStringLiteral("LC_ALL"), QStringLiteral("C.UTF-8"));
    env.insert(QStringLiteral("LANGUAGE"), QStringLiteral("en"));
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    env.remove(QStringLiteral("QT_SCALE_FACTOR"));
    env.remove(QStringLiteral("GEMINI_API_KEY"));
    return env;
}

bool start(QProcess& app, const QProcessEnvironment& environment)
{
    app.setProcessEnvironment(environment);
    app.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    app.start(qEnvironmentVariable("KESTO_APP"), {});
    return app.waitForStarted();
}

bool stop(QProcess& app)
{
    if (app.state() != QProcess::NotRunning)
        app.terminate();
    return ended(app);
}

bool ended(QProcess& app, int timeoutMs)
{
    if (app.state() != QProcess::NotRunning && !app.waitForFinished(timeoutMs)) {
        app.setProperty("kestoKilled", true);
        app.kill();
        app.waitForFinished(2000);
        return false;
    }
    return app.exitStatus() == QProcess::NormalExit && app.exitCode() == 0;
}

QString ending(const QProcess& app)
{
    if (app.state() != QProcess::NotRunning)
        return QStringLiteral("still running");
    if (app.property("kestoKilled").toBool())
        return QStringLiteral("did not end in time, killed");
    if (app.exitStatus() == QProcess::CrashExit)
        return QStringLiteral("crashed");
    return QStringLiteral("exit status %1").arg(app.exitCode());
}

std::optional<ScreenWindows::Window> bringMainWindowForward(const QProcess& app, const QProcessEnvironment& environment)
{
    QProcess second;
    second.setProcessEnvironment(environment);
    second.start(qEnvironmentVariable("KESTO_APP"), {});
    if (!second.waitForFinished(20000))
        return std::nullopt;
    const QDeadlineTimer deadline(10000);
    do {
        for (const ScreenWindows::Window& window : ScreenWindows::ofProcess(app.processId())) {
            // The pill is small; the main window is not.
            if (window.frame.width() >= 900)
                return window;
        }
        QTest::qWait(50);
    } while (!deadline.hasExpired());
    return std::nullopt;
}

std::optional<ScreenWindows::Window> startWithMainWindowAtTopLeft(QProcess& app, const QProcessEnvironment& environment)
{
    const QString data = environment.value(QStringLiteral("KESTO_DATA_DIR"));
    if (!start(app, environment)) {
        qWarning("the application did not start");
        return std::nullopt;
    }
    if (!AppLog::waitFor(data, QStringLiteral("ready"), 20000)) {
        qWarning("the application is not ready: %s", qPrintable(AppLog::read(data)));
        return std::nullopt;
    }
    std::optional<ScreenWindows::Window> window = bringMainWindowForward(app, environment);
    if (!window) {
        qWarning("the main window did not show");
        return std::nullopt;
    }
    if (QProcess::execute(QStringLiteral("xdotool"),
                          {QStringLiteral("windowmove"), QStringLiteral("--sync"), window->id, QStringLiteral("0"),
                           QStringLiteral("0")})
        != 0) {
        qWarning("the main window could not be moved");
        return std::nullopt;
    }
    window->frame.moveTopLeft(QPoint(0, 0));
    return window;
}

QStringList historyIds(const QString& dataFolder)
{
    QFile file(QDir(dataFolder).filePath(QStringLiteral("history.json")));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QStringList ids;
    const QJsonArray entries = QJsonDocument::fromJson(file.readAll()).object().value(QStringLiteral("entries")).toArray();
    for (const QJsonValue& entry : entries)
        ids << entry.toObject().value(QStringLiteral("id")).toString();
    return ids;
}

} // namespace AppProcess
