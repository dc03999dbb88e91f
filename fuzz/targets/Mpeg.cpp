// The playing time of any header buffer and any file length up to 2^40 bytes. The exact
// answers are in the unit tests; here the answer must stay within its bounds.
#include "FuzzTargets.h"
#include "catalogue/MpegDuration.h"

#include <QByteArray>

namespace vastrel::fuzz {

void mpeg(QByteArrayView data)
{
    // The first five bytes are the file's length (0 to 2^40 - 1), the rest its first bytes.
    qint64 fileLength = 0;
    for (qsizetype k = 0; k < 5 && k < data.size(); ++k)
        fileLength = fileLength << 8 | static_cast<unsigned char>(data[k]);
    const QByteArray header = data.size() > 5 ? data.sliced(5).toByteArray() : QByteArray();
    const int seconds = catalogue::MpegDuration::DurataMPEG(header, fileLength);
    // The program passes at most the first 4100 bytes, and a buffer that ends early reads as
    // one padded with zeros: neither may change the answer.
    const QByteArray first = header.left(catalogue::MpegDuration::kHeaderBytes);
    check(seconds == catalogue::MpegDuration::DurataMPEG(first, fileLength),
          "bytes past the header buffer do not matter");
    check(seconds == catalogue::MpegDuration::DurataMPEG(first + QByteArray(8, '\0'), fileLength),
          "zeros after a short buffer do not matter");
    check(seconds == -1 || (seconds >= 0 && seconds <= fileLength / 1000),
          "the playing time is -1 or at most the length at 8 kbit/s");
}

} // namespace vastrel::fuzz
