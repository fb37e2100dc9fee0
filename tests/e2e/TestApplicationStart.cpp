#include "AppLog.h"
#include "AppProcess.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

// The built application on the test X server: it reaches the ready state
// whatever state its data files are in, keeps damaged files instead of
// writing over them, lets one instance run per data folder, and saves its
// settings when it is terminated.
class TestApplicationStart final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void startsWithDamagedDataFiles_data();
    void startsWithDamagedDataFiles();
    void secondStartBringsTheFirstForward();
    void startClearsUnfinishedSavesAndLogsTheLaunchFirst();

private:
    static QProcessEnvironment environment(const QString& data);
    static void writeFiles(const QString& data, const QList<std::pair<QString, QByteArray>>& files);
    // Starts the application on data, waits until it is ready and quits it.
    static void runOnce(const QString& data);
    static QString log(const QString& data);
    static bool waitForLog(const QString& data, const QString& line, int timeoutMs = 20000);
    static void stop(QProcess& app);
    // The application's windows on screen now.
    static int visibleWindows(qint64 pid);
};

void TestApplicationStart::initTestCase()
{
    QVERIFY2(qEnvironmentVariableIsSet("DISPLAY"), "DISPLAY is not set: start scripts/test-env");
    QVERIFY2(!qEnvironmentVariableIsEmpty("KESTO_APP"), "KESTO_APP names the application");
}

QProcessEnvironment TestApplicationStart::environment(const QString& data)
{
    return AppProcess::environment(data, QStringLiteral("http://127.0.0.1:9"));
}

void TestApplicationStart::writeFiles(const QString& data, const QList<std::pair<QString, QByteArray>>& files)
{
    for (const auto& [name, bytes] : files) {
        if (bytes.isEmpty())
            continue;
        QFile file(QDir(data).filePath(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
}

void TestApplicationStart::runOnce(const QString& data)
{
    QProcess app;
    QVERIFY(AppProcess::start(app, environment(data)));
    QVERIFY2(waitForLog(data, QStringLiteral(" ready\n")), qPrintable(log(data)));
    stop(app);
}

QString TestApplicationStart::log(const QString& data)
{
    return AppLog::read(data);
}

bool TestApplicationStart::waitForLog(const QString& data, const QString& line, int timeoutMs)
{
    return AppLog::waitFor(data, line, timeoutMs);
}

void TestApplicationStart::stop(QProcess& app)
{
    app.terminate();
    QVERIFY(app.waitForFinished(10000));
    QCOMPARE(app.exitStatus(), QProcess::NormalExit);
    QCOMPARE(app.exitCode(), 0);
}

int TestApplicationStart::visibleWindows(qint64 pid)
{
    QProcess search;
    search.start(QStringLiteral("xdotool"),
                 {QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--pid"), QString::number(pid)});
    search.waitForFinished(5000);
    return int(QString::fromUtf8(search.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts).size());
}

void TestApplicationStart::startsWithDamagedDataFiles_data()
{
    QTest::addColumn<QByteArray>("config");
    QTest::addColumn<QByteArray>("history");
    QTest::addColumn<QByteArray>("notes");

    QTest::newRow("no files") << QByteArray() << QByteArray() << QByteArray();
    QTest::newRow("garbage") << QByteArray("\x00\xff{not json", 11) << QByteArray("[[[") << QByteArray("\xc3\x28");
    QTest::newRow("wrong shapes") << QByteArray("[1, 2]") << QByteArray("\"text\"") << QByteArray("42");
    QTest::newRow("wrong field types")
        << QByteArray(R"({"onboardingDone": "yes", "hotkey": 7, "hudX": "left", "phonePort": -1, "apiKey": "kept-key"})")
        << QByteArray(R"({"entries": [{"id": 5, "date": false}]})") << QByteArray(R"({"notes": {"a": 1}})");
}

void TestApplicationStart::startsWithDamagedDataFiles()
{
    QFETCH(QByteArray, config);
    QFETCH(QByteArray, history);
    QFETCH(QByteArray, notes);

    QTemporaryDir data;
    const QList<std::pair<QString, QByteArray>> files = {
        {QStringLiteral("config.json"), config},
        {QStringLiteral("history.json"), history},
        {QStringLiteral("notes.json"), notes},
    };
    writeFiles(data.path(), files);
    runOnce(data.path());

    // Terminating saved readable settings. The settings are read field by
    // field, so an object keeps what could be read in it; every other damaged
    // file, whether it parses as JSON or not, is still there byte for byte,
    // set aside under a name of its own.
    QFile saved(data.filePath(QStringLiteral("config.json")));
    QVERIFY(saved.open(QIODevice::ReadOnly));
    const QJsonDocument settings = QJsonDocument::fromJson(saved.readAll());
    QVERIFY(settings.isObject());
    const QStringList present = QDir(data.path()).entryList(QDir::Files);
    for (const auto& [name, bytes] : files) {
        if (bytes.isEmpty())
            continue;
        if (const QJsonDocument written = QJsonDocument::fromJson(bytes);
            name == QStringLiteral("config.json") && written.isObject()) {
            QCOMPARE(settings.object().value(QStringLiteral("apiKey")), written.object().value(QStringLiteral("apiKey")));
            continue;
        }
        bool kept = false;
        for (const QString& file : present) {
            QFile candidate(data.filePath(file));
            kept = kept
                || (file.startsWith(name + QStringLiteral(".broken-")) && candidate.open(QIODevice::ReadOnly)
                    && candidate.readAll() == bytes);
        }
        QVERIFY2(kept, qPrintable(name + QStringLiteral(" was not set aside: ") + present.join(QLatin1Char(' '))));
    }
}

void TestApplicationStart::secondStartBringsTheFirstForward()
{
    QTemporaryDir data;
    QFile config(data.filePath(QStringLiteral("config.json")));
    QVERIFY(config.open(QIODevice::WriteOnly));
    config.write(R"({"onboardingDone": true, "apiKey": "test-key"})");
    config.close();

    QProcess first;
    QVERIFY(AppProcess::start(first, environment(data.path())));
    QVERIFY2(waitForLog(data.path(), QStringLiteral(" ready\n")), qPrintable(log(data.path())));

    const int windowsBefore = visibleWindows(first.processId());
    QProcess second;
    second.setProcessEnvironment(environment(data.path()));
    second.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    second.start(qEnvironmentVariable("KESTO_APP"), {});
    QVERIFY(second.waitForFinished(10000));
    QCOMPARE(second.exitCode(), 0);

    QVERIFY2(waitForLog(data.path(), QStringLiteral("asked to come forward by a later start")), qPrintable(log(data.path())));
    QTRY_VERIFY2(visibleWindows(first.processId()) > windowsBefore, "the main window came up");
    QCOMPARE(first.state(), QProcess::Running);
    QCOMPARE(log(data.path()).count(QStringLiteral("launched, bundle=")), 1);
    stop(first);
}

void TestApplicationStart::startClearsUnfinishedSavesAndLogsTheLaunchFirst()
{
    QTemporaryDir data;
    // What a save killed just before its rename leaves, an older run's log,
    // and a set-aside copy that must stay.
    const QList<std::pair<QString, QByteArray>> files = {
        {QStringLiteral("config.json.Xy12Zw"), R"({"apiKey": "the-users-key"})"},
        {QStringLiteral("history.json.a1B2c3"), R"({"entries": []})"},
        {QStringLiteral("kesto.log"), "10:00:00.000 an older run\n"},
        {QStringLiteral("notes.json.broken-2026-12-08T014200"), "{"},
    };
    writeFiles(data.path(), files);
    runOnce(data.path());

    const QString text = log(data.path());
    QVERIFY2(text.section(QLatin1Char('\n'), 0, 0).contains(QStringLiteral(" launched, bundle=")), qPrintable(text));
    QVERIFY(!QFile::exists(data.filePath(QStringLiteral("config.json.Xy12Zw"))));
    QVERIFY(!QFile::exists(data.filePath(QStringLiteral("history.json.a1B2c3"))));
    QVERIFY(QFile::exists(data.filePath(QStringLiteral("notes.json.broken-2026-12-08T014200"))));
}

QTEST_GUILESS_MAIN(TestApplicationStart)
#include "TestApplicationStart.moc"
