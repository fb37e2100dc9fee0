#include "BenchReport.h"

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>

#include <time.h>

namespace BenchReport {

namespace {

struct Noted
{
    double realTime = 0;
    double cpuTime = 0;
    std::map<std::string, double> counters;
};

std::map<std::string, Noted>& runs()
{
    static std::map<std::string, Noted> all;
    return all;
}

bool failed = false;
QString programName; // from argv[0]: a program may run without a QCoreApplication

QString program()
{
    if (programName.isEmpty() && QCoreApplication::instance())
        programName = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
    return programName;
}

// One JSON object a line in $KESTO_BENCH_FIGURES/<program>.jsonl; nothing
// when the variable is unset (a benchmark run by hand).
void write(QJsonObject record, bool truncate = false)
{
    const QString folder = qEnvironmentVariable("KESTO_BENCH_FIGURES");
    if (folder.isEmpty())
        return;
    QDir().mkpath(folder);
    QFile file(QDir(folder).filePath(program() + QStringLiteral(".jsonl")));
    if (!file.open(QIODevice::WriteOnly | (truncate ? QIODevice::Truncate : QIODevice::Append)))
        return;
    record.insert(QStringLiteral("bench"), program());
    file.write(QJsonDocument(record).toJson(QJsonDocument::Compact) + '\n');
}

class Reporter final : public benchmark::ConsoleReporter
{
public:
    void ReportRuns(const std::vector<Run>& reports) override
    {
        for (const Run& report : reports) {
            if (report.error_occurred) {
                missing(QString::fromStdString(report.benchmark_name() + ": " + report.error_message));
                continue;
            }
            if (report.run_type != Run::RT_Iteration || report.iterations <= 0)
                continue;
            Noted& noted = runs()[report.benchmark_name()];
            noted.realTime = report.GetAdjustedRealTime();
            noted.cpuTime = report.GetAdjustedCPUTime();
            for (const auto& [name, counter] : report.counters)
                noted.counters[name] = counter.value;
        }
        ConsoleReporter::ReportRuns(reports);
    }
};

} // namespace

void run(int& argc, char** argv)
{
    programName = QFileInfo(QString::fromLocal8Bit(argv[0])).fileName();
    write({{QStringLiteral("event"), QStringLiteral("start")}}, true);
    benchmark::Initialize(&argc, argv);
    Reporter reporter;
    if (benchmark::RunSpecifiedBenchmarks(&reporter) == 0)
        missing(QStringLiteral("no benchmark ran"));
    benchmark::Shutdown();
}

std::optional<double> measured(const std::string& run, const std::string& counter)
{
    // The name as registered; Google Benchmark may add "/iterations:3" and the like.
    auto it = runs().find(run);
    if (it == runs().end()) {
        it = std::find_if(runs().begin(), runs().end(),
                          [&run](const auto& noted) { return noted.first.rfind(run + '/', 0) == 0; });
    }
    if (it == runs().end())
        return std::nullopt;
    if (counter.empty())
        return it->second.realTime;
    if (counter == cpuTime)
        return it->second.cpuTime;
    const auto value = it->second.counters.find(counter);
    if (value == it->second.counters.end())
        return std::nullopt;
    return value->second;
}

void headline(const QString& name, const std::string& run, const std::string& counter, const QString& unit,
              std::optional<Goal> goal)
{
    if (const std::optional<double> value = measured(run, counter))
        figure(name, *value, unit, goal);
    else
        missing(name + QStringLiteral(" was not measured"));
}

void figure(const QString& name, double value, const QString& unit, std::optional<Goal> goal)
{
    if (!std::isfinite(value)) {
        missing(name + QStringLiteral(" was not measured"));
        return;
    }
    if (goal && qEnvironmentVariable("KESTO_BENCH_IMPOSSIBLE_GOAL") == name) {
        // Every figure here is a time, a size, a count or a ratio: none is
        // below zero or near 10^300.
        goal->value = goal->better == Better::lower ? -1 : 1e300;
    }
    QJsonObject record{{QStringLiteral("name"), name}, {QStringLiteral("value"), value}, {QStringLiteral("unit"), unit}};
    if (goal) {
        const bool met = goal->better == Better::lower ? value <= goal->value : value >= goal->value;
        record.insert(QStringLiteral("goal"), goal->value);
        record.insert(QStringLiteral("better"), goal->better == Better::lower ? QStringLiteral("lower") : QStringLiteral("higher"));
        record.insert(QStringLiteral("met"), met);
        if (!met) {
            failed = true;
            std::fprintf(stderr, "goal missed: %s: %g %s, goal %s %g\n", qPrintable(name), value, qPrintable(unit),
                         goal->better == Better::lower ? "at most" : "at least", goal->value);
        }
    }
    write(record);
}

double threadCpuMs()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

double median(std::vector<double> values)
{
    if (values.empty())
        return std::nan("");
    std::sort(values.begin(), values.end());
    const size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

void missing(const QString& why)
{
    failed = true;
    std::fprintf(stderr, "measurement missing: %s\n", qPrintable(why));
    write({{QStringLiteral("missing"), why}});
}

int finish()
{
    write({{QStringLiteral("event"), QStringLiteral("end")}, {QStringLiteral("ok"), !failed}});
    return failed ? 1 : 0;
}

} // namespace BenchReport
