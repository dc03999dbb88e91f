#include "Workload.h"

#include <QElapsedTimer>
#include <QThread>
#include <algorithm>
#include <cstdio>
#include <sys/resource.h>

namespace {

constexpr int kShareThreads = 16;
constexpr int kShareRuns = 3;
constexpr qint64 kLongRunMs = 20000;
// Longer than the second for which the share's lookups stay cached.
constexpr unsigned long kSharePauseMs = 1100;

double median(QList<double> values)
{
    std::sort(values.begin(), values.end());
    return values.at(values.size() / 2);
}

QByteArray cell(const QList<double>& values)
{
    return values.isEmpty() ? QByteArray("-") : QByteArray::number(median(values), 'f', 1);
}

QByteArray ratio(const QList<double>& measured, const QList<double>& floor)
{
    if (floor.isEmpty() || median(floor) <= 0)
        return "-";
    return QByteArray::number(median(measured) / median(floor), 'f', 2);
}

double timed(const std::function<void()>& work)
{
    QElapsedTimer timer;
    timer.start();
    work();
    return double(timer.nsecsElapsed()) / 1e6;
}

// On the share each timed part starts once what the part before looked up has expired.
double timedOnShare(const std::function<void()>& work)
{
    QThread::msleep(kSharePauseMs);
    return timed(work);
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
                floor.append(timed([&] { w.floor(1); }));
            if (w.setup)
                w.setup();
            measured.append(timed(w.measured));
        }
        std::printf("%-56s %10s %10s %7s %9ld\n", qPrintable(w.name), cell(measured).constData(),
                    cell(floor).constData(), ratio(measured, floor).constData(), peakMegabytes());
        std::fflush(stdout);
    }
}

void runShareWorkloads(const QList<Workload>& workloads)
{
    std::printf("At most %d runs of each, none after a run over %lld s; each timed part %lu ms "
                "after the one before; ratio: median / 16-way floor\n",
                kShareRuns, kLongRunMs / 1000, kSharePauseMs);
    std::printf("%-56s %4s %10s %10s %10s %7s %9s\n", "workload", "runs", "median ms", "1-way ms",
                "16-way ms", "ratio", "peak MB");
    for (const Workload& w : workloads) {
        QList<double> measured, oneWay, manyWays;
        for (int i = 0; i < std::min(w.runs, kShareRuns); ++i) {
            QElapsedTimer run;
            run.start();
            if (w.floor) {
                oneWay.append(timedOnShare([&] { w.floor(1); }));
                manyWays.append(timedOnShare([&] { w.floor(kShareThreads); }));
            }
            if (w.setup)
                w.setup();
            measured.append(timedOnShare(w.measured));
            if (run.elapsed() > kLongRunMs)
                break;
        }
        std::printf("%-56s %4lld %10s %10s %10s %7s %9ld\n", qPrintable(w.name),
                    qlonglong(measured.size()), cell(measured).constData(),
                    cell(oneWay).constData(), cell(manyWays).constData(),
                    ratio(measured, manyWays).constData(), peakMegabytes());
        std::fflush(stdout);
    }
}
