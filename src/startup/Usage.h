#pragma once

#include <QString>

namespace vastrel::startup {

// The answers to --help and --version, printed on standard output.
class Usage
{
public:
    static QString help();
    static QString version();
};

} // namespace vastrel::startup
