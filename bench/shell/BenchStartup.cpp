// Process start to ready (the first turn of the event loop) and idle memory
// of kesto-viruz as users start it, next to a minimal Qt Widgets program
// measured the same way in the same run; medians of the runs.
#include "BenchReport.h"
#include "ProcessProbe.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

namespace {

QProcessEnvironment environment()
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    // The real display when there is one: that is what users start on, and
    // with the animations they see.
    if (env.contains(QStringLiteral("DISPLAY")))
        env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    env.remove(QStringLiteral("KESTO_ANIMATIONS"));
    return env;
}

struct Totals
{
    std::vector<double> readyMs;
    std::vector<double> rssMb;

    double ready() const { return BenchReport::median(readyMs); }
    double rss() const { return BenchReport::median(rssMb); }
};

Totals minimalTotals;
Totals appTotals;

// False, with the run failed, when the process gave no figures.
bool record(benchmark::State& state, Totals& totals, const ProcessProbe::Figures& figures)
{
    if (!figures.error.isEmpty()) {
        state.SkipWithError(qPrintable(figures.error));
        return false;
    }
    state.SetIterationTime(figures.readyMs / 1000.0);
    totals.readyMs.push_back(figures.readyMs);
    totals.rssMb.push_back(figures.idleRssMb);
    state.counters["ready_ms"] = totals.ready();
    state.counters["idle_rss_mb"] = totals.rss();
    return true;
}

void MinimalWidgetsStart(benchmark::State& state)
{
    const QString program = QString::fromLocal8Bit(KESTO_MINIMAL_WIDGETS);
    for (auto _ : state) {
        const auto figures = ProcessProbe::measure(program, environment(), [](QProcess& p) {
            p.waitForReadyRead(1);
            return p.canReadLine();
        });
        if (!record(state, minimalTotals, figures))
            return;
    }
}

void KestoViruzStart(benchmark::State& state)
{
    const QString program = QString::fromLocal8Bit(KESTO_APP);
    for (auto _ : state) {
        QTemporaryDir data;
        QFile config(QDir(data.path()).filePath(QStringLiteral("config.json")));
        config.open(QIODevice::WriteOnly);
        config.write(QJsonDocument(QJsonObject{{QStringLiteral("onboardingDone"), true},
                                               {QStringLiteral("apiKey"), QStringLiteral("bench-key")}})
                         .toJson());
        config.close();
        QProcessEnvironment env = environment();
        env.insert(QStringLiteral("KESTO_DATA_DIR"), data.path());
        env.insert(QStringLiteral("KESTO_GEMINI_URL"), QStringLiteral("http://127.0.0.1:9"));
        const QString log = QDir(data.path()).filePath(QStringLiteral("kesto.log"));
        const auto figures = ProcessProbe::measure(program, env, [&log](QProcess&) {
            QFile file(log);
            return file.open(QIODevice::ReadOnly) && file.readAll().contains(" ready\n");
        });
        if (!record(state, appTotals, figures))
            return;
        if (!minimalTotals.readyMs.empty()) {
            state.counters["ready_ratio"] = appTotals.ready() / minimalTotals.ready();
            state.counters["rss_ratio"] = appTotals.rss() / minimalTotals.rss();
        }
    }
}

} // namespace

BENCHMARK(MinimalWidgetsStart)->UseManualTime()->Iterations(5)->Unit(benchmark::kMillisecond);
BENCHMARK(KestoViruzStart)->UseManualTime()->Iterations(5)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    BenchReport::run(argc, argv);
    using BenchReport::atMost;
    const QString times = QStringLiteral("×");
    // The floor and the app's own figures for reading; the goals are on the
    // ratios, which the machine's load moves alike on both sides.
    BenchReport::headline(QStringLiteral("minimal Qt Widgets program, start to ready"), "MinimalWidgetsStart", "ready_ms", QStringLiteral("ms"));
    BenchReport::headline(QStringLiteral("start to ready"), "KestoViruzStart", "ready_ms", QStringLiteral("ms"));
    // Loading a year of stores, the tray, the talk key and the bus may cost a
    // few times an empty window: half a second where that takes 100 ms.
    BenchReport::headline(QStringLiteral("start to ready, next to the minimal program"), "KestoViruzStart", "ready_ratio",
                          times, atMost(6));
    BenchReport::headline(QStringLiteral("idle memory"), "KestoViruzStart", "idle_rss_mb", QStringLiteral("MB"), atMost(100));
    BenchReport::headline(QStringLiteral("idle memory, next to the minimal program"), "KestoViruzStart", "rss_ratio", times,
                          atMost(3));
    return BenchReport::finish();
}
