#include "engine/UpdateTree.h"
#include "engine/UpdateTrial.h"
#include "shell/SingleInstance.h"

#include "AppLog.h"
#include "AppProcess.h"
#include "FakeNotificationServer.h"
#include "TreeSnapshot.h"

#include <QDir>
#include <QLockFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>

// The application itself, installed in a folder of the test's: its first
// start after an update reports that it runs and says the update worked,
// and any start first repairs a swap a killed installer left half-way.
class TestUpdateStart final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();

    void theNewVersionConfirmsItselfAndSaysSo();
    void aStartUndoesASwapLeftHalfway();

private:
    void install(const QString& root, const QByteArray& version);
    QString program() const { return m_dir->filePath(QStringLiteral("install/bin/kesto-viruz")); }
    QString root() const { return m_dir->filePath(QStringLiteral("install")); }
    QString data() const { return m_dir->filePath(QStringLiteral("data")); }

    QByteArray m_build;
    QByteArray m_binary;
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestUpdateStart::initTestCase()
{
    QVERIFY2(qEnvironmentVariableIsSet("DISPLAY"), "DISPLAY is not set: start scripts/test-env");
    QProcess version;
    version.start(qEnvironmentVariable("KESTO_APP"), {QStringLiteral("--version")});
    QVERIFY(version.waitForFinished(10000));
    m_build = version.readAllStandardOutput().trimmed().split(' ').last();
    QFile binary(qEnvironmentVariable("KESTO_APP"));
    QVERIFY(binary.open(QIODevice::ReadOnly));
    m_binary = binary.readAll();
}

void TestUpdateStart::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(QDir().mkpath(data()));
    install(root(), "1");
}

// The application as installed, naming version in its version file.
void TestUpdateStart::install(const QString& at, const QByteArray& version)
{
    QVERIFY(QDir().mkpath(at + QStringLiteral("/bin")));
    QVERIFY(QDir().mkpath(at + QStringLiteral("/share/kesto-viruz")));
    QFile::remove(at + QStringLiteral("/bin/kesto-viruz"));
    QVERIFY(QFile::copy(qEnvironmentVariable("KESTO_APP"), at + QStringLiteral("/bin/kesto-viruz")));
    QFile file(at + QStringLiteral("/share/kesto-viruz/version"));
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(version + '\n');
}

void TestUpdateStart::theNewVersionConfirmsItselfAndSaysSo()
{
    FakeNotificationServer notifications;
    QVERIFY(notifications.isRegistered());
    // The new version starts from here, with this test's data folder.
    const QProcessEnvironment environment = AppProcess::environment(data(), QStringLiteral("http://127.0.0.1:9"));
    for (const QString& key : environment.keys())
        qputenv(key.toLocal8Bit(), environment.value(key).toLocal8Bit());

    const QList<ZipArchive::Entry> entries{{QStringLiteral("bin/kesto-viruz"), m_binary, 0755},
                                           {QString::fromLatin1(UpdateTree::versionFile), m_build + '\n', 0644}};
    UpdateTrial::Plan plan{root(), program(), UpdateTree::lock(root())};
    QVERIFY(plan.lock);
    const UpdateTree::Result placed = UpdateTree::place(entries, root(), QStringLiteral("bin/kesto-viruz"), QString::fromLatin1(m_build));
    QVERIFY2(placed.kind == UpdateTree::Result::Kind::installed, qPrintable(placed.reason));
    QCOMPARE(UpdateTrial::run(plan, 60000), UpdateTrial::Outcome::started);
    plan.lock.reset();

    QTRY_VERIFY_WITH_TIMEOUT(!notifications.notifications.isEmpty(), 10000);
    QCOMPARE(notifications.notifications.first().summary, QStringLiteral("Kesto Viruz was updated"));
    // The old files are gone; the new ones stay.
    QCOMPARE(QDir(root()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             (QStringList{QStringLiteral("bin"), QStringLiteral("share")}));
    QFile version(root() + QStringLiteral("/share/kesto-viruz/version"));
    QVERIFY(version.open(QIODevice::ReadOnly));
    QCOMPARE(version.readAll().trimmed(), m_build);

    // It runs as the one instance: ask it to quit as the session would.
    qint64 pid = 0;
    QString host;
    QString name;
    QLockFile instance(QDir::temp().filePath(SingleInstance::serverName(data()) + QStringLiteral(".lock")));
    QVERIFY(instance.getLockInfo(&pid, &host, &name));
    QVERIFY(::kill(pid_t(pid), SIGTERM) == 0);
    QTRY_VERIFY_WITH_TIMEOUT(::kill(pid_t(pid), 0) != 0, 10000);
}

void TestUpdateStart::aStartUndoesASwapLeftHalfway()
{
    const QMap<QString, QByteArray> before = TreeSnapshot::of(root());
    // An installer killed once the version file was swapped and the program
    // not yet.
    const QString zipPath = m_dir->filePath(QStringLiteral("release.zip"));
    QString error;
    QVERIFY2(ZipArchive::write(zipPath,
                               {{QStringLiteral("bin/kesto-viruz"), "#!/bin/sh\necho kesto-viruz 1.2 build 2\n", 0755},
                                {QString::fromLatin1(UpdateTree::versionFile), "2\n", 0644}},
                               &error),
             qPrintable(error));
    QProcess installer;
    installer.start(QStringLiteral(KESTO_UPDATE_CHILD),
                    {QStringLiteral("install"), root(), zipPath, QStringLiteral("2"), QStringLiteral("set aside bin/kesto-viruz")});
    QByteArray said;
    while (!said.contains("stopped") && installer.waitForReadyRead(20000))
        said += installer.readAll();
    QVERIFY2(said.contains("stopped"), said.constData());
    installer.kill();
    QVERIFY(installer.waitForFinished());
    QVERIFY(TreeSnapshot::of(root()) != before);

    QProcess app;
    app.setProcessEnvironment(AppProcess::environment(data(), QStringLiteral("http://127.0.0.1:9")));
    app.start(program(), {});
    QVERIFY(app.waitForStarted());
    QVERIFY2(AppLog::waitFor(data(), QStringLiteral(" ready\n"), 30000), qPrintable(AppLog::read(data())));
    QVERIFY2(AppLog::read(data()).contains(QStringLiteral("an interrupted update was undone")), qPrintable(AppLog::read(data())));
    QCOMPARE(TreeSnapshot::of(root()), before);
    app.terminate();
    QVERIFY(app.waitForFinished(10000));
    QCOMPARE(app.exitCode(), 0);
}

QTEST_GUILESS_MAIN(TestUpdateStart)
#include "TestUpdateStart.moc"
