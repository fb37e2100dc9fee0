#include "FakePortalProcess.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QtTest>

FakePortalProcess::FakePortalProcess(const QString& program, const QStringList& arguments)
{
    m_process.start(program, arguments);
    m_ready = m_process.waitForReadyRead(5000) && m_process.readLine().startsWith("ready");
}

FakePortalProcess::~FakePortalProcess()
{
    m_process.closeWriteChannel();
    if (!m_process.waitForFinished(3000))
        m_process.kill();
    m_process.waitForFinished(1000);
    // Let the bus forget the name before the next portal claims it.
    const QString service = QStringLiteral("org.freedesktop.portal.Desktop");
    QTRY_VERIFY(!QDBusConnection::sessionBus().interface()->isServiceRegistered(service));
}

void FakePortalProcess::change(const QString& group, const QString& key, const QString& value)
{
    m_process.write((group + u' ' + key + u' ' + value + u'\n').toUtf8());
    m_process.waitForBytesWritten(1000);
}
