#include "Songbook.h"

#include "TrackPane.h"
#include "catalogue/CheckListModel.h"
#include "platform/DirectoryCache.h"

namespace vastrel::browser {

Songbook Songbook::ofTracks(const QString& root, const catalogue::CheckListModel& tracks,
                            const QList<int>& lengths)
{
    Songbook book;
    platform::DirectoryCache cache;
    for (int i = 0; i < tracks.count(); ++i) {
        if (!tracks.isChecked(i))
            continue;
        const int length = lengths.value(book.songs.size());
        const TrackPane::Text text = TrackPane::trackText(root, tracks.row(i), cache, false);
        book.songs.append({tracks.row(i).title(), playingTime(length), text.shown, text.words});
    }
    return book;
}

Songbook Songbook::ofDocument(const QString& text)
{
    Songbook book;
    book.document = text;
    return book;
}

// A length of 0 is a track without a file as well as an empty one: neither has a time worth
// printing.
QString Songbook::playingTime(int seconds)
{
    if (seconds <= 0)
        return {};
    const QString secondsPart = QStringLiteral(":%1").arg(seconds % 60, 2, 10, QChar(u'0'));
    if (seconds < 3600)
        return QString::number(seconds / 60) + secondsPart;
    return QStringLiteral("%1:%2")
               .arg(seconds / 3600)
               .arg((seconds / 60) % 60, 2, 10, QChar(u'0')) +
           secondsPart;
}

} // namespace vastrel::browser
