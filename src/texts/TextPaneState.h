#pragma once

#include <QString>

namespace vastrel::texts {

// What the text pane shows, its heading and the text search's tooltip, and the counter
// above the track list.
class TextPaneState
{
public:
    enum State
    {
        Texts,
        AlbumNotes,
        Introduction,
        Nothing,
    };

    // checkedAlbums: the number of albums checked as of the last track-list rebuild.
    static State choose(bool anyTrackText, int checkedAlbums, const QString& introduction);
    static QString heading(State state);
    static QString searchTooltip(State state);
    // "&Brani Selezionati: 3 (su 12)  [0:12:34 + 1x???]"
    static QString tracksCaption(int checked, int rows, qint64 seconds, int unknown);
};

} // namespace vastrel::texts
