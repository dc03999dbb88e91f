#pragma once

#include <QList>
#include <functional>

namespace vastrel::platform {

// Independent file work spread over a bounded pool of threads. On a network share every
// listing, lookup and read waits for a round trip: many of them at once overlap their waits.
// The caller merges the results in its own order, so what it builds does not depend on
// which thread finished first.
class WorkPool
{
public:
    static constexpr int kNetworkThreads = 16;
    static constexpr int kMaxThreads = 64;

    // VASTREL_THREADS in the environment, when it holds a number from 1 to kMaxThreads, or
    // the number given to setThreads(); else the width chosen for the folder worked on. 1
    // does all the work in the calling thread.
    static int threads();
    // 0 sets none; the setting it replaces.
    static int setThreads(int threads);
    // The width for work on this folder when none is set: kNetworkThreads on a network share,
    // where the threads mostly wait; on a local disk one per core, as more would only take
    // turns.
    static void chooseFor(const QString& folder);

    // Called on the calling thread now and then while the work goes on: how many items are
    // done, of how many.
    using Progress = std::function<void(qsizetype done, qsizetype count)>;

    // Calls work(i) for every i below count on up to threads() threads (the calling thread
    // among them when they are no more than the cores) and returns when all calls have
    // returned. The calls must not touch what another call writes.
    static void run(qsizetype count, const std::function<void(qsizetype)>& work,
                    const Progress& progress = {});

    // work(i) for every i below count, in the order of i.
    template <typename Result, typename Work>
    static QList<Result> map(qsizetype count, const Work& work, const Progress& progress = {})
    {
        QList<Result> results(count);
        Result* out = results.data();
        run(
            count, [&](qsizetype i) { out[i] = work(i); }, progress);
        return results;
    }
};

} // namespace vastrel::platform
