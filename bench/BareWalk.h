#pragma once

#include <QByteArray>

// The floor of the benchmarks: plain POSIX calls with no other logic.
class BareWalk
{
public:
    // Reads every entry name of a folder; the number of entries, -1 when it cannot be opened.
    static int listFolder(const QByteArray& path);
    // Reads up to n bytes from the start of a file.
    static qsizetype readStart(const QByteArray& path, qsizetype n);
};
