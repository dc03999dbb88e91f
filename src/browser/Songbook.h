#pragma once

#include <QList>
#include <QString>

namespace vastrel::catalogue {
class CheckListModel;
}

namespace vastrel::browser {

// What the print commands and the reading view show, as plain data: the checked tracks as songs,
// each with its heading and its text as the pane shows it, or the notes the pane shows as one
// document.
struct Songbook
{
    struct Song
    {
        QString heading; // the title and album tag as the track list shows them
        QString time;    // the playing time, or empty when it is not known
        QString text;    // lines ended by CR LF
        QString words;   // the text without its side block, or the text when it has none
    };

    QList<Song> songs;
    QString document; // plain text or RTF, as the pane takes it

    bool isEmpty() const { return songs.isEmpty() && document.isEmpty(); }

    // The checked tracks in list order, laid out as on a wide screen (paper is no narrow
    // screen), with the lengths the pane found for them.
    static Songbook ofTracks(const QString& root, const catalogue::CheckListModel& tracks,
                             const QList<int>& lengths);
    static Songbook ofDocument(const QString& text);
    // "3:07", "1:02:03"; empty for a length that is not known.
    static QString playingTime(int seconds);
};

} // namespace vastrel::browser
