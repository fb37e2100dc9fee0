// The X server going away under the running application (a logout): the
// application logs it, saves as at quit and ends with status 1, not a crash.
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

class TestDisplayLoss final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void endsCleanlyWhenTheServerGoesAway();
};

void TestDisplayLoss::endsCleanlyWhenTheServerGoesAway()
{
    // A server of its own, so that the shared test display stays.
    QProcess server;
    server.start(QStringLiteral("Xvfb"), {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                                         QStringLiteral("0"), QStringLiteral("1024x768x24"), QStringLiteral("-nolisten"),
                                         QStringLiteral("tcp")});
    QVERIFY(server.waitForStarted());
    QTRY_VERIFY_WITH_TIMEOUT(server.canReadLine(), 10000);
    const QString display = QStringLiteral(":") + QString::fromLatin1(server.readLine().trimmed());

    QTemporaryDir data;
    const QByteArray history = R"({"entries":[{"id":"6f1c0d52-3d7e-4c7e-9a53-3b0f3d1f2a10","text":"Kept words",)"
                               R"("date":"2026-01-02T10:00:00Z","duration":2.5,"model":"gemini","source":"mac",)"
                               R"("status":"done"}]})";
    QFile file(data.filePath(QStringLiteral("history.json")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(history);
    file.close();

    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), display);
    env.insert(QStringLiteral("KESTO_DATA_DIR"), data.path());
    env.insert(QStringLiteral("KESTO_GEMINI_URL"), QStringLiteral("http://127.0.0.1:9"));
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    QProcess app;
    app.setProcessEnvironment(env);
    app.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    app.start(qEnvironmentVariable("KESTO_APP"), {});
    QVERIFY(app.waitForStarted());
    const QString logPath = data.filePath(QStringLiteral("kesto.log"));
    auto log = [&logPath] {
        QFile file(logPath);
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    };
    QTRY_VERIFY_WITH_TIMEOUT(log().contains(QStringLiteral(" ready\n")), 20000);

    server.kill();
    server.waitForFinished();
    QVERIFY(app.waitForFinished(20000));
    QCOMPARE(app.exitStatus(), QProcess::NormalExit);
    QCOMPARE(app.exitCode(), 1);
    QVERIFY2(log().contains(QStringLiteral("the X display went away")), qPrintable(log()));
    QVERIFY(log().contains(QStringLiteral(" terminated\n")));

    QVERIFY(file.open(QIODevice::ReadOnly));
    const QJsonArray entries = QJsonDocument::fromJson(file.readAll()).object().value(QStringLiteral("entries")).toArray();
    QCOMPARE(entries.size(), 1);
    QCOMPARE(entries.first().toObject().value(QStringLiteral("text")).toString(), QStringLiteral("Kept words"));
}

QTEST_GUILESS_MAIN(TestDisplayLoss)
#include "TestDisplayLoss.moc"
