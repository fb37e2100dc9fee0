#include "engine/UpdateInstaller.h"
#include "platform/ZipArchive.h"

#include "FakeGemini.h"
#include "FeedDocument.h"
#include "ReleaseKey.h"
#include "TempDataDir.h"

#include <QDirIterator>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

Q_DECLARE_METATYPE(UpdateInstaller::Outcome)

// Downloads served on loopback, signed by a key made here: only a whole,
// correctly signed archive reaches the install folder, and nothing else is
// ever left behind.
class TestUpdateInstaller final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void rejectsWhatWasNotSigned_data();
    void rejectsWhatWasNotSigned();
    void replacesASelfContainedInstall();
    void archiveWithoutTheProgramChangesNothing();
    void handsAPackageToTheSoftwareInstaller();
    void interruptedDownloadsLeaveNothing();

private:
    UpdateInstaller::Outcome run(UpdateInstaller& installer, const UpdateItem& item);
    std::unique_ptr<UpdateInstaller> make(const QString& root);
    UpdateItem release(const QByteArray& bytes);
    QMap<QString, QByteArray> snapshot(const QString& root) const;
    QStringList leftInTemp() const;
    void writeInstall();

    QTemporaryDir m_temp; // the process's temporary folder
    std::unique_ptr<QTemporaryDir> m_root;
    std::unique_ptr<TempDataDir> m_data;
    std::unique_ptr<FakeGemini> m_server;
    std::unique_ptr<ReleaseKey> m_key;
    int m_relaunches = 0;
    QStringList m_opened;
};

namespace {

QByteArray archiveOf(const QList<ZipArchive::Entry>& entries)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("release.zip"));
    QString error;
    if (!ZipArchive::write(path, entries, &error))
        qFatal("cannot write the archive: %s", qPrintable(error));
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

const QByteArray newProgram = QByteArray("#!/bin/sh\necho new\n").repeated(200);

QByteArray newRelease()
{
    return archiveOf({{QStringLiteral("bin/kesto-viruz"), newProgram, 0755},
                      {QStringLiteral("share/applications/"), {}, 0},
                      {QStringLiteral("share/applications/kesto-viruz.desktop"), "[Desktop Entry]\nName=Kesto Viruz\n", 0644}});
}

} // namespace

void TestUpdateInstaller::initTestCase()
{
    // Downloads go to the temporary folder: one of this test's own.
    qputenv("TMPDIR", QFile::encodeName(m_temp.path()));
    QCOMPARE(QDir::tempPath(), QDir(m_temp.path()).canonicalPath());
}

void TestUpdateInstaller::init()
{
    m_data = std::make_unique<TempDataDir>();
    m_root = std::make_unique<QTemporaryDir>(m_temp.filePath(QStringLiteral("install-XXXXXX")));
    m_server = std::make_unique<FakeGemini>();
    QVERIFY(m_server->listen());
    m_key = std::make_unique<ReleaseKey>();
    QVERIFY(m_key->isValid());
    m_relaunches = 0;
    m_opened.clear();
    writeInstall();
}

void TestUpdateInstaller::cleanup()
{
    m_server.reset();
    m_root.reset();
    m_data.reset();
    for (const QString& path : m_opened)
        QFile::remove(path);
}

void TestUpdateInstaller::writeInstall()
{
    QDir root(m_root->path());
    root.mkpath(QStringLiteral("bin"));
    QFile program(root.filePath(QStringLiteral("bin/kesto-viruz")));
    QVERIFY(program.open(QIODevice::WriteOnly));
    program.write("#!/bin/sh\necho old\n");
    program.close();
    program.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    root.mkpath(QStringLiteral("share/kesto"));
    QFile kept(root.filePath(QStringLiteral("share/kesto/notes.txt")));
    QVERIFY(kept.open(QIODevice::WriteOnly));
    kept.write("kept");
}

std::unique_ptr<UpdateInstaller> TestUpdateInstaller::make(const QString& root)
{
    UpdateInstaller::Target target;
    target.publicKey = m_key->publicKey();
    target.installRoot = root;
    target.program = QStringLiteral("bin/kesto-viruz");
    target.relaunch = [this] {
        ++m_relaunches;
        return true;
    };
    target.openPackage = [this](const QString& path) {
        m_opened.append(path);
        return true;
    };
    return std::make_unique<UpdateInstaller>(target);
}

UpdateItem TestUpdateInstaller::release(const QByteArray& bytes)
{
    m_server->setFallback(FakeGemini::Reply::raw(200, bytes, "application/zip"));
    UpdateItem item = FeedDocument::item(QStringLiteral("120"), m_server->url() + QStringLiteral("/kesto-viruz-1.2.zip"));
    item.length = bytes.size();
    item.signature = m_key->sign(bytes);
    return item;
}

UpdateInstaller::Outcome TestUpdateInstaller::run(UpdateInstaller& installer, const UpdateItem& item)
{
    QSignalSpy finished(&installer, &UpdateInstaller::finished);
    installer.install(item);
    if (finished.isEmpty() && !finished.wait(20000))
        return {UpdateInstaller::Outcome::Kind::failed, QStringLiteral("no outcome")};
    return finished.first().first().value<UpdateInstaller::Outcome>();
}

QMap<QString, QByteArray> TestUpdateInstaller::snapshot(const QString& root) const
{
    QMap<QString, QByteArray> files;
    QDirIterator it(root, QDir::Files | QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile file(path);
        const bool isFile = file.open(QIODevice::ReadOnly);
        files.insert(QDir(root).relativeFilePath(path), isFile ? file.readAll() : QByteArray("<dir>"));
    }
    return files;
}

QStringList TestUpdateInstaller::leftInTemp() const
{
    return QDir(m_temp.path()).entryList({QStringLiteral("kesto-update-*")}, QDir::Files | QDir::Hidden);
}

void TestUpdateInstaller::rejectsWhatWasNotSigned_data()
{
    QTest::addColumn<QString>("fault");
    QTest::newRow("signature of other bytes") << "signature";
    QTest::newRow("signed by another key") << "key";
    QTest::newRow("longer than announced") << "longer";
    QTest::newRow("shorter than announced") << "shorter";
}

void TestUpdateInstaller::rejectsWhatWasNotSigned()
{
    QFETCH(QString, fault);
    const QByteArray bytes = newRelease();
    UpdateItem item = release(bytes);
    if (fault == QStringLiteral("signature"))
        item.signature = m_key->sign(bytes + "x");
    else if (fault == QStringLiteral("key"))
        item.signature = ReleaseKey().sign(bytes);
    else if (fault == QStringLiteral("longer"))
        item.length = bytes.size() - 10;
    else
        item.length = bytes.size() + 10;
    const QMap<QString, QByteArray> before = snapshot(m_root->path());
    auto installer = make(m_root->path());
    const UpdateInstaller::Outcome outcome = run(*installer, item);
    QCOMPARE(outcome.kind, UpdateInstaller::Outcome::Kind::failed);
    QVERIFY2(outcome.error.contains(QStringLiteral("deleted")), qPrintable(outcome.error));
    QCOMPARE(leftInTemp(), QStringList());
    QCOMPARE(snapshot(m_root->path()), before);
    QCOMPARE(m_relaunches, 0);
}

void TestUpdateInstaller::replacesASelfContainedInstall()
{
    auto installer = make(m_root->path());
    QSignalSpy progress(installer.get(), &UpdateInstaller::progress);
    const UpdateInstaller::Outcome outcome = run(*installer, release(newRelease()));
    QCOMPARE(outcome.kind, UpdateInstaller::Outcome::Kind::relaunching);
    QCOMPARE(m_relaunches, 1);
    QCOMPARE(progress.last().at(0).toLongLong(), progress.last().at(1).toLongLong());

    const QMap<QString, QByteArray> after = snapshot(m_root->path());
    QCOMPARE(after.value(QStringLiteral("bin/kesto-viruz")), newProgram);
    QVERIFY(QFileInfo(m_root->filePath(QStringLiteral("bin/kesto-viruz"))).isExecutable());
    QVERIFY(after.contains(QStringLiteral("share/applications/kesto-viruz.desktop")));
    QCOMPARE(after.value(QStringLiteral("share/kesto/notes.txt")), QByteArray("kept"));
    // No staging folder and no download remain.
    for (const QString& name : after.keys())
        QVERIFY2(!name.startsWith(QLatin1Char('.')), qPrintable(name));
    QCOMPARE(leftInTemp(), QStringList());
}

void TestUpdateInstaller::archiveWithoutTheProgramChangesNothing()
{
    const QMap<QString, QByteArray> before = snapshot(m_root->path());
    auto installer = make(m_root->path());
    const QList<QList<ZipArchive::Entry>> archives{
        {{QStringLiteral("share/readme.txt"), "no program", 0644}},
        {{QStringLiteral("bin/kesto-viruz"), newProgram, 0755}, {QStringLiteral("../escape.txt"), "out", 0644}},
    };
    for (const QList<ZipArchive::Entry>& entries : archives) {
        const UpdateInstaller::Outcome outcome = run(*installer, release(archiveOf(entries)));
        QCOMPARE(outcome.kind, UpdateInstaller::Outcome::Kind::failed);
        QCOMPARE(snapshot(m_root->path()), before);
    }
    QVERIFY(!QFile::exists(m_temp.filePath(QStringLiteral("escape.txt"))));
    QCOMPARE(m_relaunches, 0);
    QCOMPARE(leftInTemp(), QStringList());
}

void TestUpdateInstaller::handsAPackageToTheSoftwareInstaller()
{
    const QByteArray package = QByteArray("!<arch>\ndebian-binary   ").repeated(50);
    auto installer = make(m_root->filePath(QStringLiteral("not-there")));
    const UpdateInstaller::Outcome outcome = run(*installer, release(package));
    QCOMPARE(outcome.kind, UpdateInstaller::Outcome::Kind::handedToInstaller);
    QCOMPARE(m_opened.size(), 1);
    QFile opened(m_opened.first());
    QVERIFY(opened.open(QIODevice::ReadOnly));
    QCOMPARE(opened.readAll(), package);
    QCOMPARE(m_relaunches, 0);
}

void TestUpdateInstaller::interruptedDownloadsLeaveNothing()
{
    const QMap<QString, QByteArray> before = snapshot(m_root->path());
    auto installer = make(m_root->path());
    const QByteArray bytes = newRelease();

    // The connection breaks off halfway.
    UpdateItem item = release(bytes);
    m_server->setFallback(FakeGemini::Reply::raw(200, bytes, "application/zip").cutOff(int(bytes.size() / 2)));
    QCOMPARE(run(*installer, item).kind, UpdateInstaller::Outcome::Kind::failed);
    QCOMPARE(leftInTemp(), QStringList());

    // The user cancels while the server is slow to answer.
    m_server->setFallback(FakeGemini::Reply::raw(200, bytes, "application/zip").delayed(3000));
    QSignalSpy finished(installer.get(), &UpdateInstaller::finished);
    installer->install(item);
    QTRY_COMPARE(m_server->requests().size(), 2);
    QCOMPARE(leftInTemp().size(), 1);
    installer->cancel();
    QCOMPARE(finished.size(), 1);
    QCOMPARE(finished.first().first().value<UpdateInstaller::Outcome>().kind,
             UpdateInstaller::Outcome::Kind::cancelled);
    QCOMPARE(leftInTemp(), QStringList());
    QVERIFY(!installer->isBusy());

    QCOMPARE(snapshot(m_root->path()), before);
    QCOMPARE(m_relaunches, 0);
}

QTEST_GUILESS_MAIN(TestUpdateInstaller)
#include "TestUpdateInstaller.moc"
