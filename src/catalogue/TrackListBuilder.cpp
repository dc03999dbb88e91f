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

#include <optional>

namespace vastrel::catalogue {

using platform::DirectoryCache;
using platform::Listing;

namespace {

constexpr qint64 kMaxNoteBytes = 16 * 1024 * 1024;
const QString kCrLf = QStringLiteral("\r\n");
const QString kBetweenNotes = QStringLiteral("\r\n\r\n\r\n\r\n");

QStringView withoutExtension(QStringView name)
{
    return name.chopped(std::min<qsizetype>(4, name.size()));
}

} // namespace

// One checked album: its folder name, its folder and its bracket tag.
struct TrackListBuilder::Album
{
    const QString& name;
    QString folder;
    QString tag;
};

// What one album puts into the lists, read apart from the other albums.
struct TrackListBuilder::AlbumContent
{
    QList<ListRow> tracks;
    QList<ListRow> pictures;
    QString note;
};

ListRow TrackListBuilder::trackRow(const QString& album, QStringView tag, QStringView textFile,
                                   bool alphabetical, QStringView markerTag)
{
    QStringView title = withoutExtension(textFile);
    if (alphabetical)
        title = SortTitle::of(title);
    title = platform::Blanks::trimmed(title);
    if (markerTag.isEmpty())
        return ListRow({title, u"  ", tag}, {album, u"/Testi/", textFile});
    return ListRow({title, u"  ", tag, u" >> ", markerTag}, {album, u"/Testi/", textFile});
}

ListRow TrackListBuilder::pictureRow(const QString& album, QStringView tag, QStringView pictureFile)
{
    const QStringView name = withoutExtension(pictureFile);
    // The row trims the blanks at the end; without a tag, those at the start go too.
    if (tag.isEmpty())
        return ListRow({platform::Blanks::trimmed(name)}, {album, u"/Immagini/", pictureFile});
    return ListRow({tag, u"  ", name}, {album, u"/Immagini/", pictureFile});
}

void TrackListBuilder::addTracks(const Album& album, const Listing& testi, bool alphabetical,
                                 ShowFilter showFilter, DirectoryCache& cache, QList<ListRow>& rows)
{
    static const platform::Wildcard texts(u"*.txt");
    // Brani is listed for the first track, and serves every track of the album.
    std::optional<TrackFilter::Brani> brani;
    rows.reserve(testi.size());
    for (qsizetype i = 0; i < testi.size(); ++i) {
        const QStringView file = testi.name(i);
        if (!texts.matches(file) || platform::TextCase::equalIgnoringCase(file, u"NOTA.TXT") ||
            !testi.isFile(i))
            continue;
        if (!brani)
            brani = TrackFilter::brani(album.folder + QStringLiteral("/Brani"), cache);
        const TrackFilter::Result filter = TrackFilter::test(*brani, file, showFilter, cache);
        if (filter.shown)
            rows.append(trackRow(album.name, album.tag, file, alphabetical, filter.markerTag));
    }
}

void TrackListBuilder::addPictures(const Album& album, DirectoryCache& cache, QList<ListRow>& rows)
{
    static const platform::Wildcard pictures(u"*.jpg;*.gif;*.bmp");
    const Listing* listing = cache.list(album.folder + QStringLiteral("/Immagini"));
    if (!listing)
        return;
    for (qsizetype i = 0; i < listing->size(); ++i) {
        if (pictures.matches(listing->name(i)) && listing->isFile(i))
            rows.append(pictureRow(album.name, album.tag, listing->name(i)));
    }
}

// The album's tag and its Nota.txt, or the line that says it has none.
QString TrackListBuilder::note(const Album& album, DirectoryCache& cache)
{
    // Read without asking its size first: on a share each question is a round trip.
    if (const auto path = cache.resolve(album.folder + QStringLiteral("/Testi/Nota.txt"))) {
        const platform::ReadResult read = platform::FileSystem::readFile(*path, kMaxNoteBytes);
        if (read.ok() && !read.data.isEmpty())
            return album.tag + kCrLf + platform::TextDecoder::decode(read.data);
    }
    return album.tag + kCrLf + QStringLiteral("Nessuna Nota Disponibile.") + kCrLf;
}

TrackListBuilder::AlbumContent TrackListBuilder::read(const Album& album, bool alphabetical,
                                                      ShowFilter showFilter, DirectoryCache& cache)
{
    AlbumContent c;
    if (const Listing* testi = cache.list(album.folder + QStringLiteral("/Testi")))
        addTracks(album, *testi, alphabetical, showFilter, cache, c.tracks);
    addPictures(album, cache, c.pictures);
    c.note = note(album, cache);
    return c;
}

TrackListContent TrackListBuilder::build(const QString& root, const QStringList& checkedAlbums,
                                         bool alphabetical, ShowFilter showFilter,
                                         DirectoryCache& cache,
                                         const platform::WorkPool::Progress& progress)
{
    QList<AlbumContent> albums = platform::WorkPool::map<AlbumContent>(
        checkedAlbums.size(),
        [&](qsizetype i) {
            const QString& name = checkedAlbums.at(i);
            return read({name, root + name, BracketTag::of(name)}, alphabetical, showFilter, cache);
        },
        progress);
    return merged(std::move(albums), alphabetical);
}

// The albums' rows and notes in the order of the checked albums.
TrackListContent TrackListBuilder::merged(QList<AlbumContent>&& albums, bool alphabetical)
{
    TrackListContent content;
    qsizetype tracks = 0, pictures = 0, notes = 0;
    for (const AlbumContent& c : albums) {
        tracks += c.tracks.size();
        pictures += c.pictures.size();
        notes += kBetweenNotes.size() + c.note.size();
    }
    content.tracks.reserve(tracks);
    content.pictures.reserve(pictures);
    content.albumNotes.reserve(notes);
    // The rows are moved, not copied: F1 over a big collection merges over a hundred thousand.
    for (AlbumContent& c : albums) {
        content.tracks.append(std::move(c.tracks));
        content.pictures.append(std::move(c.pictures));
        if (!content.albumNotes.isEmpty())
            content.albumNotes += kBetweenNotes;
        content.albumNotes += c.note;
    }
    if (alphabetical) {
        std::stable_sort(content.tracks.begin(), content.tracks.end(),
                         [](const ListRow& a, const ListRow& b) { return Collation::less(a, b); });
    }
    return content;
}

} // namespace vastrel::catalogue
