#include "SyntheticCollection.h"

#include <QByteArray>
#include <QFile>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

void writeFile(const QString& path, const QByteArray& content)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0)
        qFatal("cannot write %s", qPrintable(path));
    if (::write(fd, content.constData(), size_t(content.size())) != content.size())
        qFatal("short write");
    ::close(fd);
}

void makeFolder(const QString& path)
{
    ::mkdir(QFile::encodeName(path).constData(), 0755);
}

// The start of an MPEG-1 Layer III frame at 128 kbit/s, then silence.
QByteArray mpegFile()
{
    QByteArray bytes(6000, '\0');
    bytes[0] = char(0xFF), bytes[1] = char(0xFB), bytes[2] = char(0x90), bytes[3] = char(0x64);
    return bytes;
}

} // namespace

QByteArray SyntheticCollection::lyrics(int bytes, bool sideBlock)
{
    static const QByteArray line = "Canto la sera che scende sul porto lontano\r\n";
    QByteArray text;
    while (text.size() < bytes)
        text += line;
    if (sideBlock) {
        text += "\r\n" + QByteArray(16, ' ') + "-+----+---------+----+-\r\n";
        for (int i = 0; i < 8; ++i)
            text += "La   Re   Mi7   La\r\n";
    }
    return text;
}

namespace {

// A short real file of the tests, to be made as long as a real track by a hole at its end.
QByteArray realAudio(const char* name)
{
    QFile file(QStringLiteral(VASTREL_AUDIO_DATA "/") + QLatin1String(name));
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(file.fileName()));
    return file.readAll();
}

void writeTrack(const QString& path, const QByteArray& content, qint64 size)
{
    writeFile(path, content);
    if (::truncate(QFile::encodeName(path).constData(), off_t(size)) != 0)
        qFatal("cannot extend %s", qPrintable(path));
}

} // namespace

SyntheticCollection::SyntheticCollection(const Shape& shape, const QString& folder) : m_shape(shape)
{
    if (folder.isEmpty()) {
        m_dir.emplace();
        m_root = m_dir->path() + u'/';
    } else {
        makeFolder(folder);
        m_root = folder + u'/';
    }
    for (int i = 0; i < shape.albums; ++i)
        writeAlbum(i);
}

QString SyntheticCollection::albumName(int i)
{
    return QStringLiteral("[%1] Album numero %2").arg(1000 + i % 9000).arg(i);
}

QString SyntheticCollection::trackName(int t)
{
    return QStringLiteral("%1 - Canzone del giorno %2").arg(t + 1, 2, 10, QChar(u'0')).arg(t);
}

void SyntheticCollection::writeAlbum(int i)
{
    const QString album = root() + albumName(i);
    makeFolder(album);
    makeFolder(album + QStringLiteral("/Testi"));
    makeFolder(album + QStringLiteral("/Brani"));
    makeFolder(album + QStringLiteral("/Immagini"));
    static const QByteArray mpeg = mpegFile();
    for (int t = 0; t < m_shape.tracksPerAlbum; ++t) {
        const QString name = trackName(t);
        const bool side = m_shape.sideBlocks && t % 3 == 0;
        writeFile(album + QStringLiteral("/Testi/") + name + QStringLiteral(".txt"),
                  lyrics(m_shape.textBytes, side));
        // A tenth of the tracks are duplicates of the first track of another album.
        if ((i * m_shape.tracksPerAlbum + t) % 10 == 9) {
            const QString target = albumName((i + 1) % m_shape.albums) +
                                   QStringLiteral("\\Brani\\") + trackName(0) +
                                   QStringLiteral(".mp3");
            writeFile(album + QStringLiteral("/Brani/") + name + QStringLiteral(".VL"),
                      target.toUtf8() + "\r\n");
        } else if (m_shape.realAudio) {
            static const QByteArray vbr = realAudio("vbr-v2-44100.mp3");
            static const QByteArray flac = realAudio("tone.flac");
            // Track 0, which the markers name, is an MP3.
            const QString brani = album + QStringLiteral("/Brani/") + name;
            if (t % 2 == 0)
                writeTrack(brani + QStringLiteral(".mp3"), vbr, 7'500'000);
            else
                writeTrack(brani + QStringLiteral(".flac"), flac, 25'000'000);
        } else {
            writeFile(album + QStringLiteral("/Brani/") + name + QStringLiteral(".mp3"), mpeg);
        }
    }
    writeFile(album + QStringLiteral("/Testi/Nota.txt"), "Una nota sull'album.\r\n");
    for (int p = 0; p < m_shape.picturesPerAlbum; ++p)
        writeFile(album + QStringLiteral("/Immagini/foto%1.jpg").arg(p), QByteArray(200, 'x'));
}
