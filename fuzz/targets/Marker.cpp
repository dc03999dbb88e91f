// A duplicate marker of any content in a small fixed collection: the show filter's test, the
// track file it leads to, and the bracket tag and sort title of its first line.
#include "FuzzTargets.h"
#include "catalogue/BracketTag.h"
#include "catalogue/SortTitle.h"
#include "catalogue/TrackFilter.h"
#include "catalogue/TrackResolver.h"
#include "platform/DirectoryCache.h"
#include "platform/FileSystem.h"
#include "platform/NativeName.h"
#include "platform/TextDecoder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <filesystem>

namespace vastrel::fuzz {

namespace {

// The collection lives as long as the process, in memory where the system offers it.
class Collection
{
public:
    Collection() : m_dir(tempBase() + QStringLiteral("/vastrel-fuzz-XXXXXX"))
    {
        check(m_dir.isValid(), "the temporary collection can be made");
        m_root = m_dir.path() + QStringLiteral("/Coll/");
        // A frame header of 128 kbit/s in front of 64 000 bytes: 4 seconds.
        QByteArray mp3(64'000, '\0');
        mp3[0] = char(255), mp3[1] = char(251), mp3[2] = char(144);
        write("[1979] Album/Brani/Canzone.mp3", mp3);
        write("[1979] Album/Brani/Vuota.mp3", {});
        write("[1979] Album/Brani/Corta.wav", "RIFF");
        write("[1979] Album/Brani/Nome \xff.mp3", mp3.left(4100));
        write("[1979] Album/Testi/Canzone.txt", "Testo\r\n");
        write("[1983] Altro/Testi/Canzone.txt", "Testo\r\n");
        write("[1983] Altro/Brani/Canzone.VL", "[1979] Album\\Brani\\Canzone.mp3\r\n");
        write("Varie/Altro.mp3", mp3.left(5000));
    }

    // QDir cannot remove a name that is not UTF-8; the standard library takes bytes.
    ~Collection()
    {
        std::error_code ignored;
        std::filesystem::remove_all(QFile::encodeName(m_dir.path()).toStdString(), ignored);
    }

    const QString& root() const { return m_root; }
    QString markerPath() const { return m_root + QStringLiteral("[1983] Altro/Brani/Canzone.VL"); }

private:
    static QString tempBase()
    {
        return QFileInfo(QStringLiteral("/dev/shm")).isWritable() ? QStringLiteral("/dev/shm")
                                                                  : QDir::tempPath();
    }

    void write(const char* relative, const QByteArray& content)
    {
        const QByteArray path = QFile::encodeName(m_root) + relative;
        QDir().mkpath(QFile::decodeName(path.left(path.lastIndexOf('/'))));
        const bool written =
            platform::FileSystem::writeFile(platform::NativeName::decode(path), content);
        check(written, "the temporary collection can be written");
    }

    QTemporaryDir m_dir;
    QString m_root;
};

// What the marker's first line reads as: the bytes before the first CR or LF, at most as
// many as the program reads.
QString firstLine(QByteArrayView data)
{
    qsizetype end = 0;
    while (end < data.size() && end < catalogue::TrackFilter::kMaxMarkerLine && data[end] != '\r' &&
           data[end] != '\n')
        ++end;
    return platform::TextDecoder::decode(data.first(end));
}

void checkTitle(const QString& line)
{
    const QString tag = catalogue::BracketTag::of(line);
    if (!tag.isEmpty()) {
        check(line.startsWith(tag) && tag.endsWith(u']') && tag.size() >= 3 && tag.size() <= 7,
              "a tag is the name's start up to a ] at its 3rd to 7th character");
        check(catalogue::BracketTag::isAlbumFolderName(line), "a name with a tag is an album's");
    }
    const QStringView title = catalogue::SortTitle::of(line);
    check(line.contains(title), "the sort title is part of the title");
}

} // namespace

void marker(QByteArrayView data)
{
    static const Collection collection;
    QFile file(collection.markerPath());
    check(file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
              file.write(data.data(), data.size()) == data.size(),
          "the marker can be written");
    file.close();

    const QString line = firstLine(data);
    checkTitle(line);

    const QString brani = collection.root() + QStringLiteral("[1983] Altro/Brani");
    using catalogue::ShowFilter;
    for (const ShowFilter filter :
         {ShowFilter::OnlyDuplicates, ShowFilter::OnlyOriginals, ShowFilter::Everything}) {
        platform::DirectoryCache cache;
        const catalogue::TrackFilter::Result result = catalogue::TrackFilter::test(
            catalogue::TrackFilter::brani(brani, cache), u"Canzone.txt", filter, cache);
        // Only the marker is there: a duplicate, never an original.
        check(result.shown == (filter != ShowFilter::OnlyOriginals),
              "the marker makes the track a duplicate");
        if (result.shown)
            check(result.markerTag == catalogue::BracketTag::of(line),
                  "the marker's tag is its first line's");
    }

    platform::DirectoryCache cache;
    const catalogue::TrackFile found = catalogue::TrackResolver::TrovaBrano(
        collection.root() + QStringLiteral("[1983] Altro/Testi/Canzone.txt"), collection.root(),
        cache);
    check(found.length >= -1, "a length code is -1 or more");
    if (found.path.isEmpty())
        check(found.length == 0, "no track file: length 0");
    else
        check(platform::FileSystem::kind(found.path) == platform::EntryKind::File,
              "the track file found is a file");
}

} // namespace vastrel::fuzz
