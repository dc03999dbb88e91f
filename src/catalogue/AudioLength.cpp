#include "AudioLength.h"

#include "MpegDuration.h"
#include "platform/FileSystem.h"
#include "platform/TextCase.h"

#include <aifffile.h>
#include <algorithm>
#include <asffile.h>
#include <flacfile.h>
#include <id3v2framefactory.h>
#include <memory>
#include <mp4file.h>
#include <mpcfile.h>
#include <mpegfile.h>
#include <opusfile.h>
#include <tiostream.h>
#include <vorbisfile.h>
#include <wavfile.h>
#include <wavpackfile.h>

namespace vastrel::catalogue {

namespace {

using platform::RegularFile;

// TagLib reads through the file that was opened and checked, and can never write to it.
class ReadOnlyStream : public TagLib::IOStream
{
public:
    // start: the file's first bytes, when they have been read already.
    ReadOnlyStream(const RegularFile& file, const QByteArray& start) : m_file(file)
    {
        m_windows[0].bytes = start;
    }

    TagLib::FileName name() const override { return ""; }
    TagLib::ByteVector readBlock(unsigned long length) override
    {
        if (m_position >= m_file.size())
            return {};
        // A declared size is no reason to hold more than a header's worth in memory.
        // (TagLib may ask for a length computed below zero: a huge unsigned one.)
        const qint64 n = qint64(std::min<unsigned long>(length, kMaxBlock));
        const qint64 end = std::min(m_position + n, m_file.size());
        // TagLib reads the headers at the start and the tags at the end in many small pieces:
        // two windows, each read at once, serve them.
        const auto covers = [&](const Window& w) {
            return m_position >= w.at && end <= w.at + w.bytes.size();
        };
        if (!covers(m_windows[m_last])) {
            m_last ^= 1;
            if (!covers(m_windows[m_last]))
                m_windows[m_last] = {m_position, m_file.read(m_position, std::max(n, kWindow))};
        }
        const Window& w = m_windows[m_last];
        const qint64 from = m_position - w.at;
        const qint64 got = std::clamp<qint64>(w.bytes.size() - from, 0, n);
        m_position += got;
        return TagLib::ByteVector(w.bytes.constData() + from, unsigned(got));
    }
    void writeBlock(const TagLib::ByteVector&) override {}
    void insert(const TagLib::ByteVector&, unsigned long, unsigned long) override {}
    void removeBlock(unsigned long, unsigned long) override {}
    bool readOnly() const override { return true; }
    bool isOpen() const override { return true; }
    void seek(long offset, Position p) override
    {
        const long base = p == Beginning ? 0
                          : p == Current ? long(m_position)
                                         : long(m_file.size());
        long to = 0;
        m_position = __builtin_add_overflow(base, offset, &to) || to < 0 ? m_file.size() : to;
    }
    long tell() const override { return long(m_position); }
    long length() override { return long(m_file.size()); }
    void truncate(long) override {}

private:
    static constexpr qint64 kMaxBlock = 64 << 20;
    static constexpr qint64 kWindow = 16 << 10;
    struct Window
    {
        qint64 at = 0;
        QByteArray bytes;
    };
    const RegularFile& m_file;
    Window m_windows[2];
    int m_last = 0;
    qint64 m_position = 0;
};

// The TagLib reader for a file name's extension, properties only, read fast.
std::unique_ptr<TagLib::File> reader(QStringView ext, TagLib::IOStream* s, bool mpeg)
{
    constexpr auto fast = TagLib::AudioProperties::Fast;
    auto* id3 = TagLib::ID3v2::FrameFactory::instance();
    if (ext == u"MP4" || ext == u"M4A" || ext == u"M4B")
        return std::make_unique<TagLib::MP4::File>(s, true, fast);
    if (ext == u"MPC")
        return std::make_unique<TagLib::MPC::File>(s, true, fast);
    if (mpeg)
        return std::make_unique<TagLib::MPEG::File>(s, id3, true, fast);
    if (ext == u"FLAC")
        return std::make_unique<TagLib::FLAC::File>(s, id3, true, fast);
    if (ext == u"OGG" || ext == u"OGA")
        return std::make_unique<TagLib::Ogg::Vorbis::File>(s, true, fast);
    if (ext == u"OPUS")
        return std::make_unique<TagLib::Ogg::Opus::File>(s, true, fast);
    if (ext == u"WAV")
        return std::make_unique<TagLib::RIFF::WAV::File>(s, true, fast);
    if (ext == u"AIF" || ext == u"AIFF" || ext == u"AIFC")
        return std::make_unique<TagLib::RIFF::AIFF::File>(s, true, fast);
    if (ext == u"WV")
        return std::make_unique<TagLib::WavPack::File>(s, true, fast);
    if (ext == u"WMA" || ext == u"ASF")
        return std::make_unique<TagLib::ASF::File>(s, true, fast);
    return nullptr;
}

} // namespace

std::optional<int> AudioLength::of(const QString& path)
{
    const RegularFile file(path);
    if (!file.isOpen()) {
        // A file that cannot be opened (no permission) is found all the same.
        const auto size = platform::FileSystem::fileSize(path);
        if (!size)
            return std::nullopt;
        return *size == 0 ? 0 : -1;
    }
    if (file.size() == 0)
        return 0;
    if (file.size() <= 4)
        return -1;
    const QString upper = platform::TextCase::upper(path);
    const QStringView ext = QStringView(upper).mid(upper.lastIndexOf(u'.') + 1);
    // MP4 and Musepack share the mark of the MPEG names but are other formats.
    const bool mpeg = upper.right(5).contains(u".MP") && ext != u"MP4" && ext != u"MPC";
    QByteArray header;
    if (mpeg) {
        // A frame that begins near the end of the header buffer has its Xing header past it.
        header = file.read(0, MpegDuration::kHeaderBytes + 64);
        const int estimate = MpegDuration::DurataMPEG(header, file.size());
        if (estimate >= 0 && MpegDuration::estimateHolds(header))
            return estimate;
    }
    ReadOnlyStream stream(file, header);
    const auto audio = reader(ext, &stream, mpeg);
    if (!audio || !audio->isValid() || !audio->audioProperties())
        return -1;
    const int ms = audio->audioProperties()->lengthInMilliseconds();
    return ms > 0 ? ms / 1000 : -1;
}

} // namespace vastrel::catalogue
