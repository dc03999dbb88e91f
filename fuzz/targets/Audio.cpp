// Any bytes as a track file of each audio format: the playing time read by the estimate or by
// TagLib. The first byte chooses the file's extension, the rest is its content.
#include "FuzzTargets.h"
#include "catalogue/AudioLength.h"
#include "catalogue/MpegDuration.h"
#include "platform/FileSystem.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <iterator>

namespace vastrel::fuzz {

namespace {

const char* const kExtensions[] = {"mp3", "mp2", "mpeg", "flac", "ogg", "opus", "m4a",
                                   "mp4", "wav", "aiff", "wv",   "wma", "mpc",  "webm"};

// The folder lives as long as the process, in memory where the system offers it.
const QTemporaryDir& folder()
{
    static const QTemporaryDir dir((QFileInfo(QStringLiteral("/dev/shm")).isWritable()
                                        ? QStringLiteral("/dev/shm")
                                        : QDir::tempPath()) +
                                   QStringLiteral("/vastrel-fuzz-XXXXXX"));
    check(dir.isValid(), "the temporary folder can be made");
    return dir;
}

} // namespace

void audio(QByteArrayView data)
{
    if (data.isEmpty())
        return;
    const QString ext = QString::fromLatin1(
        kExtensions[static_cast<unsigned char>(data[0]) % std::size(kExtensions)]);
    const QByteArray content = data.sliced(1).toByteArray();
    const QString path = folder().path() + QStringLiteral("/Canzone.") + ext;
    check(platform::FileSystem::writeFile(path, content), "the track file can be written");

    const auto length = catalogue::AudioLength::of(path);
    check(length.has_value(), "a regular file is always measured");
    if (content.isEmpty())
        check(*length == 0, "an empty file lasts 0 seconds");
    else if (content.size() <= 4)
        check(*length == -1, "a file of 1 to 4 bytes has no known playing time");
    else
        check(*length >= -1, "the playing time is -1 or seconds");
    check(catalogue::AudioLength::of(path) == length, "the same file gives the same answer");
    // Where the estimate holds, the answer is the estimate, exactly as it always was.
    const QByteArray header = content.left(catalogue::MpegDuration::kHeaderBytes + 64);
    const int estimate = catalogue::MpegDuration::DurataMPEG(header, content.size());
    if (ext.startsWith(u"mp") && ext != u"mp4" && ext != u"mpc" && content.size() > 4 &&
        estimate >= 0 && catalogue::MpegDuration::estimateHolds(header))
        check(*length == estimate, "a constant-bit-rate MPEG file keeps its estimate");
}

} // namespace vastrel::fuzz
