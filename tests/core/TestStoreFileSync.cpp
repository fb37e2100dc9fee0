#include "TempDataDir.h"

#include "core/StoreFile.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>

// A disk that reports its failure only when the written bytes are flushed
// (a file system that reserves space late, a failing device): a store write
// and a move between file systems fail and say why, and the file that was
// there stays byte for byte. The fault comes from the preloaded sync shim
// while KESTO_SYNC_FAULT is set.
class TestStoreFileSync final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { qunsetenv("KESTO_SYNC_FAULT"); }
    void writeKeepsTheFileThatWasThere_data();
    void writeKeepsTheFileThatWasThere();
    void moveToAnotherDiskKeepsTheSource();
};

void TestStoreFileSync::writeKeepsTheFileThatWasThere_data()
{
    QTest::addColumn<QByteArray>("fault");
    QTest::addColumn<QString>("why");
    QTest::newRow("disk full") << QByteArray("ENOSPC") << QString::fromLocal8Bit(std::strerror(ENOSPC));
    QTest::newRow("device error") << QByteArray("EIO") << QString::fromLocal8Bit(std::strerror(EIO));
}

void TestStoreFileSync::writeKeepsTheFileThatWasThere()
{
    QFETCH(QByteArray, fault);
    QFETCH(QString, why);
    TempDataDir data;
    const QString path = data.filePath(QStringLiteral("history.json"));
    QVERIFY(StoreFile::write(path, "{\"entries\":[]}", StoreFile::Access::shared));

    QList<QString> heard;
    const StoreFile::FailureHandler previous
        = StoreFile::setFailureHandler([&heard](const QString&, const QString& error) { heard << error; });
    qputenv("KESTO_SYNC_FAULT", fault);
    QString error;
    QVERIFY2(!StoreFile::write(path, "{\"entries\":[{\"text\":\"new\"}]}", StoreFile::Access::shared, &error),
             "a failed flush counted as saved");
    QCOMPARE(error, why);
    QCOMPARE(heard, QList<QString>{why});
    QCOMPARE(data.read(QStringLiteral("history.json")), QByteArray("{\"entries\":[]}"));
    QCOMPARE(QDir(data.path()).entryList({QStringLiteral("history.json*")}, QDir::Files | QDir::Hidden),
             QStringList{QStringLiteral("history.json")});

    // Once the disk answers again, the same write lands.
    qunsetenv("KESTO_SYNC_FAULT");
    QVERIFY(StoreFile::write(path, "{\"entries\":[{\"text\":\"new\"}]}", StoreFile::Access::shared));
    QCOMPARE(data.read(QStringLiteral("history.json")), QByteArray("{\"entries\":[{\"text\":\"new\"}]}"));
    StoreFile::setFailureHandler(previous);
}

void TestStoreFileSync::moveToAnotherDiskKeepsTheSource()
{
    TempDataDir data;
    QTemporaryDir other(QStringLiteral("/dev/shm/kesto-XXXXXX"));
    QVERIFY(other.isValid());
    struct stat here {};
    struct stat there {};
    QVERIFY(::stat(QFile::encodeName(data.path()).constData(), &here) == 0);
    QVERIFY(::stat(QFile::encodeName(other.path()).constData(), &there) == 0);
    QVERIFY2(here.st_dev != there.st_dev, "the temporary folder and /dev/shm are one file system");
    const QString from = other.filePath(QStringLiteral("recording.m4a"));
    const QString to = data.filePath(QStringLiteral("recording.m4a"));
    QFile source(from);
    QVERIFY(source.open(QIODevice::WriteOnly));
    source.write(QByteArray(100000, 'a'));
    source.close();

    qputenv("KESTO_SYNC_FAULT", "ENOSPC");
    QString error;
    QVERIFY2(!StoreFile::move(from, to, &error), "a copy that was never flushed counted as moved");
    QCOMPARE(error, QString::fromLocal8Bit(std::strerror(ENOSPC)));
    QCOMPARE(QFileInfo(from).size(), 100000);
    QCOMPARE(QDir(data.path()).entryList({QStringLiteral("recording.m4a*")}, QDir::Files | QDir::Hidden), QStringList());

    qunsetenv("KESTO_SYNC_FAULT");
    QVERIFY(StoreFile::move(from, to));
    QCOMPARE(QFileInfo(to).size(), 100000);
    QVERIFY(!QFile::exists(from));
}

QTEST_GUILESS_MAIN(TestStoreFileSync)
#include "TestStoreFileSync.moc"
