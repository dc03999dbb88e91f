#pragma once

#include <QByteArray>

namespace vastrel::catalogue {

// The playing time of an MPEG audio file, estimated from the bit rate of the first frame
// header in its first bytes and the file's size, as if the whole file had that bit rate.
class MpegDuration
{
public:
    static constexpr qsizetype kHeaderBytes = 4100;

    // Seconds, or -1 when no usable frame header is found. header holds the file's first
    // bytes (a shorter file reads as if padded with zeros).
    static int DurataMPEG(const QByteArray& header, qint64 fileLength);
    // Whether the estimate holds: the first header the scan accepts lies past any ID3v2 tag
    // at the start (else it is tag bytes that look like one) and its frame carries no Xing or
    // VBRI header (the mark of a variable bit rate; lame's "Info", the same header in a
    // constant-bit-rate file, does not count).
    static bool estimateHolds(const QByteArray& header);
    // Kilobits per second for bit-rate index 1..14 and column 0..4: MPEG-1 Layer I, II, III,
    // MPEG-2 Layer I, MPEG-2 Layers II and III.
    static int bitRate(int index, int column);
};

} // namespace vastrel::catalogue
