#pragma once

#include <QList>
#include <QString>
#include <functional>

// One measured interaction next to its floor: the bare file-system work (the same listings
// and reads) that no implementation can beat, timed in the same run.
struct Workload
{
    QString name;
    // With its independent work spread over that many threads; empty when the interaction
    // does no file-system work.
    std::function<void(int threads)> floor;
    std::function<void()> measured;
    std::function<void()> setup = {}; // before each measured run, not timed
    int runs = 5;
};

// Runs each workload several times, a short one until its runs have taken a second (its
// floor on one thread, its floor on `threads` threads and the interaction, in turn), and
// prints one table: the median wall and processor times, their ratios and the peak memory of
// the process so far.
void runWorkloads(const QList<Workload>& workloads, int threads);
// Prints the peak memory that fill() adds to what setup() leaves, per row that fill() says
// it listed.
void printBytesPerRow(const QString& name, const std::function<void()>& setup,
                      const std::function<qsizetype()>& fill);
// The same through a simulated network share, fewer times, with the floor both one request
// at a time and 16 at a time, the ratio to the latter, and the requests (as requests()
// counts them) that the interaction and the floor sent.
void runShareWorkloads(const QList<Workload>& workloads, const std::function<long()>& requests);
