// The X server going away under the running application (a logout): the
// application logs it, saves as at quit and ends with status 1, not a crash.
// What it saves includes a change made just before, that no timer saved yet:
// the pill dragged to a new place. The application is held still (SIGSTOP)
// from the moment the server shows the pill there until the server is gone,
// so its save delay cannot run out in between, however loaded the machine.
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <poll.h>
#include <signal.h>

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

// Whether the process is stopped, as /proc tells.
bool stopped(qint64 pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return false;
    const QByteArray line = stat.readAll();
    return line.mid(line.lastIndexOf(')') + 2, 1) == "T";
}

// Drags with XTest from the centre of frame by `by`, and waits until the
// server has the window there (its own ConfigureNotify, not a poll).
bool dragAndWait(Display* x, Window window, const QRect& frame, QPoint by)
{
    const QPoint grab = frame.center();
    const QPoint to = frame.topLeft() + by;
    XSelectInput(x, window, StructureNotifyMask);
    XTestFakeMotionEvent(x, -1, grab.x(), grab.y(), CurrentTime);
    XTestFakeButtonEvent(x, 1, True, CurrentTime);
    XTestFakeMotionEvent(x, -1, grab.x() + by.x() / 2, grab.y() + by.y() / 2, CurrentTime);
    XTestFakeMotionEvent(x, -1, grab.x() + by.x(), grab.y() + by.y(), CurrentTime);
    XTestFakeButtonEvent(x, 1, False, CurrentTime);
    XFlush(x);
    QDeadlineTimer deadline(10000);
    while (!deadline.hasExpired()) {
        while (XPending(x) > 0) {
            XEvent event;
            XNextEvent(x, &event);
            if (event.type == ConfigureNotify && event.xconfigure.window == window
                && QPoint(event.xconfigure.x, event.xconfigure.y) == to)
                return true;
        }
        pollfd fd{ConnectionNumber(x), POLLIN, 0};
        ::poll(&fd, 1, int(qMin<qint64>(deadline.remainingTime(), 100)));
    }
    return false;
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
    QRect frame;
    QTRY_VERIFY_WITH_TIMEOUT((frame = pill(display, app.processId())).isValid(), 10000);

    // The pill dragged; once the server has it there, the application is
    // stopped, and the display goes before it runs again. Should the save
    // delay have run out before the stop (a slow turn of this process), the
    // drag is made again.
    Display* x = XOpenDisplay(display.toLatin1().constData());
    QVERIFY(x);
    const Window pillWindow = xdotool(display, {QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                                                QStringLiteral("--pid"), QString::number(app.processId())})
                                  .trimmed()
                                  .toULong();
    QVERIFY(pillWindow);
    double hudX = 0;
    double hudY = 0;
    bool held = false;
    for (int attempt = 0; attempt < 5 && !held; ++attempt) {
        const QPoint by = attempt % 2 == 0 ? QPoint(150, -100) : QPoint(-100, 60);
        QVERIFY2(dragAndWait(x, pillWindow, frame, by), "the pill did not move");
        ::kill(pid_t(app.processId()), SIGSTOP);
        QTRY_VERIFY(stopped(app.processId()));
        frame.moveTopLeft(frame.topLeft() + by);
        hudX = frame.x() + frame.width() / 2.0;
        hudY = frame.y() + frame.height();
        held = config(configPath).value(QStringLiteral("hudX")).toDouble() != hudX;
        if (!held)
            ::kill(pid_t(app.processId()), SIGCONT);
    }
    XCloseDisplay(x);
    QVERIFY2(held, "saved before the display went, each time");

    server.kill();
    server.waitForFinished();
    ::kill(pid_t(app.processId()), SIGCONT);
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
