#include "TempDataDir.h"

#include <QFile>
#include <QtTest>

TempDataDir::TempDataDir()
    : TempDataDir(QDir::tempPath())
{
}

TempDataDir::TempDataDir(const QString& base)
    : m_dir(base + QStringLiteral("/kesto-data-XXXXXX"))
    , m_previous(qgetenv("KESTO_DATA_DIR"))
    , m_hadPrevious(qEnvironmentVariableIsSet("KESTO_DATA_DIR"))
{
    QVERIFY2(m_dir.isValid(), "temporary data folder");
    qputenv("KESTO_DATA_DIR", m_dir.path().toUtf8());
}

TempDataDir::~TempDataDir()
{
    if (m_hadPrevious)
        qputenv("KESTO_DATA_DIR", m_previous);
    else
        qunsetenv("KESTO_DATA_DIR");
}

void TempDataDir::write(const QString& name, const QByteArray& bytes) const
{
    QFile file(m_dir.filePath(name));
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray TempDataDir::read(const QString& name) const
{
    QFile file(m_dir.filePath(name));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return file.readAll();
}
