#include "PrivateBus.h"

PrivateBus::PrivateBus()
{
    m_daemon.start(QStringLiteral("dbus-daemon"), {QStringLiteral("--session"), QStringLiteral("--nofork"),
                                                   QStringLiteral("--nopidfile"), QStringLiteral("--print-address=1")});
    while (!m_daemon.canReadLine() && m_daemon.waitForReadyRead(10000)) {
    }
    const QByteArray address = m_daemon.readLine().trimmed();
    if (address.isEmpty())
        return;
    qputenv("DBUS_SESSION_BUS_ADDRESS", address);
    m_started = true;
}

PrivateBus::~PrivateBus()
{
    m_daemon.terminate();
    if (!m_daemon.waitForFinished(3000))
        m_daemon.kill();
    m_daemon.waitForFinished(1000);
}
