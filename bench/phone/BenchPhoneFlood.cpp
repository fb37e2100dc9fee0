// The phone server answering its phone while a neighbour floods it: wrk on
// GET /status with the token, alone and while 200 idle and 200 dribbling
// connections without a token are held (reopened as the server closes them)
// by a second process, with this process's memory before and after. The
// flood is checked to fill the server's waiting room before anything is
// measured.
#include "BenchReport.h"
#include "ConnectionFlood.h"
#include "TempDataDir.h"
#include "phone/PhoneServer.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>

#include <cstdio>

namespace {

const QString token = QStringLiteral("abcd2345efgh6789");

struct Wrk
{
    double perSecond = 0;
    qint64 requests = 0;
    qint64 failures = 0; // socket errors and answers other than 2xx/3xx
    bool ok = false;
};

qint64 captured(const QString& text, const QString& pattern, int group = 1)
{
    const QRegularExpressionMatch match = QRegularExpression(pattern).match(text);
    return match.hasMatch() ? match.captured(group).toLongLong() : 0;
}

Wrk runWrk(const QString& url, int seconds)
{
    QProcess wrk;
    wrk.setProcessChannelMode(QProcess::MergedChannels);
    wrk.start(QStringLiteral("wrk"), {QStringLiteral("-t2"), QStringLiteral("-c8"), QStringLiteral("-d%1s").arg(seconds),
                                      QStringLiteral("--timeout"), QStringLiteral("5s"), url});
    Wrk result;
    if (!wrk.waitForStarted(5000))
        return result;
    // The event loop turns meanwhile: the server's signals reach this thread.
    result.ok = QTest::qWaitFor([&] { return wrk.state() == QProcess::NotRunning; }, (seconds + 30) * 1000)
                && wrk.exitCode() == 0;
    const QString output = QString::fromUtf8(wrk.readAll());
    result.requests = captured(output, QStringLiteral("(\\d+) requests in"));
    const QRegularExpressionMatch rate = QRegularExpression(QStringLiteral("Requests/sec:\\s+([0-9.]+)")).match(output);
    result.perSecond = rate.hasMatch() ? rate.captured(1).toDouble() : 0;
    for (int i = 1; i <= 4; ++i)
        result.failures += captured(output, QStringLiteral("Socket errors: connect (\\d+), read (\\d+), write (\\d+), timeout (\\d+)"), i);
    result.failures += captured(output, QStringLiteral("Non-2xx or 3xx responses: (\\d+)"));
    return result;
}

double residentMb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    return captured(QString::fromLatin1(status.readAll()), QStringLiteral("VmRSS:\\s+(\\d+) kB")) / 1024.0;
}

struct Fixture
{
    TempDataDir data;
    PhoneServer server;

    Fixture()
    {
        server.setStatusText([] { return QStringLiteral("Ready"); });
        server.start(0, quint16(0), token);
    }

    QString url(bool secure) const
    {
        return secure ? QStringLiteral("https://127.0.0.1:%1/status?t=%2").arg(server.port()).arg(token)
                      : QStringLiteral("http://127.0.0.1:%1/status?t=%2").arg(server.plainPort()).arg(token);
    }
};

Fixture* fixture = nullptr;

// Idle and dribbling connections per listener, on both listeners.
constexpr int floodIdle = 100;
constexpr int floodDribbling = 100;
int lastOpen = 0;

// The flood's last report of its open connections ("open <n>" lines).
int floodOpen(QProcess& neighbour)
{
    while (neighbour.canReadLine()) {
        const QByteArray line = neighbour.readLine().trimmed();
        if (line.startsWith("open "))
            lastOpen = line.mid(5).toInt();
    }
    return neighbour.state() == QProcess::Running ? lastOpen : 0;
}

void statusWith(benchmark::State& state, bool secure, bool flood)
{
    if (!fixture->server.isRunning()) {
        state.SkipWithError("the phone server did not start");
        return;
    }
    runWrk(fixture->url(secure), 1); // warm-up
    const double before = residentMb();
    QProcess neighbour;
    if (flood) {
        lastOpen = 0;
        neighbour.start(QCoreApplication::applicationFilePath(),
                        {QStringLiteral("--flood"), QString::number(fixture->server.port()),
                         QString::number(fixture->server.plainPort())});
        // The server lets only so many wait for a head and evicts the rest,
        // which come back: the flood is in place once the waiting room is full.
        const int full = PhoneServer::Limits{}.pendingBudget;
        if (!QTest::qWaitFor([&] { return floodOpen(neighbour) >= full; }, 20000)) {
            state.SkipWithError(qPrintable(QStringLiteral("the flood held %1 connections open, not the %2 that fill the server's waiting room")
                                               .arg(floodOpen(neighbour)).arg(full)));
            return;
        }
        state.counters["flood_open"] = floodOpen(neighbour);
    }
    const double during = residentMb();
    Wrk wrk;
    for (auto _ : state) {
        wrk = runWrk(fixture->url(secure), 5);
        state.SetIterationTime(5);
    }
    const double after = residentMb();
    if (flood) {
        state.counters["flood_open_after"] = floodOpen(neighbour);
        neighbour.kill();
        neighbour.waitForFinished(5000);
    }
    if (!wrk.ok)
        state.SkipWithError("wrk failed");
    state.counters["req_per_s"] = wrk.perSecond;
    state.counters["requests"] = double(wrk.requests);
    state.counters["failures"] = double(wrk.failures);
    state.counters["rss_before_MB"] = before;
    state.counters["rss_flooded_MB"] = during;
    state.counters["rss_after_MB"] = after;
}

// Holds the flood until killed, reporting its open connections twice a second.
int runFlood(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc < 4)
        return 2;
    ConnectionFlood secure({quint16(QByteArray(argv[2]).toUInt()), true}, floodIdle, floodDribbling);
    ConnectionFlood plain({quint16(QByteArray(argv[3]).toUInt()), false}, floodIdle, floodDribbling);
    QTimer report;
    QObject::connect(&report, &QTimer::timeout, [&] {
        std::printf("open %d\n", secure.open() + plain.open());
        std::fflush(stdout);
    });
    report.start(500);
    return app.exec();
}

} // namespace

BENCHMARK_CAPTURE(statusWith, https_alone, true, false)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);
BENCHMARK_CAPTURE(statusWith, https_flooded, true, true)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);
BENCHMARK_CAPTURE(statusWith, http_alone, false, false)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);
BENCHMARK_CAPTURE(statusWith, http_flooded, false, true)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);

int main(int argc, char** argv)
{
    if (argc >= 2 && QByteArray(argv[1]) == "--flood")
        return runFlood(argc, argv);
    QCoreApplication app(argc, argv);
    Fixture local;
    fixture = &local;
    BenchReport::run(argc, argv);
    fixture = nullptr;
    using BenchReport::atLeast;
    using BenchReport::atMost;
    for (const char* listener : {"https", "http"}) {
        const QString name = QString::fromLatin1(listener);
        const std::string alone = std::string("statusWith/") + listener + "_alone";
        const std::string flooded = std::string("statusWith/") + listener + "_flooded";
        // A phone asks every few seconds and loads a page now and then: ten
        // answers a second leave it plenty.
        BenchReport::headline(name + QStringLiteral(" /status"), alone, "req_per_s", QStringLiteral("requests/s"), atLeast(10));
        BenchReport::headline(name + QStringLiteral(" /status under an idle flood"), flooded, "req_per_s",
                              QStringLiteral("requests/s"), atLeast(10));
        // The neighbour may slow the phone down, not take away more than half.
        const auto calm = BenchReport::measured(alone, "req_per_s");
        const auto busy = BenchReport::measured(flooded, "req_per_s");
        if (calm && busy && *calm > 0)
            BenchReport::figure(name + QStringLiteral(" /status under the flood, next to alone"), *busy / *calm,
                                QStringLiteral("×"), atLeast(0.5));
        // The phone is never refused for the neighbour's sake.
        BenchReport::headline(name + QStringLiteral(" /status failures under the flood"), flooded, "failures",
                              QStringLiteral("requests"), atMost(0));
        BenchReport::headline(name + QStringLiteral(" memory under the flood"), flooded, "rss_flooded_MB",
                              QStringLiteral("MB"), atMost(100));
    }
    return BenchReport::finish();
}
