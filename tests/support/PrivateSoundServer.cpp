#include "PrivateSoundServer.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QThread>

PrivateSoundServer::PrivateSoundServer()
{
    if (!m_dir.isValid())
        return;
    const QString runtime = m_dir.filePath(QStringLiteral("xdg"));
    if (!QDir().mkpath(runtime) || !QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner))
        return;

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("HOME"), m_dir.path());
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime);
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), m_dir.filePath(QStringLiteral("config")));
    environment.remove(QStringLiteral("PULSE_SERVER"));
    m_daemon.setProcessEnvironment(environment);
    m_daemon.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_daemon.start(QStringLiteral("pulseaudio"),
                   {QStringLiteral("-n"), QStringLiteral("--daemonize=no"), QStringLiteral("--exit-idle-time=-1"),
                    QStringLiteral("--disallow-exit"), QStringLiteral("--log-level=error"),
                    QStringLiteral("-L"), QStringLiteral("module-native-protocol-unix"),
                    QStringLiteral("-L"), QStringLiteral("module-null-sink sink_name=testspeaker")});
    if (!m_daemon.waitForStarted(5000))
        return;

    // The server is ready once its socket takes connections.
    const QString socket = runtime + QStringLiteral("/pulse/native");
    const QString server = QStringLiteral("unix:") + socket;
    QProcessEnvironment client = QProcessEnvironment::systemEnvironment();
    client.insert(QStringLiteral("PULSE_SERVER"), server);
    const QDeadlineTimer deadline(15000);
    while (!deadline.hasExpired() && m_daemon.state() == QProcess::Running) {
        if (QFile::exists(socket)) {
            QProcess info;
            info.setProcessEnvironment(client);
            info.start(QStringLiteral("pactl"), {QStringLiteral("info")});
            if (info.waitForFinished(5000) && info.exitStatus() == QProcess::NormalExit && info.exitCode() == 0) {
                qputenv("PULSE_SERVER", server.toUtf8());
                m_started = true;
                return;
            }
        }
        QThread::msleep(50);
    }
}

PrivateSoundServer::~PrivateSoundServer()
{
    m_daemon.terminate();
    if (!m_daemon.waitForFinished(3000))
        m_daemon.kill();
    m_daemon.waitForFinished(1000);
}
