#include "TrackListBuilder.h"

#include "BracketTag.h"
#include "Collation.h"
#include "SortTitle.h"
#include "TrackFilter.h"
#include "platform/Blanks.h"
#include "platform/DirectoryCache.h"
#include "platform/FileSystem.h"
#include "platform/TextCase.h"
#include "platform/TextDecoder.h"

namespace vastrel::catalogue {

using platform::DirectoryCache;

namespace {

constexpr qint64 kMaxNoteBytes = 16 * 1024 * 1024;
const QString kCrLf = QStringLiteral("\r\n");

} // namespace

ListRow TrackListBuilder::trackRow(const QString& album, const QString& textFile, bool alphabetical,
                                   const QString& markerTag)
{
    QString name = textFile.chopped(std::min<qsizetype>(4, textFile.size()));
    if (alphabetical)
        name = SortTitle::of(name);
    QString display = platform::Blanks::trim(name) + QStringLiteral("  ") + BracketTag::of(album);
    if (!markerTag.isEmpty())
        display += QStringLiteral(" >> ") + markerTag;
    return ListRow(display, album + QStringLiteral("/Testi/") + textFile);
}

ListRow TrackListBuilder::pictureRow(const QString& album, const QString& pictureFile)
{
    const QString display =
        platform::Blanks::trim(BracketTag::of(album) + QStringLiteral("  ") +
                               pictureFile.chopped(std::min<qsizetype>(4, pictureFile.size())));
    return ListRow(display, album + QStringLiteral("/Immagini/") + pictureFile);
}

// What one album puts into the lists, read apart from the other albums.
struct TrackListBuilder::AlbumContent
{
    QList<ListRow> tracks;
    QList<ListRow> pictures;
    QString note;
};

void TrackListBuilder::addTracks(const QString& root, const QString& album, bool alphabetical,
                                 ShowFilter showFilter, DirectoryCache& cache, QList<ListRow>& rows)
{
    static const platform::Wildcard texts(u"*.txt");
    const QString brani = root + album + QStringLiteral("/Brani/");
    const QStringList files = cache.fileNames(root + album + QStringLiteral("/Testi"), texts);
    rows.reserve(files.size());
    for (const QString& f : files) {
        const TrackFilter::Result filter = TrackFilter::test(brani + f, showFilter, cache);
        if (!filter.shown || platform::TextCase::upper(f) == u"NOTA.TXT")
            continue;
        rows.append(trackRow(album, f, alphabetical, filter.markerTag));
    }
}

void TrackListBuilder::addPictures(const QString& root, const QString& album, DirectoryCache& cache,
                                   QList<ListRow>& rows)
{
    static const platform::Wildcard pictures(u"*.jpg;*.gif;*.bmp");
    for (const QString& g : cache.fileNames(root + album + QStringLiteral("/Immagini"), pictures))
        rows.append(pictureRow(album, g));
}

// The album's tag and its Nota.txt, or the line that says it has none.
QString TrackListBuilder::note(const QString& root, const QString& album, DirectoryCache& cache)
{
    const QString heading = BracketTag::of(album) + kCrLf;
    // Read without asking its size first: on a share each question is a round trip.
    if (const auto path = cache.resolve(root + album + QStringLiteral("/Testi/Nota.txt"))) {
        const platform::ReadResult read = platform::FileSystem::readFile(*path, kMaxNoteBytes);
        if (read.ok() && !read.data.isEmpty())
            return heading + platform::TextDecoder::decode(read.data);
    }
    return heading + QStringLiteral("Nessuna Nota Disponibile.") + kCrLf;
}

TrackListContent TrackListBuilder::build(const QString& root, const QStringList& checkedAlbums,
                                         bool alphabetical, ShowFilter showFilter,
                                         DirectoryCache& cache,
                                         const platform::WorkPool::Progress& progress)
{
    QList<AlbumContent> albums = platform::WorkPool::map<AlbumContent>(
        checkedAlbums.size(),
        [&](qsizetype i) {
            const QString& album = checkedAlbums.at(i);
            AlbumContent c;
            addTracks(root, album, alphabetical, showFilter, cache, c.tracks);
            addPictures(root, album, cache, c.pictures);
            c.note = note(root, album, cache);
            return c;
        },
        progress);
    return merged(std::move(albums), alphabetical);
}

// The albums' rows and notes in the order of the checked albums.
TrackListContent TrackListBuilder::merged(QList<AlbumContent>&& albums, bool alphabetical)
{
    TrackListContent content;
    qsizetype tracks = 0;
    for (const AlbumContent& c : albums)
        tracks += c.tracks.size();
    content.tracks.reserve(tracks);
    // The rows are moved, not copied: F1 over a big collection merges over a hundred thousand.
    for (AlbumContent& c : albums) {
        content.tracks.append(std::move(c.tracks));
        content.pictures.append(std::move(c.pictures));
        if (!content.albumNotes.isEmpty())
            content.albumNotes += kCrLf + kCrLf + kCrLf + kCrLf;
        content.albumNotes += c.note;
    }
    if (alphabetical) {
        std::stable_sort(content.tracks.begin(), content.tracks.end(),
                         [](const ListRow& a, const ListRow& b) { return Collation::less(a, b); });
    }
    return content;
}

} // namespace vastrel::catalogue
