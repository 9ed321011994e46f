#pragma once
// Timing helpers for the benchmarks and the one line format that bench/run collects.

#include <QString>
#include <QStringList>
#include <chrono>
#include <functional>

namespace bench {

// Best (lowest) wall time of fn over the given number of runs, in milliseconds.
double bestMs(int runs, const std::function<void()> &fn);
// Median wall time of fn, in microseconds, over the given number of runs.
double medianUs(int runs, const std::function<void()> &fn);
// Peak resident memory of this process so far, in megabytes.
double peakRssMb();

// One run of another program (its stderr discarded): wall time, its own processor time (user and
// system, which a busy machine does not inflate) and its own peak memory, from wait4(). A failed
// run ends the benchmark.
struct ProcessRun
{
    double ms = 0;
    double cpuMs = 0;
    double peakMb = 0;
};
ProcessRun runProcess(const QString &exe, const QStringList &args);

// Prints "BENCH<tab>figure<tab>target<tab>measured<tab>ok|FAIL" and returns whether it met the target.
bool report(const QString &figure, const QString &target, double measured, double limit, const QString &unit);

} // namespace bench
