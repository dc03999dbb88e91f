#pragma once

#include "platform/WorkPool.h"

#include <QList>
#include <QString>

namespace vastrel::catalogue {
class CheckListModel;
class ListRow;
} // namespace vastrel::catalogue

namespace vastrel::platform {
class DirectoryCache;
}

namespace vastrel::browser {

// The text pane of the checked tracks, in list order: each track's text with its side
// block beside it, four line ends between tracks, and a title with "Nessun Testo
// Disponibile." for a text made only of blanks; with the playlist of the track files found
// and the playing times. The tracks are read in parallel, and progress counts them; a beep
// for each track without a file, in list order.
struct TrackPane
{
    // Below this screen width the side block gets a narrower column.
    static constexpr int kNarrowScreen = 800;

    QString text;
    QString playlist; // one real path and CR LF per track file found
    int checked = 0;
    qint64 seconds = 0;
    int unknown = 0;    // tracks whose length is not known
    QList<int> lengths; // each checked track's, as TrackFile::length has it

    static TrackPane build(const QString& root, const catalogue::CheckListModel& tracks,
                           bool narrowScreen, platform::DirectoryCache& cache,
                           const platform::WorkPool::Progress& progress = {});
    // A track's text as the pane shows it, and its words alone, without the side block (the
    // same text when it has none).
    struct Text
    {
        QString shown;
        QString words;
    };
    // Without looking for the track's file.
    static Text trackText(const QString& root, const catalogue::ListRow& row,
                          platform::DirectoryCache& cache, bool narrowScreen);
};

} // namespace vastrel::browser
