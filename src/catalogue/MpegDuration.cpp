#include "MpegDuration.h"

#include <algorithm>
#include <limits>

namespace vastrel::catalogue {

namespace {

// ISO/IEC 11172-3 and 13818-3, bit-rate indexes 1 to 14.
constexpr short kBitRates[14][5] = {
    {32, 32, 32, 32, 8},       {64, 48, 40, 48, 16},      {96, 56, 48, 56, 24},
    {128, 64, 56, 64, 32},     {160, 80, 64, 80, 40},     {192, 96, 80, 96, 48},
    {224, 112, 96, 112, 56},   {256, 128, 112, 128, 64},  {288, 160, 128, 144, 80},
    {320, 192, 160, 160, 96},  {352, 224, 192, 176, 112}, {384, 256, 224, 192, 128},
    {416, 320, 256, 224, 144}, {448, 384, 320, 256, 160},
};

int byteAt(const QByteArray& header, qsizetype i)
{
    return i < header.size() ? static_cast<unsigned char>(header[i]) : 0;
}

// Position (0-based) of the first frame header that the scan accepts, or -1.
qsizetype firstHeader(const QByteArray& header)
{
    for (qsizetype i = 0; i + 2 < MpegDuration::kHeaderBytes; ++i) {
        const int b2 = byteAt(header, i + 2);
        if (byteAt(header, i) == 255 && byteAt(header, i + 1) >= 226 && b2 >= 16 && b2 <= 235)
            return i;
    }
    return -1;
}

// Where an ID3v2 tag at the start ends (its size is stored in 7-bit bytes), or 0.
qsizetype id3v2End(const QByteArray& header)
{
    if (!header.startsWith("ID3"))
        return 0;
    qsizetype size = 10;
    for (int k = 6; k < 10; ++k)
        size += qsizetype(byteAt(header, k) & 0x7F) << (7 * (9 - k));
    return byteAt(header, 5) & 0x10 ? size + 10 : size;
}

} // namespace

bool MpegDuration::estimateHolds(const QByteArray& header)
{
    const qsizetype i = firstHeader(header);
    if (i < 0 || i < id3v2End(header))
        return false;
    // The Xing header follows the side information, whose size depends on version and mode.
    const bool mpeg1 = (byteAt(header, i + 1) / 8) % 4 == 3;
    const bool mono = byteAt(header, i + 3) / 64 == 3;
    const qsizetype xing = i + 4 + (mpeg1 ? (mono ? 17 : 32) : (mono ? 9 : 17));
    return header.mid(xing, 4) != "Xing" && header.mid(i + 36, 4) != "VBRI";
}

int MpegDuration::bitRate(int index, int column)
{
    return kBitRates[index - 1][column];
}

int MpegDuration::DurataMPEG(const QByteArray& header, qint64 fileLength)
{
    const qsizetype i = firstHeader(header);
    if (i < 0)
        return -1;
    // Version: 3 is MPEG-1; 2 and 0 (MPEG-2.5) count as MPEG-2; 1 is reserved.
    const int b1 = byteAt(header, i + 1);
    const int v = (b1 / 8) % 4;
    if (v == 1)
        return -1;
    const int version = v == 3 ? 1 : 2;
    // MPEG-2 Layer III shares the Layer II column.
    const int l = (b1 / 2) % 4;
    if (l == 0)
        return -1;
    int layer = 4 - l;
    if (layer == 3 && version == 2)
        layer = 2;
    const int r = byteAt(header, i + 2) / 16;
    if (r == 0 || r == 15)
        return -1;
    const int column = 3 * version + layer - 4;
    const qint32 bytesPerSecond = qint32(bitRate(r, column)) * 125;
    return int(std::min<qint64>(fileLength / bytesPerSecond, std::numeric_limits<int>::max()));
}

} // namespace vastrel::catalogue
