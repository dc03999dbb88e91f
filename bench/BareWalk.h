#pragma once

#include <QByteArray>
#include <QList>

// The floors of the benchmarks: the same listings and reads as an interaction, as plain
// POSIX calls with no other logic. With more than one thread the independent work of each
// album (and of each track) is spread over them, as a share answers many requests at once.
//
// Where a listing leaves an entry's type out (as some shares do), whoever needs to know a
// file from a folder must ask: the floors ask the kinds that decide what an interaction
// shows and that no read of the same entry answers (the first text of each album for the
// album list, every text and picture for the track list), and no others.
class BareWalk
{
public:
    struct Entry
    {
        QByteArray name;
        bool typed; // the listing said whether it is a file or a folder
    };
    // Reads every entry of a folder; nothing when it cannot be opened.
    static QList<Entry> listFolder(const QByteArray& path);
    // Reads up to n bytes from the start of a file; -1 when it cannot be opened.
    static qsizetype readStart(const QByteArray& path, qsizetype n);
    // Reads a whole file; its size, -1 when it cannot be opened.
    static qsizetype readWhole(const QByteArray& path);
    // Reads what a track's playing time needs: the first 4,100 bytes, and for a file that
    // TagLib times (FLAC, an MP3 with a Xing header) its header blocks and its last 128 bytes.
    static void readTrack(const QByteArray& path);

    // The album refresh under a show filter: the root, each Testi and, for filters 0 and 1,
    // each Brani.
    static void albumRefresh(const QByteArray& root, int filter, int threads = 1);
    // Checking albums: their Testi, Brani and Immagini, each marker's first line, each note.
    static void checkedAlbums(const QByteArray& root, const QList<QByteArray>& albums,
                              int threads = 1);
    // Checking tracks: each text whole, each Brani listing, and readTrack on each track file
    // (for a duplicate, on the file its marker names).
    static void checkedTracks(const QByteArray& root, const QList<QByteArray>& albums,
                              int threads = 1);
};
