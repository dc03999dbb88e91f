#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>
#include <optional>

// A generated collection for benchmarks: albums of tracks with texts, track files,
// duplicate markers in a tenth of the tracks and pictures, in a temporary folder or in a
// folder given, which it is left in.
class SyntheticCollection
{
public:
    struct Shape
    {
        int albums = 1000;
        int tracksPerAlbum = 12;
        int picturesPerAlbum = 3;
        int textBytes = 1200;
        bool sideBlocks = true;
        // Track files alternate VBR MP3 and FLAC of a four-minute track's size: a short real
        // file from tests/data/audio followed by a hole, so that TagLib reads real headers.
        bool realAudio = false;
    };

    explicit SyntheticCollection(const Shape& shape, const QString& folder = QString());

    QString root() const { return m_root; }
    const Shape& shape() const { return m_shape; }
    static QString albumName(int i);
    static QString trackName(int t);
    // A track text of at least bytes bytes with CR LF line breaks; with a side block of
    // chords after a separator line.
    static QByteArray lyrics(int bytes, bool sideBlock);

private:
    void writeAlbum(int i);

    std::optional<QTemporaryDir> m_dir; // when no folder was given
    QString m_root;
    Shape m_shape;
};
