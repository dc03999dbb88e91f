#pragma once

#include <QByteArray>

namespace vastrel::platform {

// Bytes read from a file, or the system error number that stopped the reading.
struct ReadResult
{
    QByteArray data;
    int error = 0;
    qint64 size = -1; // the whole file's size, when it could be opened

    bool ok() const { return error == 0; }
};

} // namespace vastrel::platform
