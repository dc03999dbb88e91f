#include "TrackPane.h"

#include "catalogue/CheckListModel.h"
#include "catalogue/TrackResolver.h"
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
QString LeggiTesto(const QString& path, const catalogue::ListRow& row,
                   platform::DirectoryCache& cache, bool narrowScreen)
{
    const platform::ReadResult read = cache.readFile(path, kMaxTextBytes);
    const QString content = read.ok() ? platform::TextDecoder::decode(read.data) : QString();
    texts::TextSplit::Parts parts = texts::TextSplit::split(content);
    if (!parts.side.isEmpty())
        parts.text = texts::TwoColumns::Affianca(parts.text, parts.side, narrowScreen);
    // Only blanks make a text empty: empty lines and tabs are shown as they are.
    if (platform::Blanks::trim(parts.text).isEmpty())
        return row.title() + kCrLf + QStringLiteral("Nessun Testo Disponibile.") + kCrLf;
    return parts.text;
}

} // namespace

QString TrackPane::trackText(const QString& root, const catalogue::ListRow& row,
                             platform::DirectoryCache& cache, bool narrowScreen)
{
    return LeggiTesto(root + row.path(), row, cache, narrowScreen);
}

TrackPane TrackPane::build(const QString& root, const catalogue::CheckListModel& tracks,
                           bool narrowScreen)
{
    TrackPane pane;
    platform::DirectoryCache cache;
    for (int i = 0; i < tracks.count(); ++i) {
        if (!tracks.isChecked(i))
            continue;
        ++pane.checked;
        if (!pane.text.isEmpty())
            pane.text += kCrLf + kCrLf + kCrLf + kCrLf;
        const QString path = root + tracks.row(i).path();
        pane.text += LeggiTesto(path, tracks.row(i), cache, narrowScreen);
        const catalogue::TrackFile track = catalogue::TrackResolver::TrovaBrano(path, root, cache);
        if (!track.path.isEmpty())
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
