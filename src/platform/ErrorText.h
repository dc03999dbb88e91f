#pragma once

#include <QString>

namespace vastrel::platform {

// The system's description of an error number, in Italian like the rest of the program.
class ErrorText
{
public:
    static QString describe(int error);
};

} // namespace vastrel::platform
