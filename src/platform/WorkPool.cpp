#include "WorkPool.h"

#include "FileSystem.h"

#include <QThread>
#include <QThreadPool>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <tuple>
#include <utility>

namespace vastrel::platform {

namespace {

constexpr auto kProgressInterval = std::chrono::milliseconds(50);

// 0: none set.
int threadsFromEnvironment()
{
    bool ok = false;
    const int n = qEnvironmentVariableIntValue("VASTREL_THREADS", &ok);
    return ok && n >= 1 && n <= WorkPool::kMaxThreads ? n : 0;
}

std::atomic<int>& configured()
{
    static std::atomic<int> n{threadsFromEnvironment()};
    return n;
}

std::atomic<int>& chosen()
{
    static std::atomic<int> n{WorkPool::kNetworkThreads};
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

// One run's items: each worker takes the next range of them until none is left. A range is
// a share of what is left, smaller and smaller towards the end, so that the workers touch
// the shared counter a few dozen times in a run, not once per item, and still finish
// together. Each worker counts the items it has done where no other worker writes, so that
// progress moves item by item also when an item waits long on a share.
class Batch
{
public:
    Batch(qsizetype count, const std::function<void(qsizetype)>& work, int workers)
        : m_count(count), m_work(work), m_workers(workers), m_done(new Done[size_t(workers)]),
          m_running(workers)
    {}

    // The calling thread passes the progress, which it reports now and then between items.
    void work(int worker, const WorkPool::Progress& progress = {})
    {
        std::atomic<qsizetype>& done = m_done[worker].items;
        auto reported = std::chrono::steady_clock::now();
        for (auto [from, to] = take(); from < to; std::tie(from, to) = take()) {
            for (qsizetype i = from; i < to; ++i) {
                m_work(i);
                done.store(done.load(std::memory_order_relaxed) + 1, std::memory_order_relaxed);
                if (progress && std::chrono::steady_clock::now() - reported >= kProgressInterval) {
                    progress(this->done(), m_count);
                    reported = std::chrono::steady_clock::now();
                }
            }
        }
        const std::lock_guard lock(m_mutex);
        if (--m_running == 0)
            m_finished.notify_one();
    }

    // Waits for every worker; progress now and then meanwhile.
    void wait(const WorkPool::Progress& progress)
    {
        std::unique_lock lock(m_mutex);
        while (!m_finished.wait_for(lock, kProgressInterval, [this] { return m_running == 0; })) {
            if (progress) {
                lock.unlock();
                progress(done(), m_count);
                lock.lock();
            }
        }
    }

private:
    struct alignas(64) Done
    {
        std::atomic<qsizetype> items{0};
    };

    qsizetype done() const
    {
        qsizetype sum = 0;
        for (int w = 0; w < m_workers; ++w)
            sum += m_done[w].items.load(std::memory_order_relaxed);
        return sum;
    }

    // The next range of items, empty when none is left.
    std::pair<qsizetype, qsizetype> take()
    {
        qsizetype from = m_next.load(std::memory_order_relaxed);
        qsizetype size = 0;
        do {
            if (from >= m_count)
                return {m_count, m_count};
            size = std::max<qsizetype>(1, (m_count - from) / (kShares * m_workers));
        } while (!m_next.compare_exchange_weak(from, from + size));
        return {from, from + size};
    }

    // Each range is at most this share of what is left per worker.
    static constexpr int kShares = 4;
    const qsizetype m_count;
    const std::function<void(qsizetype)>& m_work;
    const int m_workers;
    std::atomic<qsizetype> m_next{0};
    const std::unique_ptr<Done[]> m_done; // one for each worker
    std::mutex m_mutex;
    std::condition_variable m_finished;
    int m_running;
};

class Worker : public QRunnable
{
public:
    Worker(Batch& batch, int index) : m_batch(batch), m_index(index) {}
    void run() override { m_batch.work(m_index); }

private:
    Batch& m_batch;
    const int m_index;
};

} // namespace

int WorkPool::threads()
{
    const int n = configured().load();
    return n > 0 ? n : chosen().load();
}

void WorkPool::chooseFor(const QString& folder)
{
    chosen().store(FileSystem::isOnNetwork(folder)
                       ? kNetworkThreads
                       : std::clamp(QThread::idealThreadCount(), 1, kNetworkThreads));
}

int WorkPool::setThreads(int threads)
{
    return configured().exchange(std::clamp(threads, 0, kMaxThreads));
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
    // With no more threads than cores the work keeps every core busy, and the calling thread
    // takes a share: it has a core already, where a pool thread just woken may wait a few
    // milliseconds for one. With more (a network share, where the threads mostly wait on
    // requests) it only waits and reports progress, which an item held up would stop.
    const bool callerWorks = workers <= QThread::idealThreadCount();
    Batch batch(count, work, workers);
    for (int t = callerWorks ? 1 : 0; t < workers; ++t)
        pool().start(new Worker(batch, t));
    if (callerWorks)
        batch.work(0, progress);
    batch.wait(progress);
}

} // namespace vastrel::platform
