#pragma once

#include <QString>

namespace vastrel::platform {

// Asks the desktop to open a file with the application associated with its type.
class Opener
{
public:
    virtual ~Opener() = default;
    // False when the opener cannot be started or reports failure.
    virtual bool open(const QString& file, const QString& workingFolder) = 0;
};

} // namespace vastrel::platform
