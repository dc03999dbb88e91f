#include "WorkPool.h"

#include <QSemaphore>
#include <QThreadPool>
#include <algorithm>
#include <atomic>

namespace vastrel::platform {

namespace {

constexpr int kProgressIntervalMs = 50;

int threadsFromEnvironment()
{
    bool ok = false;
    const int n = qEnvironmentVariableIntValue("VASTREL_THREADS", &ok);
    return ok && n >= 1 && n <= WorkPool::kMaxThreads ? n : WorkPool::kDefaultThreads;
}

std::atomic<int>& configured()
{
    static std::atomic<int> n{threadsFromEnvironment()};
    return n;
}

// The work waits on the disk or the network far more than it computes: as many threads as
// the work asks for, whatever the number of cores.
class Pool : public QThreadPool
{
public:
    Pool() { setMaxThreadCount(WorkPool::kMaxThreads); }
};

QThreadPool& pool()
{
    static Pool p;
    return p;
}

} // namespace

int WorkPool::threads()
{
    return configured().load();
}

void WorkPool::setThreads(int threads)
{
    configured().store(std::clamp(threads, 1, kMaxThreads));
}

void WorkPool::run(qsizetype count, const std::function<void(qsizetype)>& work,
                   const Progress& progress)
{
    if (count <= 0)
        return;
    if (progress)
        progress(0, count);
    const int workers = int(std::min<qsizetype>(threads(), count));
    if (workers <= 1) {
        for (qsizetype i = 0; i < count; ++i) {
            work(i);
            if (progress)
                progress(i + 1, count);
        }
        return;
    }
    // Each worker takes the next item until none is left, so a slow item holds up one
    // thread only.
    std::atomic<qsizetype> next{0};
    std::atomic<qsizetype> done{0};
    QSemaphore finished;
    const auto worker = [&] {
        for (qsizetype i = next++; i < count; i = next++) {
            work(i);
            ++done;
        }
        finished.release();
    };
    for (int t = 0; t < workers; ++t)
        pool().start(worker);
    while (!finished.tryAcquire(workers, kProgressIntervalMs)) {
        if (progress)
            progress(done.load(), count);
    }
}

} // namespace vastrel::platform
