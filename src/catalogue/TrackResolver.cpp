#include "TrackResolver.h"

#include "MpegDuration.h"
#include "TrackFilter.h"
#include "platform/Beeper.h"
#include "platform/Blanks.h"
#include "platform/DirectoryCache.h"
#include "platform/FileSystem.h"
#include "platform/TextCase.h"

namespace vastrel::catalogue {

using platform::DirectoryCache;
using platform::FileSystem;

TrackFile TrackResolver::TrovaBrano(const QString& textPath, const QString& root,
                                    DirectoryCache& cache)
{
    // Looked for after the collection root, whose own path may hold a folder "Testi".
    const qsizetype from = textPath.startsWith(root) ? root.size() - 1 : 0;
    const qsizetype at = platform::TextCase::upper(textPath).indexOf(u"/TESTI/", from);
    if (at < 0) {
        platform::Beeper::beep();
        return {};
    }
    // root/album/Testi/name.txt becomes root/album/Brani/name.
    QString stem = textPath;
    stem.replace(at, 7, QStringLiteral("/Brani/"));
    stem.chop(4);
    if (const auto direct = directFile(stem, cache))
        return *direct;
    if (const auto marked = markedFile(stem, root, cache))
        return *marked;
    platform::Beeper::beep();
    return {};
}

// stem and the extension of the first file named stem.*, when that extension has three
// letters. Only the extension is taken from the listed name: "Canzone. Parte 2.mp3", listed
// before "Canzone.mp3", is another track's file.
std::optional<TrackFile> TrackResolver::directFile(const QString& stem, DirectoryCache& cache)
{
    const qsizetype slash = stem.lastIndexOf(u'/');
    const auto first = cache.firstFileName(
        stem.left(slash), platform::Wildcard::literal(stem.mid(slash + 1) + u'.', true));
    if (!first || first->size() < 4 || first->at(first->size() - 4) != u'.')
        return std::nullopt;
    const auto path = cache.resolve(stem + first->right(4));
    if (!path)
        return std::nullopt;
    return measured(*path);
}

// The file that the duplicate marker stem.VL names, relative to the collection root.
std::optional<TrackFile> TrackResolver::markedFile(const QString& stem, const QString& root,
                                                   DirectoryCache& cache)
{
    QString line = TrackFilter::markerFirstLine(stem + QStringLiteral(".VL"), cache);
    // Names written on Windows lose their trailing blanks there; so do they here.
    line = platform::Blanks::trimEnd(line);
    line.replace(u'\\', u'/');
    if (line.startsWith(u'/'))
        line.remove(0, 1);
    const auto path = cache.resolve(root + line);
    if (!path)
        return std::nullopt;
    return measured(*path);
}

// The file's length code; nothing when the file cannot be measured. The header is read with
// the same opening that gives the size; a file that cannot be opened is measured apart and
// reads as a header of zeros.
std::optional<TrackFile> TrackResolver::measured(const QString& path)
{
    platform::ReadResult header = FileSystem::readFile(path, MpegDuration::kHeaderBytes);
    if (!header.ok()) {
        const auto size = FileSystem::fileSize(path);
        if (!size)
            return std::nullopt;
        header.size = *size;
        header.data.clear();
    }
    return TrackFile{path, playingTime(path, header.size, header.data)};
}

int TrackResolver::playingTime(const QString& path, qint64 size, const QByteArray& header)
{
    if (size == 0)
        return 0;
    if (size <= 4)
        return -1;
    if (!platform::TextCase::upper(QStringView(path).right(5)).contains(u".MP"))
        return -1;
    return MpegDuration::DurataMPEG(header, size);
}

} // namespace vastrel::catalogue
