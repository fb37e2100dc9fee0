#include "FakePortalProcess.h"

#include <QDBusConnection>
#include <QtTest>

FakePortalProcess::FakePortalProcess(const QString& program, const QStringList& arguments)
    : m_watcher(QStringLiteral("org.freedesktop.portal.Desktop"), QDBusConnection::sessionBus(),
                QDBusServiceWatcher::WatchForOwnerChange)
{
    QObject::connect(&m_watcher, &QDBusServiceWatcher::serviceOwnerChanged, &m_watcher,
                     [this](const QString&, const QString&, const QString& owner) { m_owner = owner; });
    m_process.start(program, arguments);
    if (!m_process.waitForReadyRead(5000) || !m_process.readLine().startsWith("ready"))
        return;
    QDeadlineTimer deadline(5000);
    while (m_owner.isEmpty() && !deadline.hasExpired())
        QTest::qWait(10);
    m_ready = !m_owner.isEmpty();
}

FakePortalProcess::~FakePortalProcess()
{
    m_process.closeWriteChannel();
    if (!m_process.waitForFinished(3000))
        m_process.kill();
    m_process.waitForFinished(1000);
    QTRY_VERIFY(m_owner.isEmpty());
}

void FakePortalProcess::change(const QString& group, const QString& key, const QString& value)
{
    m_process.write((group + u' ' + key + u' ' + value + u'\n').toUtf8());
    m_process.waitForBytesWritten(1000);
    while (!m_process.canReadLine() && m_process.waitForReadyRead(5000)) {
    }
    m_process.readLine();
}
