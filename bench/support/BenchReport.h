#pragma once

#include <QString>

#include <optional>
#include <string>
#include <vector>

// What a benchmark program reports, in one form that `make bench` gathers
// into its summary table (bench/README.md describes it).
//
// A program runs its benchmarks through run(), names its headline figures
// with headline() or figure(), and returns finish() from main(). Any
// benchmark that errors or skips, any headline that was not measured or
// misses its goal, and any missing() makes the program exit 1: a time-out or
// a dead process is never passed off as a figure.
namespace BenchReport {

// Which way a figure is good, against its goal.
enum class Better { lower, higher };

struct Goal
{
    double value;
    Better better;
};

inline Goal atMost(double value) { return {value, Better::lower}; }
inline Goal atLeast(double value) { return {value, Better::higher}; }

// Runs the registered Google Benchmark cases with the console reporter,
// noting each run and each error.
void run(int& argc, char** argv);

// As a counter: the run's CPU time per iteration of the measuring thread, in
// the run's unit. For work done on one thread it is what that thread costs,
// whatever else the machine is busy with, where real time is not.
inline const std::string cpuTime = "cpu_time";

// A finished run's figure: its real time per iteration in the run's unit
// (counter empty), its CPU time (cpuTime) or one of its counters. None when
// the run errored, was skipped or never ran.
std::optional<double> measured(const std::string& run, const std::string& counter = {});

// Reports a measured figure as a headline; a missing one, and one that misses
// its goal, is a failure.
void headline(const QString& name, const std::string& run, const std::string& counter, const QString& unit,
              std::optional<Goal> goal = std::nullopt);

// Reports a figure computed by the program itself; not finite, or missing its
// goal, is a failure. KESTO_BENCH_IMPOSSIBLE_GOAL=<name> makes the goal of the
// figure of that name one that nothing can meet, to show that a miss fails.
void figure(const QString& name, double value, const QString& unit, std::optional<Goal> goal = std::nullopt);

// The calling thread's CPU time so far, in milliseconds: to time work of the
// interface thread by what it costs there, which other programs on the
// machine do not change.
double threadCpuMs();

// The middle of several runs' values (the mean of the middle two for an even
// count): one noisy run decides nothing. Not a number when there are none.
double median(std::vector<double> values);

// A measurement that could not be made.
void missing(const QString& why);

// Writes the end of the report; 0 when everything was measured, else 1.
int finish();

} // namespace BenchReport
