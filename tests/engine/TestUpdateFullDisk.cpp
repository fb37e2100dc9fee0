#include "engine/UpdateInstaller.h"

#include "FakeGemini.h"
#include "FeedDocument.h"
#include "ReleaseArchive.h"
#include "ReleaseKey.h"
#include "SmallDisk.h"
#include "TreeSnapshot.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

Q_DECLARE_METATYPE(UpdateInstaller::Outcome)

// An update on a full disk says so, in words the user can act on, and
// leaves neither the install nor the temporary folder changed.
class TestUpdateFullDisk final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void fullDiskIsSaid_data();
    void fullDiskIsSaid();

private:
    std::unique_ptr<SmallDisk> m_disk;
};

void TestUpdateFullDisk::init()
{
    m_disk = std::make_unique<SmallDisk>();
    QVERIFY2(!m_disk->path().isEmpty(), qPrintable(m_disk->why()));
}

void TestUpdateFullDisk::cleanup()
{
    m_disk->release();
    m_disk.reset();
}

void TestUpdateFullDisk::fullDiskIsSaid_data()
{
    QTest::addColumn<bool>("installFolderFull");
    QTest::newRow("the temporary folder is full") << false;
    QTest::newRow("the install folder is full") << true;
}

void TestUpdateFullDisk::fullDiskIsSaid()
{
    QFETCH(bool, installFolderFull);
    QTemporaryDir elsewhere;
    QTemporaryDir onDisk(m_disk->path() + QStringLiteral("/update-XXXXXX"));
    QVERIFY(onDisk.isValid());
    const QString root = (installFolderFull ? onDisk.path() : elsewhere.path()) + QStringLiteral("/install");
    const QString temp = (installFolderFull ? elsewhere.path() : onDisk.path()) + QStringLiteral("/tmp");
    QVERIFY(QDir().mkpath(temp));
    // The key and the archive are made in the real temporary folder.
    ReleaseKey key;
    const QByteArray bytes = ReleaseArchive::bytes(ReleaseArchive::entries(QStringLiteral("120")));
    const QByteArray realTemp = qgetenv("TMPDIR");
    qputenv("TMPDIR", QFile::encodeName(temp));
    auto restore = qScopeGuard([&realTemp] {
        if (realTemp.isEmpty())
            qunsetenv("TMPDIR");
        else
            qputenv("TMPDIR", realTemp);
    });
    QDir().mkpath(root + QStringLiteral("/bin"));
    QDir().mkpath(root + QStringLiteral("/share/kesto-viruz"));
    QFile program(root + QStringLiteral("/bin/kesto-viruz"));
    QVERIFY(program.open(QIODevice::WriteOnly));
    program.write(ReleaseArchive::program(QStringLiteral("100")));
    program.close();
    program.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    FakeGemini server;
    QVERIFY(server.listen());
    server.setFallback(FakeGemini::Reply::raw(200, bytes, "application/zip"));
    UpdateItem item = FeedDocument::item(QStringLiteral("120"), server.url() + QStringLiteral("/kesto-viruz-1.2.zip"));
    item.length = bytes.size();
    item.signature = key.sign(bytes);

    UpdateInstaller::Target target;
    target.publicKey = key.publicKey();
    target.installRoot = root;
    target.program = QStringLiteral("bin/kesto-viruz");
    target.runningVersion = QStringLiteral("100");
    target.downloads = elsewhere.filePath(QStringLiteral("Downloads"));
    target.relaunch = [](const UpdateTrial::Plan&) { return true; };
    UpdateInstaller installer(target);

    const QMap<QString, QByteArray> before = TreeSnapshot::of(root);
    QVERIFY(m_disk->fill());
    QSignalSpy finished(&installer, &UpdateInstaller::finished);
    installer.install(item);
    if (finished.isEmpty())
        QVERIFY(finished.wait(20000));
    const auto outcome = finished.first().first().value<UpdateInstaller::Outcome>();
    QCOMPARE(outcome.kind, UpdateInstaller::Outcome::Kind::failed);
    QVERIFY2(outcome.error.contains(QStringLiteral("not enough free space")), qPrintable(outcome.error));
    QCOMPARE(TreeSnapshot::of(root), before);
    QCOMPARE(QDir(temp).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot), QStringList());
    QCOMPARE(QDir(root).entryList(QDir::Hidden | QDir::AllEntries | QDir::NoDotAndDotDot),
             (QStringList{QStringLiteral("bin"), QStringLiteral("share")}));
}

QTEST_GUILESS_MAIN(TestUpdateFullDisk)
#include "TestUpdateFullDisk.moc"
