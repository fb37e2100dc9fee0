// The X server going away under the running application (a logout): the
// application logs it, saves as at quit and ends with status 1, not a crash.
// What it saves includes a change made just before, that no timer saved yet:
// the pill dragged to a new place.
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

namespace {

QString xdotool(const QString& display, const QStringList& arguments)
{
    QProcess tool;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), display);
    tool.setProcessEnvironment(env);
    tool.start(QStringLiteral("xdotool"), arguments);
    tool.waitForFinished(5000);
    return QString::fromUtf8(tool.readAllStandardOutput());
}

// The application's one visible window at the start, the pill, on the screen.
QRect pill(const QString& display, qint64 pid)
{
    const QStringList ids = xdotool(display, {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                              QStringLiteral("--pid"), QString::number(pid)})
                                .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    if (ids.size() != 1)
        return {};
    QRect frame;
    for (const QString& line :
         xdotool(display, {QStringLiteral("getwindowgeometry"), QStringLiteral("--shell"), ids.first()}).split(u'\n')) {
        const QString value = line.section(QLatin1Char('='), 1);
        if (line.startsWith(QLatin1String("X=")))
            frame.moveLeft(value.toInt());
        else if (line.startsWith(QLatin1String("Y=")))
            frame.moveTop(value.toInt());
        else if (line.startsWith(QLatin1String("WIDTH=")))
            frame.setWidth(value.toInt());
        else if (line.startsWith(QLatin1String("HEIGHT=")))
            frame.setHeight(value.toInt());
    }
    return frame;
}

QJsonObject config(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QJsonDocument::fromJson(file.readAll()).object() : QJsonObject();
}

} // namespace

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
    const QString configPath = data.filePath(QStringLiteral("config.json"));
    QFile settings(configPath);
    QVERIFY(settings.open(QIODevice::WriteOnly));
    settings.write(R"({"onboardingDone": true, "apiKey": "test-key", "hudVisible": true})");
    settings.close();

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
    QRect before;
    QTRY_VERIFY_WITH_TIMEOUT((before = pill(display, app.processId())).isValid(), 10000);

    // The pill dragged up and to the right; once the server has it there, the
    // display goes before the settings' 250 ms debounce could save it.
    const QPoint grab = before.center();
    const QPoint by(150, -100);
    QVERIFY(!xdotool(display, {QStringLiteral("mousemove"), QString::number(grab.x()), QString::number(grab.y()),
                               QStringLiteral("mousedown"), QStringLiteral("1"), QStringLiteral("mousemove"),
                               QString::number(grab.x() + by.x() / 2), QString::number(grab.y() + by.y() / 2),
                               QStringLiteral("mousemove"), QString::number(grab.x() + by.x()),
                               QString::number(grab.y() + by.y()), QStringLiteral("mouseup"), QStringLiteral("1"),
                               QStringLiteral("getmouselocation")})
                 .isEmpty());
    QRect after;
    QTRY_COMPARE_WITH_TIMEOUT((after = pill(display, app.processId())).topLeft(), before.topLeft() + by, 5000);
    const double hudX = after.x() + after.width() / 2.0;
    const double hudY = after.y() + after.height();
    QVERIFY2(config(configPath).value(QStringLiteral("hudX")).toDouble() != hudX, "saved before the display went");

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
    const QJsonObject saved = config(configPath);
    QCOMPARE(saved.value(QStringLiteral("hudX")).toDouble(), hudX);
    QCOMPARE(saved.value(QStringLiteral("hudY")).toDouble(), hudY);
    QCOMPARE(saved.value(QStringLiteral("apiKey")).toString(), QStringLiteral("test-key"));
}

QTEST_GUILESS_MAIN(TestDisplayLoss)
#include "TestDisplayLoss.moc"
