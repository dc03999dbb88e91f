#include "Workload.h"

#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <sys/resource.h>

namespace {

double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    return values.at(values.size() / 2);
}

double timed(const std::function<void()>& work)
{
    QElapsedTimer timer;
    timer.start();
    work();
    return double(timer.nsecsElapsed()) / 1e6;
}

long peakMegabytes()
{
    struct rusage usage;
    ::getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024;
}

} // namespace

void runWorkloads(const QList<Workload>& workloads)
{
    std::printf("%-56s %10s %10s %7s %9s\n", "workload", "median ms", "floor ms", "ratio",
                "peak MB");
    for (const Workload& w : workloads) {
        QList<double> measured, floor;
        for (int i = 0; i < w.runs; ++i) {
            if (w.floor)
                floor.append(timed(w.floor));
            if (w.setup)
                w.setup();
            measured.append(timed(w.measured));
        }
        const double m = median(measured);
        if (floor.isEmpty()) {
            std::printf("%-56s %10.1f %10s %7s %9ld\n", qPrintable(w.name), m, "-", "-",
                        peakMegabytes());
        } else {
            const double f = median(floor);
            std::printf("%-56s %10.1f %10.1f %7.2f %9ld\n", qPrintable(w.name), m, f,
                        f > 0 ? m / f : 0.0, peakMegabytes());
        }
        std::fflush(stdout);
    }
}
