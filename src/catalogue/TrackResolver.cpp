#include "TrackResolver.h"

#include "AudioLength.h"
#include "TrackFilter.h"
#include "platform/Blanks.h"
#include "platform/DirectoryCache.h"
#include "platform/TextCase.h"

namespace vastrel::catalogue {

using platform::DirectoryCache;
using namespace Qt::StringLiterals;

TrackFile TrackResolver::TrovaBrano(const QString& textPath, const QString& root,
                                    DirectoryCache& cache)
{
    // Looked for after the collection root, whose own path may hold a folder "Testi".
    const qsizetype from = textPath.startsWith(root) ? root.size() - 1 : 0;
    const qsizetype at = platform::TextCase::upper(textPath).indexOf(u"/TESTI/", from);
    if (at < 0)
        return {};
    // root/album/Testi/name.txt becomes root/album/Brani/name.
    QString stem = textPath;
    stem.replace(at, 7, QStringLiteral("/Brani/"));
    stem.chop(4);
    // The first name listed decides before the marker is read, as it always has, so a track
    // that was found keeps its file; the later names and the other audio formats' extensions
    // count only where that finds nothing.
    const QStringList names = candidates(stem, cache);
    if (const auto direct = withExtension(stem, threeLetter(names.value(0)), cache))
        return *direct;
    if (const auto marked = markedFile(stem, root, cache))
        return *marked;
    for (const QString& name : names.mid(1)) {
        if (const auto direct = withExtension(stem, threeLetter(name), cache))
            return *direct;
    }
    for (const QString& name : names) {
        if (const auto audio = withExtension(stem, audioExtension(name), cache))
            return *audio;
    }
    return {};
}

// The names of the files listed as stem.*, in listing order.
QStringList TrackResolver::candidates(const QString& stem, DirectoryCache& cache)
{
    const qsizetype slash = stem.lastIndexOf(u'/');
    return cache.fileNames(stem.left(slash),
                           platform::Wildcard::literal(stem.mid(slash + 1) + u'.', true));
}

// A name's last four characters when they are a dot and a three-letter extension. Only the
// extension is taken from the listed name: "Canzone. Parte 2.mp3", listed before
// "Canzone.mp3", is another track's file.
QString TrackResolver::threeLetter(const QString& name)
{
    return name.size() >= 4 && name.at(name.size() - 4) == u'.' ? name.right(4) : QString();
}

// A name's extension with its dot, when it is one of the other audio formats' extensions.
QString TrackResolver::audioExtension(const QString& name)
{
    static const QStringList kOthers = {u"FLAC"_s, u"OPUS"_s, u"AIFF"_s, u"WV"_s,
                                        u"MPEG"_s, u"MP4"_s,  u"WEBM"_s};
    const qsizetype dot = name.lastIndexOf(u'.');
    if (dot < 0 || !kOthers.contains(platform::TextCase::upper(name.mid(dot + 1))))
        return {};
    return name.mid(dot);
}

std::optional<TrackFile> TrackResolver::withExtension(const QString& stem, const QString& ext,
                                                      DirectoryCache& cache)
{
    if (ext.isEmpty())
        return std::nullopt;
    const auto path = cache.resolve(stem + ext);
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

std::optional<TrackFile> TrackResolver::measured(const QString& path)
{
    if (const auto length = AudioLength::of(path))
        return TrackFile{path, *length};
    return std::nullopt;
}

} // namespace vastrel::catalogue
