#pragma once

#include "ListRow.h"
#include "ShowFilter.h"
#include "platform/WorkPool.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace vastrel::platform {
class DirectoryCache;
class Listing;
} // namespace vastrel::platform

namespace vastrel::catalogue {

// What the checked albums put into the track list, the picture list and the album notes.
struct TrackListContent
{
    QList<ListRow> tracks; // in the order of the list: chronological or alphabetical
    QList<ListRow> pictures;
    QString albumNotes;
};

// Builds the rows of the checked albums from their Testi and Immagini folders and their
// notes. Chronological order is albums in list order and texts in listing order; the
// alphabetical order merges all rows and sorts their whole texts by sort title. The albums
// are read in parallel, and progress counts them.
class TrackListBuilder
{
public:
    static TrackListContent build(const QString& root, const QStringList& checkedAlbums,
                                  bool alphabetical, ShowFilter showFilter,
                                  platform::DirectoryCache& cache,
                                  const platform::WorkPool::Progress& progress = {});

private:
    struct AlbumContent;
    struct Album;

    // tag: the album's bracket tag.
    static ListRow trackRow(const QString& album, QStringView tag, QStringView textFile,
                            bool alphabetical, QStringView markerTag);
    static ListRow pictureRow(const QString& album, QStringView tag, QStringView pictureFile);

    static AlbumContent read(const Album& album, bool alphabetical, ShowFilter showFilter,
                             platform::DirectoryCache& cache);
    static void addTracks(const Album& album, const platform::Listing& testi, bool alphabetical,
                          ShowFilter showFilter, platform::DirectoryCache& cache,
                          QList<ListRow>& rows);
    static void addPictures(const Album& album, platform::DirectoryCache& cache,
                            QList<ListRow>& rows);
    static QString note(const Album& album, platform::DirectoryCache& cache);
    static TrackListContent merged(QList<AlbumContent>&& albums, bool alphabetical);
};

} // namespace vastrel::catalogue
