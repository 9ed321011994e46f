#include "BenchSupport.h"

#include <QFile>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace bench {

double bestMs(int runs, const std::function<void()> &fn)
{
    double best = 1e300;
    for (int i = 0; i < runs; ++i) {
        const auto t0 = std::chrono::steady_clock::now();
        fn();
        const auto t1 = std::chrono::steady_clock::now();
        best = std::min(best, std::chrono::duration<double, std::milli>(t1 - t0).count());
    }
    return best;
}

double medianUs(int runs, const std::function<void()> &fn)
{
    std::vector<double> times;
    times.reserve(runs);
    for (int i = 0; i < runs; ++i) {
        const auto t0 = std::chrono::steady_clock::now();
        fn();
        const auto t1 = std::chrono::steady_clock::now();
        times.push_back(std::chrono::duration<double, std::micro>(t1 - t0).count());
    }
    std::sort(times.begin(), times.end());
    return times.at(times.size() / 2);
}

double peakRssMb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
    }
    return 0;
}

bool report(const QString &figure, const QString &target, double measured, double limit, const QString &unit)
{
    const bool ok = measured <= limit;
    std::printf("BENCH\t%s\t%s\t%.3f %s\t%s\n", qPrintable(figure), qPrintable(target), measured, qPrintable(unit),
                ok ? "ok" : "FAIL");
    std::fflush(stdout);
    return ok;
}

} // namespace bench
