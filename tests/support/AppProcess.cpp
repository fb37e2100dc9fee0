#include "AppProcess.h"

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

} // namespace AppProcess
