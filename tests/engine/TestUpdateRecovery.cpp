#include "engine/UpdateTree.h"
#include "engine/UpdateTrial.h"
#include "platform/ZipArchive.h"

#include "ReadOnlyFolder.h"
#include "ReleaseArchive.h"
#include "TreeSnapshot.h"

#include <QLockFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

// An install swapped by a child process that is killed at every step of the
// swap and of its undoing: the start-up recovery always leaves the old tree
// or the new one, whole, with a program that starts. Two installs on one
// folder never mix, and a new version that does not really start is undone.
class TestUpdateRecovery final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();

    void killedAtEveryStepRecovers_data();
    void killedAtEveryStepRecovers();
    void twoInstallsOnOneFolderNeverMix();
    void anUndoThatFailsKeepsTheOldFiles_data();
    void anUndoThatFailsKeepsTheOldFiles();
    void recoveryRemovesLeftoversAndSparesAnInstallInProgress();
    void theNewVersionMustReallyStart_data();
    void theNewVersionMustReallyStart();

private:
    QString root() const { return m_dir->filePath(QStringLiteral("install")); }
    void writeOldTree(const QString& at);
    QString archive(const QList<ZipArchive::Entry>& entries);
    // The tree a whole install of entries leaves.
    QMap<QString, QByteArray> installedTree(const QList<ZipArchive::Entry>& entries, const QString& version);
    QString startedBuild() const;

    std::unique_ptr<QTemporaryDir> m_dir;
};

namespace {

const QString program = QStringLiteral("bin/kesto-viruz");

void write(const QString& path, const QByteArray& bytes, QFile::Permissions mode = {})
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
    file.close();
    if (mode)
        file.setPermissions(mode);
}

// A program answering "--version" as build, which appends its arguments to
// log and then runs tail.
QByteArray scriptProgram(const QString& build, const QString& log, const QString& tail)
{
    return QStringLiteral("#!/bin/sh\nif [ \"$1\" = --version ]; then echo \"kesto-viruz 1.%1 build %1\"; exit 0; fi\n"
                          "echo \"%1 $*\" >> '%2'\n%3\n")
        .arg(build, log, tail)
        .toUtf8();
}

QStringList linesOf(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

} // namespace

void TestUpdateRecovery::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    writeOldTree(root());
}

// Build 100 as it was installed, with a file of the user's the update leaves alone.
void TestUpdateRecovery::writeOldTree(const QString& at)
{
    QDir(at).removeRecursively();
    write(at + QStringLiteral("/bin/kesto-viruz"), ReleaseArchive::program(QStringLiteral("100")),
          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::ExeGroup);
    write(at + QStringLiteral("/share/kesto-viruz/version"), "100\n");
    write(at + QStringLiteral("/share/applications/kesto-viruz.desktop"), "[Desktop Entry]\nName=Old\n");
    write(at + QStringLiteral("/share/kesto/notes.txt"), "kept");
}

QString TestUpdateRecovery::archive(const QList<ZipArchive::Entry>& entries)
{
    const QString path = m_dir->filePath(QStringLiteral("release-%1.zip").arg(QDir(m_dir->path()).count()));
    write(path, ReleaseArchive::bytes(entries));
    return path;
}

QMap<QString, QByteArray> TestUpdateRecovery::installedTree(const QList<ZipArchive::Entry>& entries,
                                                            const QString& version)
{
    const QString other = m_dir->filePath(QStringLiteral("reference"));
    writeOldTree(other);
    const std::shared_ptr<QLockFile> held = UpdateTree::lock(other);
    const UpdateTree::Result result = UpdateTree::place(entries, other, program, version);
    if (result.kind != UpdateTree::Result::Kind::installed || !UpdateTree::commit(other))
        qFatal("the reference install failed: %s", qPrintable(result.reason));
    held->unlock();
    return TreeSnapshot::of(other);
}

// The build the tree's program answers as, "" when it does not start.
QString TestUpdateRecovery::startedBuild() const
{
    QProcess run;
    run.start(QDir(root()).filePath(program), {QStringLiteral("--version")});
    if (!run.waitForFinished(10000) || run.exitCode() != 0)
        return QString();
    return QString::fromUtf8(run.readAllStandardOutput()).trimmed().section(QLatin1Char(' '), -1);
}

void TestUpdateRecovery::killedAtEveryStepRecovers_data()
{
    QTest::addColumn<bool>("starts");
    QTest::newRow("an install that goes through") << true;
    // Its program fails the "--version" check: every step is undone again.
    QTest::newRow("an install that is rolled back") << false;
}

void TestUpdateRecovery::killedAtEveryStepRecovers()
{
    QFETCH(bool, starts);
    QList<ZipArchive::Entry> entries = ReleaseArchive::entries(QStringLiteral("120"));
    // A folder and a file the old tree does not have.
    entries.append({QStringLiteral("share/icons/kesto-viruz.svg"), "<svg/>", 0644});
    if (!starts)
        entries.first().bytes = "#!/bin/sh\nexit 3\n";
    const QString zip = archive(entries);
    const QMap<QString, QByteArray> oldTree = TreeSnapshot::of(root());
    const QMap<QString, QByteArray> newTree = starts ? installedTree(entries, QStringLiteral("120")) : oldTree;

    QStringList killedAt;
    QStringList allSteps;
    QSet<QString> outcomes;
    for (int stopAt = 1;; ++stopAt) {
        writeOldTree(root());
        QProcess child;
        child.start(QStringLiteral(KESTO_UPDATE_CHILD),
                    {QStringLiteral("install"), root(), zip, QStringLiteral("120"), QString::number(stopAt)});
        QVERIFY(child.waitForStarted());
        QStringList steps;
        QString last;
        while (last != QStringLiteral("stopped") && !last.startsWith(QStringLiteral("result"))) {
            if (!child.canReadLine() && !child.waitForReadyRead(20000))
                QFAIL(qPrintable(QStringLiteral("the child stopped talking after: ") + steps.join(QLatin1Char(','))));
            while (child.canReadLine() && last != QStringLiteral("stopped") && !last.startsWith(QStringLiteral("result"))) {
                last = QString::fromUtf8(child.readLine()).trimmed();
                if (last.startsWith(QStringLiteral("step ")))
                    steps.append(last.section(QLatin1Char(' '), 2));
            }
        }
        if (last.startsWith(QStringLiteral("result"))) {
            child.waitForFinished();
            QVERIFY2(last.startsWith(starts ? QStringLiteral("result installed") : QStringLiteral("result didNotStart")),
                     qPrintable(last));
            QCOMPARE(TreeSnapshot::of(root()), newTree);
            allSteps = steps;
            break;
        }
        killedAt.append(steps.last());
        child.kill(); // SIGKILL
        QVERIFY(child.waitForFinished());

        const UpdateTree::Recovery recovery = UpdateTree::recover(root());
        QVERIFY2(recovery.kind != UpdateTree::Recovery::Kind::failed && recovery.kind != UpdateTree::Recovery::Kind::busy,
                 qPrintable(recovery.reason));
        const QMap<QString, QByteArray> after = TreeSnapshot::of(root());
        QVERIFY2(after == oldTree || after == newTree, qPrintable(QStringLiteral("killed at ") + steps.last()));
        const QString build = startedBuild();
        QCOMPARE(build, after == oldTree ? QStringLiteral("100") : QStringLiteral("120"));
        outcomes.insert(build);
    }
    // Killed at every step there is: those of the swap, and those of its undoing.
    QCOMPARE(killedAt, allSteps);
    const QString steps = killedAt.join(QLatin1Char(','));
    for (const QString& kind : {QStringLiteral("journal"), QStringLiteral("create"), QStringLiteral("set aside"),
                                QStringLiteral("put in"), QStringLiteral("run --version")})
        QVERIFY2(steps.contains(kind), qPrintable(steps));
    if (starts) {
        QVERIFY2(steps.contains(QStringLiteral("state committed")), qPrintable(steps));
        QCOMPARE(outcomes, (QSet<QString>{QStringLiteral("100"), QStringLiteral("120")}));
    } else {
        for (const QString& kind : {QStringLiteral("put back"), QStringLiteral("take out"), QStringLiteral("remove share")})
            QVERIFY2(steps.contains(kind), qPrintable(steps));
        QCOMPARE(outcomes, QSet<QString>{QStringLiteral("100")});
    }
    qInfo("killed at %lld steps: %s", qint64(killedAt.size()), qPrintable(steps));
}

void TestUpdateRecovery::twoInstallsOnOneFolderNeverMix()
{
    const QList<ZipArchive::Entry> first = ReleaseArchive::entries(QStringLiteral("120"));
    const QList<ZipArchive::Entry> second = ReleaseArchive::entries(QStringLiteral("130"));
    const QString firstZip = archive(first);
    const QString secondZip = archive(second);
    const QMap<QString, QByteArray> firstTree = installedTree(first, QStringLiteral("120"));
    const QMap<QString, QByteArray> secondTree = installedTree(second, QStringLiteral("130"));

    // One install is half-way through its swap when the other one starts.
    writeOldTree(root());
    QProcess holding;
    holding.start(QStringLiteral(KESTO_UPDATE_CHILD),
                  {QStringLiteral("install"), root(), firstZip, QStringLiteral("120"), QStringLiteral("6")});
    QVERIFY(holding.waitForStarted());
    QByteArray said;
    while (!said.contains("stopped") && holding.waitForReadyRead(20000))
        said += holding.readAll();
    QVERIFY2(said.contains("stopped"), said.constData());
    QProcess late;
    late.start(QStringLiteral(KESTO_UPDATE_CHILD), {QStringLiteral("install"), root(), secondZip, QStringLiteral("130")});
    QVERIFY(late.waitForFinished(20000));
    QCOMPARE(late.readAllStandardOutput().trimmed(), QByteArray("result locked"));
    holding.write("go\n");
    QVERIFY(holding.waitForFinished(20000));
    QVERIFY2(holding.readAllStandardOutput().contains("result installed"), said.constData());
    QCOMPARE(TreeSnapshot::of(root()), firstTree);

    // Started together, again and again: whoever wins, the tree is whole.
    for (int round = 0; round < 4; ++round) {
        writeOldTree(root());
        QProcess a;
        QProcess b;
        a.start(QStringLiteral(KESTO_UPDATE_CHILD), {QStringLiteral("install"), root(), firstZip, QStringLiteral("120")});
        b.start(QStringLiteral(KESTO_UPDATE_CHILD), {QStringLiteral("install"), root(), secondZip, QStringLiteral("130")});
        QVERIFY(a.waitForFinished(20000));
        QVERIFY(b.waitForFinished(20000));
        const QByteArray results = a.readAllStandardOutput() + b.readAllStandardOutput();
        QVERIFY2(results.contains("result installed"), results.constData());
        const QMap<QString, QByteArray> after = TreeSnapshot::of(root());
        QVERIFY2(after == firstTree || after == secondTree, results.constData());
    }
}

void TestUpdateRecovery::anUndoThatFailsKeepsTheOldFiles_data()
{
    QTest::addColumn<bool>("halfway");
    QTest::newRow("the swap fails half-way") << true;
    QTest::newRow("the new program does not start") << false;
}

// When an old file cannot be put back, it exists only in the staging folder:
// that folder stays, the failure is told, and the next start puts it back.
void TestUpdateRecovery::anUndoThatFailsKeepsTheOldFiles()
{
    QFETCH(bool, halfway);
    QList<ZipArchive::Entry> entries = ReleaseArchive::entries(QStringLiteral("120"));
    // The version file is replaced before the swap reaches the desktop file.
    std::swap(entries[1], entries[3]);
    std::unique_ptr<ReadOnlyFolder> blocked;
    if (halfway) {
        blocked = std::make_unique<ReadOnlyFolder>(QDir(root()).filePath(QStringLiteral("share/applications")));
        QVERIFY(blocked->isReadOnly());
    } else {
        entries[0].bytes = "#!/bin/sh\nexit 3\n";
    }
    const QMap<QString, QByteArray> before = TreeSnapshot::of(root());
    // A file that was replaced finds its folder read-only when it is put back.
    const QString stuckFile = halfway ? QStringLiteral("share/kesto-viruz/version") : program;
    std::unique_ptr<ReadOnlyFolder> stuck;
    UpdateTree::setStepHook([&](const QString& step) {
        if (!stuck && step == QStringLiteral("put back ") + stuckFile)
            stuck = std::make_unique<ReadOnlyFolder>(QFileInfo(QDir(root()).filePath(stuckFile)).path());
    });
    const std::shared_ptr<QLockFile> held = UpdateTree::lock(root());
    const UpdateTree::Result result = UpdateTree::place(entries, root(), program, QStringLiteral("120"));
    UpdateTree::setStepHook({});
    held->unlock();
    QVERIFY(stuck);
    QVERIFY2(result.kind == UpdateTree::Result::Kind::mixed, qPrintable(result.reason));
    QVERIFY(TreeSnapshot::of(root()) != before);

    stuck.reset();
    blocked.reset();
    const UpdateTree::Recovery recovery = UpdateTree::recover(root());
    QCOMPARE(recovery.kind, UpdateTree::Recovery::Kind::undone);
    QCOMPARE(TreeSnapshot::of(root()), before);
    QCOMPARE(startedBuild(), QStringLiteral("100"));
}

void TestUpdateRecovery::recoveryRemovesLeftoversAndSparesAnInstallInProgress()
{
    const QMap<QString, QByteArray> before = TreeSnapshot::of(root());
    write(QDir(root()).filePath(QStringLiteral(".kesto-update-0d1e/new/bin/kesto-viruz")), QByteArray(4096, 'x'));
    write(QDir(root()).filePath(QStringLiteral(".kesto-write-AbCdEf")), {});
    {
        // Another process is installing: its staging folder is not a leftover.
        const std::shared_ptr<QLockFile> held = UpdateTree::lock(root());
        QVERIFY(held);
        QCOMPARE(UpdateTree::recover(root()).kind, UpdateTree::Recovery::Kind::busy);
        QVERIFY(QFileInfo::exists(QDir(root()).filePath(QStringLiteral(".kesto-update-0d1e"))));
    }
    const UpdateTree::Recovery recovery = UpdateTree::recover(root());
    QCOMPARE(recovery.kind, UpdateTree::Recovery::Kind::nothing);
    QCOMPARE(recovery.removed.size(), 2);
    QCOMPARE(TreeSnapshot::of(root()), before);
}

void TestUpdateRecovery::theNewVersionMustReallyStart_data()
{
    QTest::addColumn<QString>("body");
    QTest::addColumn<bool>("kept");
    QTest::newRow("exits at start") << "exit 1" << false;
    QTest::newRow("never says it is ready") << "exec sleep 600" << false;
    QTest::newRow("reports that it runs") << "exec '" KESTO_UPDATE_CHILD "' ready '%1' \"$@\"" << true;
}

void TestUpdateRecovery::theNewVersionMustReallyStart()
{
    QFETCH(QString, body);
    QFETCH(bool, kept);
    const QString starts = m_dir->filePath(QStringLiteral("starts.log"));
    write(QDir(root()).filePath(program), scriptProgram(QStringLiteral("100"), starts, QStringLiteral("exit 0")));
    const QMap<QString, QByteArray> before = TreeSnapshot::of(root());
    QList<ZipArchive::Entry> entries = ReleaseArchive::entries(QStringLiteral("120"));
    entries.first().bytes = scriptProgram(QStringLiteral("120"), starts, kept ? body.arg(root()) : body);
    const QMap<QString, QByteArray> after = installedTree(entries, QStringLiteral("120"));

    UpdateTrial::Plan plan{root(), QDir(root()).filePath(program), UpdateTree::lock(root())};
    QVERIFY(plan.lock);
    QCOMPARE(UpdateTree::place(entries, root(), program, QStringLiteral("120")).kind,
             UpdateTree::Result::Kind::installed);
    const UpdateTrial::Outcome outcome = UpdateTrial::run(plan, 3000);
    plan.lock.reset();
    if (kept) {
        QCOMPARE(outcome, UpdateTrial::Outcome::started);
        QCOMPARE(TreeSnapshot::of(root()), after);
        QCOMPARE(linesOf(starts).size(), 1);
        QVERIFY2(linesOf(starts).at(0).startsWith(QStringLiteral("120 --update-ready ")), qPrintable(linesOf(starts).at(0)));
        return;
    }
    QCOMPARE(outcome, UpdateTrial::Outcome::reverted);
    // The old tree is back, and its program was started again and told why.
    QCOMPARE(TreeSnapshot::of(root()), before);
    QTRY_COMPARE(linesOf(starts).size(), 2);
    QVERIFY2(linesOf(starts).at(0).startsWith(QStringLiteral("120 --update-ready ")), qPrintable(linesOf(starts).at(0)));
    QCOMPARE(linesOf(starts).at(1), QStringLiteral("100 --update-reverted"));
}

QTEST_GUILESS_MAIN(TestUpdateRecovery)
#include "TestUpdateRecovery.moc"
