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

// A track's text with its side block beside it; a text made only of blanks is the track's
// title and "Nessun Testo Disponibile.".
TrackPane::Text LeggiTesto(const QString& path, const catalogue::ListRow& row,
                           platform::DirectoryCache& cache, bool narrowScreen)
{
    const platform::ReadResult read = cache.readFile(path, kMaxTextBytes);
    const QString content = read.ok() ? platform::TextDecoder::decode(read.data) : QString();
    const texts::TextSplit::Parts parts = texts::TextSplit::split(content);
    TrackPane::Text text{parts.text, parts.text};
    if (!parts.side.isEmpty())
        text.shown = texts::TwoColumns::Affianca(parts.text, parts.side, narrowScreen);
    // Only blanks make a text empty: empty lines and tabs are shown as they are.
    if (platform::Blanks::trim(text.shown).isEmpty()) {
        text.shown = row.title() + kCrLf + QStringLiteral("Nessun Testo Disponibile.") + kCrLf;
        text.words = text.shown;
    }
    return text;
}

// A checked track's part of the pane and its file, read apart from the other tracks.
struct ShownTrack
{
    QString text;
    catalogue::TrackFile track;
};

} // namespace

TrackPane::Text TrackPane::trackText(const QString& root, const catalogue::ListRow& row,
                                     platform::DirectoryCache& cache, bool narrowScreen)
{
    return LeggiTesto(row.pathUnder(root), row, cache, narrowScreen);
}

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
            const catalogue::ListRow& row = tracks.row(checked.at(i));
            const QString path = row.pathUnder(root);
            return ShownTrack{LeggiTesto(path, row, cache, narrowScreen).shown,
                              catalogue::TrackResolver::TrovaBrano(path, root, cache)};
        },
        progress);

    TrackPane pane;
    pane.checked = int(checked.size());
    for (qsizetype i = 0; i < shown.size(); ++i) {
        const ShownTrack& t = shown.at(i);
        if (!pane.text.isEmpty())
            pane.text += kCrLf + kCrLf + kCrLf + kCrLf;
        pane.text += t.text;
        const catalogue::TrackFile& track = t.track;
        if (track.path.isEmpty())
            platform::Beeper::beep();
        else
            pane.playlist += track.path + kCrLf;
        pane.lengths.append(track.length);
        if (track.length == -1)
            ++pane.unknown;
        else
            pane.seconds += track.length;
    }
    return pane;
}

} // namespace vastrel::browser
