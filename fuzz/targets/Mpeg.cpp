// The playing time of any header buffer and any file length up to 2^40 bytes.
#include "FuzzTargets.h"
#include "catalogue/MpegDuration.h"

#include <QByteArray>

namespace vastrel::fuzz {

namespace {

int byteAt(QByteArrayView b, qint64 i1)
{
    // 1-based, as the rules count; past the buffer's end a position holds 0.
    return i1 <= b.size() ? static_cast<unsigned char>(b[i1 - 1]) : 0;
}

// The rules step by step, as plainly as they are written.
int reference(QByteArrayView header, qint64 fileLength)
{
    qint64 i = 1;
    while (i <= 4098) {
        if (byteAt(header, i) == 255 && byteAt(header, i + 1) >= 226 &&
            byteAt(header, i + 2) >= 16 && byteAt(header, i + 2) <= 235)
            break;
        ++i;
    }
    if (i > 4098)
        return -1;
    const int b1 = byteAt(header, i + 1);
    const int v = (b1 / 8) % 4;
    if (v == 1)
        return -1;
    const int version = v == 3 ? 1 : 2;
    const int l = (b1 / 2) % 4;
    if (l == 0)
        return -1;
    int layer = 4 - l;
    if (layer == 3 && version == 2)
        layer = 2;
    const int r = byteAt(header, i + 2) / 16;
    if (r == 0 || r == 15)
        return -1;
    const int rate = catalogue::MpegDuration::bitRate(r, 3 * version + layer - 4);
    const qint64 seconds = fileLength / (qint64(rate) * 125);
    return seconds > 0x7FFFFFFF ? 0x7FFFFFFF : int(seconds);
}

} // namespace

void mpeg(QByteArrayView data)
{
    // The first five bytes are the file's length (0 to 2^40 - 1), the rest its first bytes.
    qint64 fileLength = 0;
    for (qsizetype k = 0; k < 5 && k < data.size(); ++k)
        fileLength = fileLength << 8 | static_cast<unsigned char>(data[k]);
    const QByteArray header = data.size() > 5 ? data.sliced(5).toByteArray() : QByteArray();
    // The program passes at most the first 4100 bytes; longer buffers must not matter.
    const int seconds = catalogue::MpegDuration::DurataMPEG(header, fileLength);
    const int expected = reference(
        QByteArrayView(header).first(std::min<qsizetype>(header.size(), 4100)), fileLength);
    check(seconds == expected, "the playing time follows the rules");
    check(seconds == -1 || (seconds >= 0 && seconds <= fileLength / 1000),
          "the playing time is -1 or at most the length at 8 kbit/s");
}

} // namespace vastrel::fuzz
