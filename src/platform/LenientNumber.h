#pragma once

#include <QString>

namespace vastrel::platform {

// Reads the number at the start of a text the lenient way numeric options are read:
// blanks, tabs and line feeds are skipped anywhere; then a sign, digits, a decimal point
// and digits, an exponent ("E" or "D", sign, digits); or "&H"/"&O" and a hexadecimal or
// octal integer. Reading stops at the first other character; no number gives 0.
class LenientNumber
{
public:
    static double read(QStringView text);
};

} // namespace vastrel::platform
