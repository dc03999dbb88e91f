#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringView>

namespace vastrel::texts {

// The reader works on units: a unit below U+0100 is one byte of the RTF stream,
// a unit from U+0100 on is literal text (a file that was valid UTF-8 can carry
// characters that no byte stands for).
class RtfInput
{
public:
    // Text as the program reads files: Windows-1252 decoding is undone, so the
    // characters it made from 0x80..0x9F become those bytes again.
    static QString fromText(QStringView text);
    static QString fromBytes(QByteArrayView bytes);
    // Index of the first unit after a byte order mark and white space.
    static qsizetype contentStart(QStringView units);
    static bool hasRtfHeader(QStringView units);
};

} // namespace vastrel::texts
