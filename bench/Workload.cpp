#include "Workload.h"

#include <QElapsedTimer>
#include <QFile>
#include <QThread>
#include <algorithm>
#include <cstdio>
#include <malloc.h>
#include <numeric>
#include <sys/resource.h>

namespace {

constexpr int kShareThreads = 16;
constexpr int kShareRuns = 3;
constexpr qint64 kLongRunMs = 20000;
// Longer than the second for which the share's lookups stay cached.
constexpr unsigned long kSharePauseMs = 1100;
constexpr unsigned long kReleaseWaitMs = 100;
// A workload of a few milliseconds varies by half from run to run on a small machine that
// does something else now and then: it runs more often, until its runs have taken this long
// together, so that its median holds.
constexpr double kSteadyMs = 1000;
constexpr int kMaxRuns = 25;

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

// A timed part on the share: how long it took and how many requests it sent.
struct ShareRun
{
    double ms;
    long requests;
};

// On the share each timed part starts once what the part before looked up has expired. Its
// requests are counted, where the share counts them, once the last releases, which the
// kernel sends in the background, have come in too.
ShareRun timedOnShare(const std::function<void()>& work, const std::function<long()>& requests)
{
    QThread::msleep(kSharePauseMs);
    if (!requests)
        return {timed(work), -1};
    const long before = requests();
    const double ms = timed(work);
    QThread::msleep(kReleaseWaitMs);
    return {ms, requests() - before};
}

QByteArray count(long requests)
{
    return requests < 0 ? QByteArray("-") : QByteArray::number(requests);
}

long peakMegabytes()
{
    struct rusage usage;
    ::getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024;
}

double milliseconds(const timeval& t)
{
    return double(t.tv_sec) * 1e3 + double(t.tv_usec) / 1e3;
}

// The processor time of the whole process, every thread, in user mode and in the kernel.
double processorMs()
{
    struct rusage usage;
    ::getrusage(RUSAGE_SELF, &usage);
    return milliseconds(usage.ru_utime) + milliseconds(usage.ru_stime);
}

// The wall times and the processor times of a workload's runs, one value per run.
struct Costs
{
    QList<double> wall;
    QList<double> processor;

    void add(const std::function<void()>& work)
    {
        const double before = processorMs();
        wall.append(timed(work));
        processor.append(processorMs() - before);
    }

    double wallTotal() const { return std::accumulate(wall.begin(), wall.end(), 0.0); }
};

// A field of /proc/self/status in kB ("VmRSS", "VmHWM"); -1 when it cannot be read.
long statusKilobytes(const QByteArray& field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(field + ':'))
            return line.mid(field.size() + 1).trimmed().split(' ').value(0).toLong();
    }
    return -1;
}

// The peak resident size starts again from the current one (Linux 4.0 and later).
bool resetPeak()
{
    QFile refs(QStringLiteral("/proc/self/clear_refs"));
    return refs.open(QIODevice::WriteOnly) && refs.write("5") == 1;
}

} // namespace

void runWorkloads(const QList<Workload>& workloads, int threads)
{
    std::printf("Floors one thread at a time and %d at a time (the program's width); CPU: user + "
                "system time of the process\n",
                threads);
    const QByteArray wide = QByteArray::number(threads) + "-way";
    std::printf("%-56s %9s %8s %9s %9s %9s %6s %9s %11s %8s\n", "workload", "median ms", "CPU ms",
                "floor ms", "floor CPU", (wide + " ms").constData(), "ratio", "CPU ratio",
                (wide + " ratio").constData(), "peak MB");
    for (const Workload& w : workloads) {
        Costs measured, floor, wideFloor;
        for (int i = 0; i < w.runs || (i < kMaxRuns && measured.wallTotal() < kSteadyMs); ++i) {
            if (w.floor) {
                floor.add([&] { w.floor(1); });
                wideFloor.add([&] { w.floor(threads); });
            }
            if (w.setup)
                w.setup();
            measured.add(w.measured);
        }
        std::printf("%-56s %9s %8s %9s %9s %9s %6s %9s %11s %8ld\n", qPrintable(w.name),
                    cell(measured.wall).constData(), cell(measured.processor).constData(),
                    cell(floor.wall).constData(), cell(floor.processor).constData(),
                    cell(wideFloor.wall).constData(), ratio(measured.wall, floor.wall).constData(),
                    ratio(measured.processor, floor.processor).constData(),
                    ratio(measured.wall, wideFloor.wall).constData(), peakMegabytes());
        std::fflush(stdout);
    }
}

void printBytesPerRow(const QString& name, const std::function<void()>& setup,
                      const std::function<qsizetype()>& fill)
{
    setup();
    // What the earlier work left free goes back to the system: the rise that follows is
    // what the rows take.
    ::malloc_trim(0);
    const long before = statusKilobytes("VmRSS");
    if (before < 0 || !resetPeak()) {
        std::printf("%s: no peak memory to read here\n", qPrintable(name));
        return;
    }
    const qsizetype rows = fill();
    const long above = statusKilobytes("VmHWM") - before;
    std::printf("%s: %lld rows, peak %.1f MB above the window with nothing checked, %lld bytes "
                "per row\n",
                qPrintable(name), qlonglong(rows), double(above) / 1024,
                qlonglong(above * 1024 / std::max<qsizetype>(rows, 1)));
    std::fflush(stdout);
}

void runShareWorkloads(const QList<Workload>& workloads, const std::function<long()>& requests)
{
    std::printf("At most %d runs of each, none after a run over %lld s; each timed part %lu ms "
                "after the one before; ratio: median / 16-way floor; requests: those the share "
                "answered in the last run\n",
                kShareRuns, kLongRunMs / 1000, kSharePauseMs);
    std::printf("%-56s %4s %10s %10s %10s %7s %9s %9s %9s\n", "workload", "runs", "median ms",
                "1-way ms", "16-way ms", "ratio", "requests", "floor req", "peak MB");
    for (const Workload& w : workloads) {
        QList<double> measured, oneWay, manyWays;
        long measuredRequests = -1, floorRequests = -1;
        for (int i = 0; i < std::min(w.runs, kShareRuns); ++i) {
            QElapsedTimer run;
            run.start();
            if (w.floor) {
                oneWay.append(timedOnShare([&] { w.floor(1); }, requests).ms);
                const ShareRun floor = timedOnShare([&] { w.floor(kShareThreads); }, requests);
                manyWays.append(floor.ms);
                floorRequests = floor.requests;
            }
            if (w.setup)
                w.setup();
            const ShareRun program = timedOnShare(w.measured, requests);
            measured.append(program.ms);
            measuredRequests = program.requests;
            if (run.elapsed() > kLongRunMs)
                break;
        }
        std::printf("%-56s %4lld %10s %10s %10s %7s %9s %9s %9ld\n", qPrintable(w.name),
                    qlonglong(measured.size()), cell(measured).constData(),
                    cell(oneWay).constData(), cell(manyWays).constData(),
                    ratio(measured, manyWays).constData(), count(measuredRequests).constData(),
                    count(w.floor ? floorRequests : -1).constData(), peakMegabytes());
        std::fflush(stdout);
    }
}
