#include "phone/PhoneServer.h"

#include "ConnectionFlood.h"
#include "TempDataDir.h"
#include "core/Log.h"

#include <QProcess>
#include <QRegularExpression>
#include <QSslSocket>
#include <QtTest>

namespace {

const QString token = QStringLiteral("abcd2345efgh6789");

// What one wrk run reports.
struct LoadRun
{
    bool finished = false;
    QString output;
    qint64 requests = 0;
    double perSecond = 0;
    qint64 socketErrors = 0;
    qint64 notOk = 0; // answers other than 2xx/3xx
};

qint64 number(const QString& text, const QString& pattern)
{
    const QRegularExpressionMatch match = QRegularExpression(pattern).match(text);
    return match.hasMatch() ? match.captured(1).toLongLong() : 0;
}

// Runs wrk while the event loop keeps turning, so the server's signals to
// the main thread are handled as in the application.
LoadRun runWrk(const QString& url, int connections, int seconds)
{
    QProcess wrk;
    wrk.setProcessChannelMode(QProcess::MergedChannels);
    wrk.start(QStringLiteral("wrk"), {QStringLiteral("-t2"), QStringLiteral("-c%1").arg(connections),
                                      QStringLiteral("-d%1s").arg(seconds), QStringLiteral("--timeout"),
                                      QStringLiteral("5s"), url});
    LoadRun run;
    if (!wrk.waitForStarted(5000))
        return run;
    run.finished = QTest::qWaitFor([&] { return wrk.state() == QProcess::NotRunning; }, (seconds + 30) * 1000)
                   && wrk.exitStatus() == QProcess::NormalExit && wrk.exitCode() == 0;
    run.output = QString::fromUtf8(wrk.readAll());
    run.requests = number(run.output, QStringLiteral("(\\d+) requests in"));
    const QRegularExpressionMatch rate = QRegularExpression(QStringLiteral("Requests/sec:\\s+([0-9.]+)")).match(run.output);
    run.perSecond = rate.hasMatch() ? rate.captured(1).toDouble() : 0;
    const QRegularExpressionMatch errors = QRegularExpression(
        QStringLiteral("Socket errors: connect (\\d+), read (\\d+), write (\\d+), timeout (\\d+)")).match(run.output);
    for (int i = 1; errors.hasMatch() && i <= 4; ++i)
        run.socketErrors += errors.captured(i).toLongLong();
    run.notOk = number(run.output, QStringLiteral("Non-2xx or 3xx responses: (\\d+)"));
    return run;
}

qint64 residentKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    return number(QString::fromLatin1(status.readAll()), QStringLiteral("VmRSS:\\s+(\\d+) kB"));
}

} // namespace

// The server under sustained load on loopback: every request answered, and
// memory that does not grow with the number of requests served.
class TestPhoneLoad final : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void statusUnderLoad();
    void tokenHolderServedThroughAFlood();

private:
    QString statusUrl(bool secure) const;
    bool servesOneRequest(bool secure);

    TempDataDir m_data;
    PhoneServer m_server;
    int m_seen = 0;
};

void TestPhoneLoad::initTestCase()
{
    QVERIFY2(QStandardPaths::findExecutable(QStringLiteral("wrk")).size() > 0, "wrk is missing: run scripts/install-deps");
    connect(&m_server, &PhoneServer::seen, this, [this] { ++m_seen; });
    m_server.setStatusText([] { return QStringLiteral("Ready"); });
    m_server.start(0, quint16(0), token);
    QVERIFY2(m_server.isRunning(), qPrintable(m_server.lastError()));
    QVERIFY(m_server.plainIsRunning());
}

QString TestPhoneLoad::statusUrl(bool secure) const
{
    return secure ? QStringLiteral("https://127.0.0.1:%1/status?t=%2").arg(m_server.port()).arg(token)
                  : QStringLiteral("http://127.0.0.1:%1/status?t=%2").arg(m_server.plainPort()).arg(token);
}

bool TestPhoneLoad::servesOneRequest(bool secure)
{
    std::unique_ptr<QTcpSocket> socket;
    if (secure) {
        auto* ssl = new QSslSocket;
        QSslConfiguration config = QSslConfiguration::defaultConfiguration();
        config.setCaCertificates({ServerIdentity::load()->certificate});
        ssl->setSslConfiguration(config);
        ssl->connectToHostEncrypted(QStringLiteral("127.0.0.1"), m_server.port());
        socket.reset(ssl);
        if (!ssl->waitForEncrypted(5000))
            return false;
    } else {
        socket = std::make_unique<QTcpSocket>();
        socket->connectToHost(QStringLiteral("127.0.0.1"), m_server.plainPort());
        if (!socket->waitForConnected(5000))
            return false;
    }
    socket->write("GET /status?t=" + token.toLatin1() + " HTTP/1.1\r\n\r\n");
    QByteArray answer;
    const bool closed = QTest::qWaitFor([&] {
        answer += socket->readAll();
        return socket->state() == QAbstractSocket::UnconnectedState;
    }, 5000);
    answer += socket->readAll();
    if (!closed)
        return false;
    return answer.startsWith("HTTP/1.1 200 OK\r\n") && answer.endsWith("{\"status\":\"Ready\"}");
}

void TestPhoneLoad::statusUnderLoad()
{
    // The first round warms up the allocator, the TLS library and the caches.
    const LoadRun warmUp = runWrk(statusUrl(true), 8, 2);
    QVERIFY2(warmUp.finished, qPrintable(warmUp.output));
    const qint64 before = residentKb();

    qint64 served = 0;
    for (const bool secure : {true, false, true}) {
        const LoadRun run = runWrk(statusUrl(secure), 8, 3);
        QVERIFY2(run.finished, qPrintable(run.output));
        QVERIFY2(run.requests > 100, qPrintable(run.output));
        QVERIFY2(run.socketErrors == 0 && run.notOk == 0, qPrintable(run.output));
        qInfo("%s: %lld requests, %.0f requests/s", secure ? "https" : "http", run.requests, run.perSecond);
        served += run.requests;
    }
    QTRY_VERIFY(m_seen >= served);
    const qint64 after = residentKb();
    qInfo("resident memory: %lld kB before, %lld kB after %lld more requests", before, after, served);
    // Flat: what the warmed-up server keeps does not grow with the requests
    // it serves (a leak of even 1 kB per request would show many megabytes).
    QVERIFY2(after - before < 8 * 1024, qPrintable(QStringLiteral("%1 kB -> %2 kB").arg(before).arg(after)));
}

void TestPhoneLoad::tokenHolderServedThroughAFlood()
{
    // 200 connections that never send a request and 200 that dribble a head
    // without a token, reopened whenever the server closes them, on both
    // listeners. The phone with the token is still served, each time, long
    // before any of the flood's head deadlines runs out, and the log gets a
    // few lines for the whole flood, not one per connection.
    Log::flush();
    const qsizetype logBefore = m_data.read("kesto.log").size();
    const qint64 before = residentKb();
    std::vector<std::unique_ptr<ConnectionFlood>> floods;
    for (const bool secure : {true, false}) {
        const ConnectionFlood::Target target{secure ? m_server.port() : m_server.plainPort(), secure};
        floods.push_back(std::make_unique<ConnectionFlood>(target, 100, 100));
    }
    QTest::qWait(3000);
    for (int round = 0; round < 5; ++round) {
        QVERIFY2(servesOneRequest(true), "https");
        QVERIFY2(servesOneRequest(false), "http");
        QTest::qWait(200);
    }
    const qint64 during = residentKb();
    qint64 reopened = 0;
    for (const auto& flood : floods)
        reopened += flood->reopened();
    floods.clear();
    qInfo("flood: %lld connections reopened after the server closed them; resident memory %lld kB before, "
          "%lld kB during", reopened, before, during);
    QVERIFY2(reopened > 400, qPrintable(QString::number(reopened)));

    m_server.stop(); // writes the counts still waiting
    Log::flush();
    const QStringList lines = QString::fromUtf8(m_data.read("kesto.log").mid(logBefore)).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QVERIFY2(lines.size() <= 12, qPrintable(lines.join(QLatin1Char('\n'))));
    QVERIFY2(lines.join(QLatin1Char('\n')).contains(QStringLiteral("phone server: dropped the oldest connection still without a request, ")),
             qPrintable(lines.join(QLatin1Char('\n'))));
}

QTEST_GUILESS_MAIN(TestPhoneLoad)
#include "TestPhoneLoad.moc"
