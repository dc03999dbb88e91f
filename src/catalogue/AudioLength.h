#pragma once

#include <QString>
#include <optional>

namespace vastrel::catalogue {

// The length code of a track file: 0 for an empty file, else its playing time in whole
// seconds, or -1 when it cannot be known. An MPEG file (".MP" in the last five characters of
// its name, as "mp3", "mp2", "mpg" and "mpeg") whose estimate holds is timed by
// MpegDuration, from its size and the bit rate of its first frame header; the other MPEG
// files (variable bit rate, a large tag before the first frame) and WAV, AIFF, FLAC, Ogg
// Vorbis, Opus, MP4/M4A, WavPack, WMA and Musepack files by TagLib, which reads their
// headers only. Only regular files are read, and only through the opening that checked them.
class AudioLength
{
public:
    // Nothing when the path names no regular file.
    static std::optional<int> of(const QString& path);
};

} // namespace vastrel::catalogue
