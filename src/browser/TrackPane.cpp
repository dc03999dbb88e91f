#include "TrackPane.h"

#include "catalogue/CheckListModel.h"
#include "catalogue/TrackResolver.h"
#include "platform/Beeper.h"
#include "platform/Blanks.h"
#include "platform/DirectoryCache.h"
#include "platform/TextDecoder.h"
#include "texts/TextSplit.h"
#include "texts/TwoColumns.h"

namespace vastrel::browser {

namespace {

const QString kCrLf = QStringLiteral("\r\n");
constexpr qint64 kMaxTextBytes = 64 * 1024 * 1024;

struct TrackText
{
    QString text;
    QString side;
    QString trackPath;
    int length = 0;
};

// A track's text split from its side block, and the track file it belongs to.
TrackText LeggiTesto(const QString& root, const QString& rowPath, platform::DirectoryCache& cache)
{
    const QString path = root + rowPath;
    const platform::ReadResult read = cache.readFile(path, kMaxTextBytes);
    const QString text = read.ok() ? platform::TextDecoder::decode(read.data) : QString();
    const catalogue::TrackFile track = catalogue::TrackResolver::TrovaBrano(path, root, cache);
    const texts::TextSplit::Parts parts = texts::TextSplit::split(text);
    return {parts.text, parts.side, track.path, track.length};
}

// A checked track's part of the pane, read apart from the other tracks.
struct ShownTrack
{
    QString text; // empty when the track has nothing but blanks to show
    QString trackPath;
    int length = 0;
};

ShownTrack readTrack(const QString& root, const QString& rowPath, bool narrowScreen,
                     platform::DirectoryCache& cache)
{
    TrackText t = LeggiTesto(root, rowPath, cache);
    if (!t.side.isEmpty())
        t.text = texts::TwoColumns::Affianca(t.text, t.side, narrowScreen);
    // Only blanks make a text empty: empty lines and tabs are shown as they are.
    if (platform::Blanks::trim(t.text).isEmpty())
        t.text.clear();
    return {t.text, t.trackPath, t.length};
}

} // namespace

TrackPane TrackPane::build(const QString& root, const catalogue::CheckListModel& tracks,
                           bool narrowScreen, platform::DirectoryCache& cache,
                           const platform::WorkPool::Progress& progress)
{
    QList<int> checked;
    for (int i = 0; i < tracks.count(); ++i) {
        if (tracks.isChecked(i))
            checked.append(i);
    }
    const QList<ShownTrack> shown = platform::WorkPool::map<ShownTrack>(
        checked.size(),
        [&](qsizetype i) {
            return readTrack(root, tracks.row(checked.at(i)).path(), narrowScreen, cache);
        },
        progress);

    TrackPane pane;
    pane.checked = int(checked.size());
    for (qsizetype i = 0; i < shown.size(); ++i) {
        const ShownTrack& t = shown.at(i);
        if (!pane.text.isEmpty())
            pane.text += kCrLf + kCrLf + kCrLf + kCrLf;
        if (t.trackPath.isEmpty())
            platform::Beeper::beep();
        else
            pane.playlist += t.trackPath + kCrLf;
        if (!t.text.isEmpty())
            pane.text += t.text;
        else
            pane.text += tracks.row(checked.at(i)).title() + kCrLf +
                         QStringLiteral("Nessun Testo Disponibile.") + kCrLf;
        if (t.length == -1)
            ++pane.unknown;
        else
            pane.seconds += t.length;
    }
    return pane;
}

} // namespace vastrel::browser
