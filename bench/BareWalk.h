#pragma once

#include <QByteArray>
#include <QList>

// The floors of the benchmarks: the same listings and reads as an interaction, as plain
// POSIX calls with no other logic. With more than one thread the independent work of each
// album (and of each track) is spread over them, as a share answers many requests at once.
class BareWalk
{
public:
    // Reads every entry name of a folder; the names, or nothing when it cannot be opened.
    static QList<QByteArray> listFolder(const QByteArray& path);
    // Reads up to n bytes from the start of a file; -1 when it cannot be opened.
    static qsizetype readStart(const QByteArray& path, qsizetype n);
    // Reads a whole file; its size, -1 when it cannot be opened.
    static qsizetype readWhole(const QByteArray& path);
    // Reads what a track's playing time needs: the first 4,100 bytes, and for a file that
    // TagLib times (FLAC, an MP3 with a Xing header) its header blocks and its last 128 bytes.
    static void readTrack(const QByteArray& path);

    // The album refresh: the root, each Testi and, for the filters that need it, each Brani.
    static void albumRefresh(const QByteArray& root, bool brani, int threads = 1);
    // Checking albums: their Testi, Brani and Immagini, each marker's first line, each note.
    static void checkedAlbums(const QByteArray& root, const QList<QByteArray>& albums,
                              int threads = 1);
    // Checking tracks: each text whole, each Brani listing, and readTrack on each track file
    // (for a duplicate, on the file its marker names).
    static void checkedTracks(const QByteArray& root, const QList<QByteArray>& albums,
                              int threads = 1);
};
