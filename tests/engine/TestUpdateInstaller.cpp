#include "engine/UpdateInstaller.h"
#include "engine/UpdateTree.h"
#include "platform/ZipArchive.h"

#include "EndlessServer.h"
#include "FakeGemini.h"
#include "FeedDocument.h"
#include "ReadOnlyFolder.h"
#include "ReleaseArchive.h"
#include "ReleaseKey.h"
#include "TempDataDir.h"

#include <QDirIterator>
#include <QLockFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <filesystem>
#include <memory>

Q_DECLARE_METATYPE(UpdateInstaller::Outcome)
Q_DECLARE_METATYPE(QList<ZipArchive::Entry>)
Q_DECLARE_METATYPE(EndlessServer::Pace)

// Downloads served on loopback, signed by a key made here: only a whole,
// correctly signed archive of a newer release reaches the install folder,
// all of it or none of it, and nothing else is ever left behind.
class TestUpdateInstaller final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void rejectsWhatWasNotSigned_data();
    void rejectsWhatWasNotSigned();
    void installsWithItsOwnModes_data();
    void installsWithItsOwnModes();
    void refusesArchivesItCannotTrust_data();
    void refusesArchivesItCannotTrust();
    void failureHalfwayLeavesTheOldTree_data();
    void failureHalfwayLeavesTheOldTree();
    void keepsWhatItCannotInstallInDownloads();
    void refusesWhatIsTooLarge_data();
    void refusesWhatIsTooLarge();
    void endlessDownloadsEnd_data();
    void endlessDownloadsEnd();
    void aReleaseThatCannotStartIsUndone();
    void anotherInstallOfTheFolderIsRefused();
    void packageManagerFoldersAreNotSelfContained_data();
    void packageManagerFoldersAreNotSelfContained();
    void interruptedDownloadsLeaveNothing();

private:
    UpdateInstaller::Outcome run(UpdateInstaller& installer, const UpdateItem& item);
    std::unique_ptr<UpdateInstaller> make(const QString& root);
    UpdateItem release(const QByteArray& bytes, const QString& version = QStringLiteral("120"));
    QMap<QString, QByteArray> snapshot(const QString& root) const;
    QStringList leftInTemp() const;
    void writeInstall();
    void writeFile(const QString& name, const QByteArray& bytes);

    QTemporaryDir m_temp; // the process's temporary folder
    std::unique_ptr<QTemporaryDir> m_root;
    std::unique_ptr<QTemporaryDir> m_downloads;
    std::unique_ptr<TempDataDir> m_data;
    std::unique_ptr<FakeGemini> m_server;
    std::unique_ptr<ReleaseKey> m_key;
    int m_relaunches = 0;
    UpdateTrial::Plan m_plan;
    bool m_playTrial = false;
};

namespace {

QString modeOf(const QString& path)
{
    const auto status = std::filesystem::symlink_status(QFile::encodeName(path).toStdString());
    return QString::number(int(status.permissions() & std::filesystem::perms::mask), 8);
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
    m_downloads = std::make_unique<QTemporaryDir>(m_temp.filePath(QStringLiteral("downloads-XXXXXX")));
    m_server = std::make_unique<FakeGemini>();
    QVERIFY(m_server->listen());
    m_key = std::make_unique<ReleaseKey>();
    QVERIFY(m_key->isValid());
    m_relaunches = 0;
    m_plan = {};
    m_playTrial = false;
    writeInstall();
}

void TestUpdateInstaller::cleanup()
{
    m_server.reset();
    m_root.reset();
    m_downloads.reset();
    m_data.reset();
}

void TestUpdateInstaller::writeFile(const QString& name, const QByteArray& bytes)
{
    QDir root(m_root->path());
    root.mkpath(QFileInfo(name).path());
    QFile file(root.filePath(name));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// The running build, 100, as it was installed.
void TestUpdateInstaller::writeInstall()
{
    writeFile(QStringLiteral("bin/kesto-viruz"), ReleaseArchive::program(QStringLiteral("100")));
    QFile::setPermissions(m_root->filePath(QStringLiteral("bin/kesto-viruz")),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    writeFile(QStringLiteral("share/kesto-viruz/version"), "100\n");
    writeFile(QStringLiteral("share/kesto/notes.txt"), "kept");
}

std::unique_ptr<UpdateInstaller> TestUpdateInstaller::make(const QString& root)
{
    UpdateInstaller::Target target;
    target.publicKey = m_key->publicKey();
    target.installRoot = root;
    target.program = QStringLiteral("bin/kesto-viruz");
    target.runningVersion = QStringLiteral("100");
    target.downloads = m_downloads->path();
    target.relaunch = [this](const UpdateTrial::Plan& plan) {
        ++m_relaunches;
        if (m_playTrial) {
            m_plan = plan;
            return true;
        }
        // As the new version does once it runs.
        return UpdateTree::commit(plan.root);
    };
    return std::make_unique<UpdateInstaller>(target);
}

UpdateItem TestUpdateInstaller::release(const QByteArray& bytes, const QString& version)
{
    m_server->setFallback(FakeGemini::Reply::raw(200, bytes, "application/zip"));
    UpdateItem item = FeedDocument::item(version, m_server->url() + QStringLiteral("/kesto-viruz-1.2.zip"));
    item.length = bytes.size();
    item.signature = m_key->sign(bytes);
    return item;
}

UpdateInstaller::Outcome TestUpdateInstaller::run(UpdateInstaller& installer, const UpdateItem& item)
{
    QSignalSpy finished(&installer, &UpdateInstaller::finished);
    installer.install(item);
    if (finished.isEmpty() && !finished.wait(20000))
        return {UpdateInstaller::Outcome::Kind::failed, QStringLiteral("no outcome"), {}, false};
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
        files.insert(QDir(root).relativeFilePath(path),
                     modeOf(path).toLatin1() + ' ' + (isFile ? file.readAll() : QByteArray("<dir>")));
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
    const QByteArray bytes = ReleaseArchive::bytes(ReleaseArchive::entries(QStringLiteral("120")));
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

void TestUpdateInstaller::installsWithItsOwnModes_data()
{
    QTest::addColumn<quint32>("programMode");
    QTest::addColumn<quint32>("fileMode");
    QTest::addColumn<quint32>("folderMode");
    QTest::newRow("modes as a release writes them") << 0755u << 0644u << 0755u;
    // Windows tools and Python's zipfile write no Unix modes at all.
    QTest::newRow("no modes") << 0u << 0u << 0u;
    QTest::newRow("careless modes") << 04777u << 0666u << 0777u;
    QTest::newRow("program not executable") << 0644u << 0600u << 0700u;
}

void TestUpdateInstaller::installsWithItsOwnModes()
{
    QFETCH(quint32, programMode);
    QFETCH(quint32, fileMode);
    QFETCH(quint32, folderMode);
    QList<ZipArchive::Entry> entries = ReleaseArchive::entries(QStringLiteral("120"));
    for (ZipArchive::Entry& entry : entries)
        entry.mode = entry.name == QStringLiteral("bin/kesto-viruz") ? programMode
                     : entry.name.endsWith(QLatin1Char('/'))        ? folderMode
                                                                    : fileMode;
    auto installer = make(m_root->path());
    QSignalSpy progress(installer.get(), &UpdateInstaller::progress);
    const UpdateInstaller::Outcome outcome = run(*installer, release(ReleaseArchive::bytes(entries)));
    QVERIFY2(outcome.kind == UpdateInstaller::Outcome::Kind::relaunching, qPrintable(outcome.error));
    QCOMPARE(m_relaunches, 1);
    QCOMPARE(progress.last().at(0).toLongLong(), progress.last().at(1).toLongLong());

    // The new program starts: the install ran it before relaunching.
    const QMap<QString, QByteArray> after = snapshot(m_root->path());
    QCOMPARE(after.value(QStringLiteral("bin/kesto-viruz")), "755 " + ReleaseArchive::program(QStringLiteral("120")));
    QCOMPARE(modeOf(m_root->filePath(QStringLiteral("share/applications"))), QStringLiteral("755"));
    QCOMPARE(modeOf(m_root->filePath(QStringLiteral("share/applications/kesto-viruz.desktop"))), QStringLiteral("644"));
    QCOMPARE(after.value(QStringLiteral("share/kesto-viruz/version")).mid(4), QByteArray("120\n"));
    QCOMPARE(after.value(QStringLiteral("share/kesto/notes.txt")).mid(4), QByteArray("kept"));
    // No staging folder and no download remain.
    for (const QString& name : after.keys())
        QVERIFY2(!name.startsWith(QLatin1Char('.')), qPrintable(name));
    QCOMPARE(leftInTemp(), QStringList());
}

void TestUpdateInstaller::refusesArchivesItCannotTrust_data()
{
    QTest::addColumn<QList<ZipArchive::Entry>>("entries");
    QTest::addColumn<QString>("offered");
    QTest::addColumn<QString>("words");
    using ReleaseArchive::entries;
    const QString notInstalled = QStringLiteral("left as it was");
    const QString notOffered = QStringLiteral("not the version that was offered");
    QTest::newRow("no program") << QList<ZipArchive::Entry>{{QStringLiteral("share/kesto-viruz/version"), "120", 0644}}
                                << "120" << notInstalled;
    QTest::newRow("name leaving the folder")
        << entries(QStringLiteral("120")) + QList<ZipArchive::Entry>{{QStringLiteral("../escape.txt"), "out", 0644}}
        << "120" << notInstalled;
    ZipArchive::Entry link{QStringLiteral("share/kesto-viruz/passwd"), "/etc/passwd", 0777};
    link.symlink = true;
    QTest::newRow("symbolic link") << entries(QStringLiteral("120")) + QList<ZipArchive::Entry>{link} << "120"
                                   << notInstalled;
    QTest::newRow("older release offered as newer") << entries(QStringLiteral("90")) << "999" << notOffered;
    QTest::newRow("older release offered as itself") << entries(QStringLiteral("90")) << "90" << notOffered;
    QTest::newRow("the running build again") << entries(QStringLiteral("100")) << "100" << notOffered;
    QTest::newRow("another version than offered") << entries(QStringLiteral("130")) << "120" << notOffered;
    QList<ZipArchive::Entry> unnamed = entries(QStringLiteral("120"));
    unnamed.removeLast();
    QTest::newRow("no version file") << unnamed << "120" << notOffered;
}

void TestUpdateInstaller::refusesArchivesItCannotTrust()
{
    QFETCH(QList<ZipArchive::Entry>, entries);
    QFETCH(QString, offered);
    QFETCH(QString, words);
    const QMap<QString, QByteArray> before = snapshot(m_root->path());
    auto installer = make(m_root->path());
    const UpdateInstaller::Outcome outcome = run(*installer, release(ReleaseArchive::bytes(entries), offered));
    QCOMPARE(outcome.kind, UpdateInstaller::Outcome::Kind::failed);
    QVERIFY2(outcome.error.contains(words), qPrintable(outcome.error));
    QCOMPARE(snapshot(m_root->path()), before);
    QVERIFY(!QFile::exists(m_temp.filePath(QStringLiteral("escape.txt"))));
    QCOMPARE(m_relaunches, 0);
    QCOMPARE(leftInTemp(), QStringList());
}

void TestUpdateInstaller::failureHalfwayLeavesTheOldTree_data()
{
    QTest::addColumn<QString>("fault");
    QTest::addColumn<QString>("words");
    QTest::addColumn<bool>("kept");
    // The checked download is the user's to install by hand: it is kept.
    QTest::newRow("a folder where the archive has a file") << "folder" << "could not replace share/applications/kesto-viruz.desktop" << true;
    QTest::newRow("a file where the archive has a folder") << "file" << "could not replace share/applications/" << true;
    QTest::newRow("a read-only sub-folder") << "read-only" << "could not replace share/applications/kesto-viruz.desktop" << true;
    QTest::newRow("the new program does not start") << "no start" << "did not start" << false;
    QTest::newRow("the new program is another build") << "other build" << "did not start" << false;
}

void TestUpdateInstaller::failureHalfwayLeavesTheOldTree()
{
    QFETCH(QString, fault);
    QFETCH(QString, words);
    QFETCH(bool, kept);
    // The program comes first in the archive, so it is already replaced
    // when the fault is met.
    QList<ZipArchive::Entry> entries = ReleaseArchive::entries(QStringLiteral("120"));
    std::unique_ptr<ReadOnlyFolder> readOnly;
    if (fault == QStringLiteral("folder")) {
        writeFile(QStringLiteral("share/applications/kesto-viruz.desktop/mine.txt"), "the user's");
    } else if (fault == QStringLiteral("file")) {
        writeFile(QStringLiteral("share/applications"), "a file");
    } else if (fault == QStringLiteral("read-only")) {
        writeFile(QStringLiteral("share/applications/kesto-viruz.desktop"), "old entry");
        readOnly = std::make_unique<ReadOnlyFolder>(m_root->filePath(QStringLiteral("share/applications")));
        QVERIFY(readOnly->isReadOnly());
    } else if (fault == QStringLiteral("no start")) {
        entries.first().bytes = "#!/bin/sh\nexit 3\n";
    } else {
        entries = ReleaseArchive::entries(QStringLiteral("120"), QStringLiteral("110"));
    }
    const QMap<QString, QByteArray> before = snapshot(m_root->path());
    auto installer = make(m_root->path());
    const QByteArray bytes = ReleaseArchive::bytes(entries);
    const UpdateInstaller::Outcome outcome = run(*installer, release(bytes));
    QCOMPARE(outcome.kind, kept ? UpdateInstaller::Outcome::Kind::kept : UpdateInstaller::Outcome::Kind::failed);
    QVERIFY2(outcome.error.contains(words, Qt::CaseInsensitive), qPrintable(outcome.error));
    QVERIFY2(outcome.error.contains(QStringLiteral("previous version was put back")), qPrintable(outcome.error));
    QCOMPARE(snapshot(m_root->path()), before);
    if (kept) {
        QFile file(outcome.keptFile);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), bytes);
    }
    readOnly.reset();
    QCOMPARE(m_relaunches, 0);
    QCOMPARE(leftInTemp(), QStringList());
}

void TestUpdateInstaller::keepsWhatItCannotInstallInDownloads()
{
    const QByteArray bytes = ReleaseArchive::bytes(ReleaseArchive::entries(QStringLiteral("120")));
    const QMap<QString, QByteArray> before = snapshot(m_root->path());
    auto installer = make(m_root->path());
    QStringList kept;
    {
        ReadOnlyFolder readOnly(m_root->path());
        QVERIFY(readOnly.isReadOnly());
        for (int i = 0; i < 2; ++i) {
            const UpdateInstaller::Outcome outcome = run(*installer, release(bytes));
            QVERIFY2(outcome.kind == UpdateInstaller::Outcome::Kind::kept, qPrintable(outcome.error));
            QVERIFY(!outcome.packageManaged);
            kept << outcome.keptFile;
        }
    }
    QCOMPARE(kept, (QStringList{m_downloads->filePath(QStringLiteral("kesto-viruz-1.2.zip")),
                                m_downloads->filePath(QStringLiteral("kesto-viruz-1.2 (2).zip"))}));
    QFile file(kept.first());
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), bytes);
    QCOMPARE(snapshot(m_root->path()), before);
    QCOMPARE(m_relaunches, 0);
    QCOMPARE(leftInTemp(), QStringList());

    // A release that fails its checks is not kept either.
    UpdateItem older = release(ReleaseArchive::bytes(ReleaseArchive::entries(QStringLiteral("90"))), QStringLiteral("120"));
    auto packaged = make(QStringLiteral("/usr"));
    QCOMPARE(run(*packaged, older).kind, UpdateInstaller::Outcome::Kind::failed);
    QCOMPARE(QDir(m_downloads->path()).entryList(QDir::Files).size(), 2);
}

void TestUpdateInstaller::packageManagerFoldersAreNotSelfContained_data()
{
    QTest::addColumn<QString>("root");
    QTest::addColumn<bool>("managed");
    QTest::newRow("/usr") << "/usr" << true;
    QTest::newRow("below /usr") << "/usr/lib/kesto-viruz" << true;
    QTest::newRow("/usr/local") << "/usr/local" << false;
    QTest::newRow("/opt") << "/opt/kesto-viruz" << false;
    QTest::newRow("the user's own") << "/home/someone/.local" << false;
    QTest::newRow("/usrx") << "/usrx" << false;
}

void TestUpdateInstaller::packageManagerFoldersAreNotSelfContained()
{
    QFETCH(QString, root);
    QFETCH(bool, managed);
    QCOMPARE(UpdateInstaller::isPackageManaged(root), managed);
    // Writable to root, and still never written over.
    QVERIFY(!UpdateInstaller::isSelfContained(QStringLiteral("/usr")));
    QVERIFY(UpdateInstaller::isSelfContained(m_root->path()));
}

void TestUpdateInstaller::interruptedDownloadsLeaveNothing()
{
    const QMap<QString, QByteArray> before = snapshot(m_root->path());
    auto installer = make(m_root->path());
    const QByteArray bytes = ReleaseArchive::bytes(ReleaseArchive::entries(QStringLiteral("120")));

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
    // Another instance starting now leaves a download being written alone,
    // and removes one nobody writes any more.
    QFile abandoned(m_temp.filePath(QStringLiteral("kesto-update-abandoned.zip")));
    QVERIFY(abandoned.open(QIODevice::WriteOnly));
    abandoned.close();
    QCOMPARE(UpdateInstaller::removeAbandonedDownloads(m_temp.path()), QStringList{abandoned.fileName().section(QLatin1Char('/'), -1)});
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

void TestUpdateInstaller::refusesWhatIsTooLarge_data()
{
    QTest::addColumn<QString>("fault");
    QTest::newRow("a length no release has") << "length";
    QTest::newRow("more entries than a release has") << "entries";
    QTest::newRow("unpacks larger than a release") << "unpacked";
}

void TestUpdateInstaller::refusesWhatIsTooLarge()
{
    QFETCH(QString, fault);
    QList<ZipArchive::Entry> entries = ReleaseArchive::entries(QStringLiteral("120"));
    // Zeros pack into almost nothing and unpack to a lot.
    entries.append({QStringLiteral("share/kesto-viruz/zeros"), QByteArray(4 * 1024 * 1024, '\0'), 0644});
    const QByteArray bytes = ReleaseArchive::bytes(entries);
    UpdateItem item = release(bytes);
    UpdateInstaller::Limits limits;
    if (fault == QStringLiteral("length"))
        item.length = 64LL * 1024 * 1024 * 1024;
    else if (fault == QStringLiteral("entries"))
        limits.entries = entries.size() - 1;
    else
        limits.unpackedBytes = 4 * 1024 * 1024;
    QVERIFY(bytes.size() < 64 * 1024);
    const QMap<QString, QByteArray> before = snapshot(m_root->path());
    auto installer = make(m_root->path());
    installer->setLimits(limits);
    const UpdateInstaller::Outcome outcome = run(*installer, item);
    QCOMPARE(outcome.kind, UpdateInstaller::Outcome::Kind::failed);
    QVERIFY2(outcome.error.contains(QStringLiteral("damaged")), qPrintable(outcome.error));
    // An absurd length is not even asked for.
    QCOMPARE(m_server->requests().size(), fault == QStringLiteral("length") ? 0 : 1);
    QCOMPARE(snapshot(m_root->path()), before);
    QCOMPARE(leftInTemp(), QStringList());
}

void TestUpdateInstaller::endlessDownloadsEnd_data()
{
    QTest::addColumn<EndlessServer::Pace>("pace");
    QTest::newRow("a flood past the announced length") << EndlessServer::Pace::flood;
    QTest::newRow("a trickle that never ends") << EndlessServer::Pace::trickle;
}

// A download stops at its announced length or at its time limit, whichever
// comes first, and never holds more than a little of it in memory.
void TestUpdateInstaller::endlessDownloadsEnd()
{
    QFETCH(EndlessServer::Pace, pace);
    EndlessServer endless(pace);
    QVERIFY(endless.listen());
    UpdateItem item = FeedDocument::item(QStringLiteral("120"), endless.url() + QStringLiteral("/kesto-viruz-1.2.zip"));
    item.length = 64 * 1024 * 1024;
    auto installer = make(m_root->path());
    UpdateInstaller::Limits limits;
    limits.downloadMs = 1500;
    if (pace == EndlessServer::Pace::flood)
        limits.downloadMs = 10 * 60 * 1000;
    installer->setLimits(limits);
    const QMap<QString, QByteArray> before = snapshot(m_root->path());
    const qint64 start = residentBytes();
    qint64 peak = start;
    QSignalSpy finished(installer.get(), &UpdateInstaller::finished);
    installer->install(item);
    while (finished.isEmpty()) {
        peak = std::max(peak, residentBytes());
        finished.wait(50);
    }
    peak = std::max(peak, residentBytes());
    qInfo("sent %lld bytes; memory grew by %lld KiB", endless.sent(), (peak - start) / 1024);
    const auto outcome = finished.first().first().value<UpdateInstaller::Outcome>();
    QCOMPARE(outcome.kind, UpdateInstaller::Outcome::Kind::failed);
    if (pace == EndlessServer::Pace::flood)
        QVERIFY(endless.sent() > item.length);
    QVERIFY2(peak - start < 48 * 1024 * 1024, qPrintable(QString::number(peak - start)));
    QCOMPARE(endless.requests(), 1);
    QCOMPARE(leftInTemp(), QStringList());
    QCOMPARE(snapshot(m_root->path()), before);
}

// The signed release answers "--version" as it should but ends at once when
// it is really started: the old tree comes back and is started again.
void TestUpdateInstaller::aReleaseThatCannotStartIsUndone()
{
    const QString starts = m_temp.filePath(QStringLiteral("starts.log"));
    QFile::remove(starts);
    const auto program = [&starts](const QString& build, const char* then) {
        return QStringLiteral("#!/bin/sh\nif [ \"$1\" = --version ]; then echo \"kesto-viruz 1.%1 build %1\"; exit 0; fi\n"
                              "echo \"%1 $*\" >> '%2'\n%3\n")
            .arg(build, starts, QLatin1String(then))
            .toUtf8();
    };
    writeFile(QStringLiteral("bin/kesto-viruz"), program(QStringLiteral("100"), "exit 0"));
    const QMap<QString, QByteArray> before = snapshot(m_root->path());
    QList<ZipArchive::Entry> entries = ReleaseArchive::entries(QStringLiteral("120"));
    entries.first().bytes = program(QStringLiteral("120"), "exit 1");
    m_playTrial = true;
    auto installer = make(m_root->path());
    const UpdateInstaller::Outcome outcome = run(*installer, release(ReleaseArchive::bytes(entries)));
    QVERIFY2(outcome.kind == UpdateInstaller::Outcome::Kind::relaunching, qPrintable(outcome.error));
    QCOMPARE(snapshot(m_root->path()).value(QStringLiteral("bin/kesto-viruz")).mid(4), entries.first().bytes);
    // The install stays locked for the trial.
    QVERIFY(!UpdateTree::lock(m_root->path()));

    QCOMPARE(UpdateTrial::run(m_plan, 5000), UpdateTrial::Outcome::reverted);
    m_plan = {};
    QCOMPARE(snapshot(m_root->path()), before);
    const auto startsLog = [&starts] {
        QFile log(starts);
        return log.open(QIODevice::ReadOnly) ? log.readAll() : QByteArray();
    };
    QTRY_VERIFY(startsLog().contains("100 --update-reverted"));
    QVERIFY2(startsLog().startsWith("120 --update-ready "), startsLog().constData());
    QVERIFY(UpdateTree::lock(m_root->path()));
}

void TestUpdateInstaller::anotherInstallOfTheFolderIsRefused()
{
    const std::shared_ptr<QLockFile> other = UpdateTree::lock(m_root->path());
    QVERIFY(other);
    const QMap<QString, QByteArray> before = snapshot(m_root->path());
    auto installer = make(m_root->path());
    const UpdateInstaller::Outcome outcome
        = run(*installer, release(ReleaseArchive::bytes(ReleaseArchive::entries(QStringLiteral("120")))));
    QCOMPARE(outcome.kind, UpdateInstaller::Outcome::Kind::failed);
    QVERIFY2(outcome.error.contains(QStringLiteral("installing an update")), qPrintable(outcome.error));
    QCOMPARE(snapshot(m_root->path()), before);
    QCOMPARE(m_relaunches, 0);
}

QTEST_GUILESS_MAIN(TestUpdateInstaller)
#include "TestUpdateInstaller.moc"
