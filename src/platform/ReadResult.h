#pragma once

#include <QByteArray>

namespace vastrel::platform {

// Bytes read from a file, or the system error number that stopped the reading.
struct ReadResult
{
    QByteArray data;
    int error = 0;

    bool ok() const { return error == 0; }
};

} // namespace vastrel::platform
