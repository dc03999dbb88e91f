#include "BrowsingSession.h"

#include "EmptyAlbumList.h"
#include "TrackPane.h"
#include "catalogue/AlbumScan.h"
#include "catalogue/Collation.h"
#include "catalogue/TrackListBuilder.h"
#include "media/PictureLoader.h"
#include "media/Playlist.h"
#include "media/TempCleanup.h"
#include "platform/Beeper.h"
#include "platform/DirectoryCache.h"
#include "platform/Opener.h"
#include "platform/PrivateTempFolder.h"
#include "platform/TextCase.h"
#include "texts/TextPaneState.h"

#include <QDir>

namespace vastrel::browser {

using catalogue::CheckListModel;
using catalogue::ListRow;
using platform::Modifier;

namespace {

const QString kEmptyPictureTag = QStringLiteral("[Vuoto]");
constexpr qint64 kProgressIntervalMs = 100;

QString picturesAvailable(int count)
{
    return QStringLiteral("&Immagini Disponibili: %1").arg(count);
}

} // namespace

// The listings of one gesture, however many rebuilds it runs, and its clock. Handlers that
// another handler calls share the outer gesture's.
class BrowsingSession::Operation
{
public:
    explicit Operation(BrowsingSession& session) : m_session(session)
    {
        if (m_session.m_listings)
            return;
        m_outermost = true;
        platform::WorkPool::chooseFor(m_session.m_state.collectionRoot);
        if (m_session.m_heldListings) {
            m_session.m_listings = m_session.m_heldListings;
        } else {
            m_own = std::make_unique<platform::DirectoryCache>();
            m_session.m_listings = m_own.get();
        }
        m_session.m_operationClock.start();
    }
    ~Operation()
    {
        if (!m_outermost)
            return;
        m_session.m_listings = nullptr;
        if (m_session.m_progressClock.isValid()) {
            m_session.m_progressClock.invalidate();
            Q_EMIT m_session.progress(QString(), 0, 0);
        }
    }
    Operation(const Operation&) = delete;
    Operation& operator=(const Operation&) = delete;

    platform::DirectoryCache& listings() const { return *m_session.m_listings; }

private:
    BrowsingSession& m_session;
    std::unique_ptr<platform::DirectoryCache> m_own;
    bool m_outermost = false;
};

BrowsingSession::BrowsingSession(ModuleState& state, platform::Opener& opener, QObject* parent)
    : QObject(parent), m_state(state), m_opener(opener), m_pictureTag(kEmptyPictureTag)
{
    connect(&m_albums, &CheckListModel::itemCheck, this, &BrowsingSession::lstAlbum_ItemCheck);
    connect(&m_tracks, &CheckListModel::itemCheck, this, &BrowsingSession::lstBrani_ItemCheck);
}

BrowsingSession::~BrowsingSession() = default;

// Reported once the gesture has worked for the delay, then every tenth of a second.
platform::WorkPool::Progress BrowsingSession::progressOf(const QString& caption)
{
    return [this, caption](qsizetype done, qsizetype total) {
        if (m_operationClock.elapsed() < m_progressDelay.count())
            return;
        if (m_progressClock.isValid() && m_progressClock.elapsed() < kProgressIntervalMs)
            return;
        m_progressClock.start();
        Q_EMIT progress(caption.arg(done).arg(total), int(done), int(total));
    };
}

void BrowsingSession::setPointer(Pointer pointer)
{
    if (pointer == m_pointer)
        return;
    m_pointer = pointer;
    Q_EMIT pointerChanged(pointer);
}

bool BrowsingSession::pictureBoxShown() const
{
    return m_state.paneMode != PaneMode::TextsOnly && m_state.sizeMode == SizeMode::Full;
}

void BrowsingSession::openTempFolder()
{
    m_tempFolder = platform::PrivateTempFolder::locate(QDir::tempPath());
    media::TempCleanup::run(m_tempFolder);
}

void BrowsingSession::cleanUpTempFolder() const
{
    media::TempCleanup::run(m_tempFolder);
}

CheckListModel& BrowsingSession::model(List list)
{
    return list == List::Albums ? m_albums : m_tracks;
}

SelectMode& BrowsingSession::selectMode(List list)
{
    return list == List::Albums ? m_view.albumsMode : m_view.tracksMode;
}

void BrowsingSession::checkHandler(List list)
{
    if (list == List::Albums)
        lstAlbum_ItemCheck(-1);
    else
        lstBrani_ItemCheck(-1);
}

// The albums under the show filter, in collation order; marks and the current album
// follow their names.
void BrowsingSession::Aggiorna()
{
    catalogue::SavedChecks saved;
    for (int i = 0; i < m_albums.count(); ++i)
        saved.add(m_albums.row(i).text(), m_albums.isChecked(i));
    const int current = m_albums.currentRow();
    saved.setCurrent(current >= 0 ? m_albums.row(current).text() : QString());

    const Pointer pointer = m_pointer;
    setPointer(Pointer::Hourglass);

    const Operation operation(*this);
    QStringList names =
        catalogue::AlbumScan::albumNames(m_state.collectionRoot, m_showFilter, operation.listings(),
                                         progressOf(QStringLiteral("Cartelle lette: %1 di %2")));
    catalogue::Collation::sort(names);
    QList<ListRow> rows;
    rows.reserve(names.size());
    for (const QString& name : names)
        rows.append(ListRow::plain(name));
    m_albums.setRows(std::move(rows));
    m_view.selectAlbumsEnabled = m_albums.count() > 0;
    m_view.albumsPlaceholder =
        m_albums.count() > 0 ? QString()
                             : EmptyAlbumList::placeholder(m_state.collectionRoot, m_showFilter);

    int newCurrent = -1;
    for (int i = 0; i < m_albums.count(); ++i) {
        const QString name = m_albums.row(i).text();
        if (saved.wasChecked(name))
            m_albums.setChecked(i, true);
        if (saved.isCurrent(name))
            newCurrent = i;
    }
    m_albums.setCurrentRow(newCurrent);

    setPointer(pointer);
    Q_EMIT changed();
}

void BrowsingSession::setShowFilter(int filter)
{
    m_showFilter = filter;
    if (m_pointer == Pointer::Hourglass)
        return;
    m_state.modifierState = Modifier::Ctrl;
    const Operation operation(*this);
    Aggiorna();
    lstAlbum_ItemCheck(-1);
}

void BrowsingSession::setAlphabetical(bool alphabetical)
{
    m_alphabetical = alphabetical;
    m_view.alphabetical = alphabetical;
}

void BrowsingSession::recordModifiers(platform::Modifiers modifiers)
{
    m_state.modifierState = modifiers;
}

QString BrowsingSession::savedKey(int row, bool byPath) const
{
    return byPath ? m_tracks.row(row).path().toString() : m_tracks.row(row).key();
}

catalogue::SavedChecks BrowsingSession::saveTrackMarks(bool byPath) const
{
    catalogue::SavedChecks saved;
    for (int i = 0; i < m_tracks.count(); ++i) {
        if (m_tracks.isChecked(i))
            saved.add(savedKey(i, byPath), true);
    }
    const int current = m_tracks.currentRow();
    // No current row: a key that no row has.
    saved.setCurrent(current >= 0 ? savedKey(current, byPath)
                                  : (byPath ? QStringLiteral(" ") : QString()));
    return saved;
}

void BrowsingSession::restoreTrackMarks(const catalogue::SavedChecks& saved, bool byPath)
{
    if (saved.isEmpty())
        return;
    int current = -1;
    for (int i = 0; i < m_tracks.count(); ++i) {
        const QString key = savedKey(i, byPath);
        if (saved.wasChecked(key))
            m_tracks.setChecked(i, true);
        if (saved.isCurrent(key))
            current = i;
    }
    m_tracks.setCurrentRow(current);
}

// The track list, the pictures and the album notes of the checked albums. Marks changed by
// the program's own handlers are theirs to rebuild.
void BrowsingSession::lstAlbum_ItemCheck(int item)
{
    if (m_pointer != Pointer::Default)
        return;
    setPointer(Pointer::Hourglass);
    const catalogue::SavedChecks saved = saveTrackMarks(false);
    m_state.albumNotes.clear();
    m_state.autoPlay = m_state.modifierState.testFlag(Modifier::Shift);
    // A plain click keeps only the clicked album.
    if (!m_state.modifierState.testFlag(Modifier::Ctrl)) {
        for (int i = 0; i < m_albums.count(); ++i) {
            if (i != item)
                m_albums.setChecked(i, false);
        }
        m_state.modifierState |= Modifier::Ctrl;
    }

    QStringList checked;
    for (int i = 0; i < m_albums.count(); ++i) {
        if (m_albums.isChecked(i))
            checked.append(m_albums.row(i).text());
    }
    const Operation operation(*this);
    catalogue::TrackListContent content = catalogue::TrackListBuilder::build(
        m_state.collectionRoot, checked, m_alphabetical, m_showFilter, operation.listings(),
        progressOf(QStringLiteral("Album letti: %1 di %2")));
    m_view.titleSearchEnabled = !content.tracks.isEmpty();
    m_tracks.setRows(std::move(content.tracks));
    m_pictures.setRows(std::move(content.pictures));
    m_state.albumNotes = std::move(content.albumNotes);
    m_view.selectTracksEnabled = m_tracks.count() > 0;
    restoreTrackMarks(saved, false);

    m_checkedAlbums = int(checked.size());
    m_view.albumsCaption =
        QStringLiteral("&Album Selezionati: %1 (su %2)").arg(m_checkedAlbums).arg(m_albums.count());
    autoSwitchSelectMode(List::Albums);
    choosePicture();
    setPointer(Pointer::Default);

    // The rebuild of the pane neither plays nor takes any row for the clicked one; a check
    // with Shift plays every track of the checked albums afterwards.
    const bool autoPlay = m_state.autoPlay;
    m_state.autoPlay = false;
    rebuildPane();
    if (autoPlay) {
        if (m_view.tracksMode == SelectMode::Deselect)
            switchSelectMode(List::Tracks);
        selectAll(List::Tracks);
        cmdSuona_Click();
    }
    Q_EMIT changed();
}

// The text pane, the playlist and the counter of the checked tracks.
void BrowsingSession::lstBrani_ItemCheck(int item)
{
    if (m_pointer != Pointer::Default)
        return;
    setPointer(Pointer::Hourglass);
    m_state.autoPlay = m_state.modifierState.testFlag(Modifier::Shift);
    setCheckedTracksOnly(item);
    rebuildPane();
    setPointer(Pointer::Default);
    if (m_state.autoPlay) {
        m_state.autoPlay = false;
        cmdSuona_Click();
    }
    Q_EMIT changed();
}

// Without Ctrl a check keeps only the checked row; item -1 names no row.
void BrowsingSession::setCheckedTracksOnly(int item)
{
    if (m_state.modifierState.testFlag(Modifier::Ctrl))
        return;
    for (int i = 0; i < m_tracks.count(); ++i) {
        if (i != item)
            m_tracks.setChecked(i, false);
    }
}

void BrowsingSession::rebuildPane()
{
    const Pointer pointer = m_pointer;
    setPointer(Pointer::Hourglass);
    const Operation operation(*this);
    const TrackPane pane = TrackPane::build(
        m_state.collectionRoot, m_tracks, m_state.screen.width() < TrackPane::kNarrowScreen,
        operation.listings(), progressOf(QStringLiteral("Brani letti: %1 di %2")));
    m_playlistText = pane.playlist;
    m_checkedLengths = pane.lengths;
    m_state.modifierState = {};

    const texts::TextPaneState::State state =
        texts::TextPaneState::choose(!pane.text.isEmpty(), m_checkedAlbums, m_state.introNotes);
    m_paneState = state;
    if (!pane.text.isEmpty())
        m_view.pane = pane.text;
    else
        m_view.pane = m_checkedAlbums == 0 ? m_state.introNotes : m_state.albumNotes;
    ++m_view.paneRevision;
    m_view.paneWraps = state != texts::TextPaneState::Texts;
    m_view.paneHeading = texts::TextPaneState::heading(state);
    m_view.textSearchTooltip = texts::TextPaneState::searchTooltip(state);
    m_view.playEnabled = pane.checked > 0;
    m_view.tracksCaption = texts::TextPaneState::tracksCaption(pane.checked, m_tracks.count(),
                                                               pane.seconds, pane.unknown);
    autoSwitchSelectMode(List::Tracks);
    setPointer(pointer);
}

// After a rebuild in which all rows or none are checked, the button offers the one click
// that changes something.
void BrowsingSession::autoSwitchSelectMode(List list)
{
    const int checked = model(list).checkedCount();
    if (checked == 0 || checked == model(list).count())
        switchSelectMode(list);
}

void BrowsingSession::switchSelectMode(List list)
{
    const int checked = model(list).checkedCount();
    SelectMode& mode = selectMode(list);
    if (mode == SelectMode::Select) {
        if (checked > 0)
            mode = SelectMode::Deselect;
    } else if (checked < model(list).count()) {
        mode = SelectMode::Select;
    }
    Q_EMIT changed();
}

// Every mark changes under the busy pointer, so the check handler ignores them one by
// one; it then rebuilds once.
void BrowsingSession::selectAll(List list)
{
    m_state.modifierState = Modifier::Ctrl;
    setPointer(Pointer::Busy);
    CheckListModel& rows = model(list);
    const bool mark = selectMode(list) == SelectMode::Select;
    for (int i = 0; i < rows.count(); ++i)
        rows.setChecked(i, mark);
    setPointer(Pointer::Default);
    rows.setCurrentRow(-1);
    checkHandler(list);
    Q_EMIT trackListFocus();
}

void BrowsingSession::invert(List list)
{
    m_state.modifierState = Modifier::Ctrl;
    setPointer(Pointer::Busy);
    CheckListModel& rows = model(list);
    for (int i = 0; i < rows.count(); ++i)
        rows.setChecked(i, !rows.isChecked(i));
    setPointer(Pointer::Default);
    rows.setCurrentRow(-1);
    checkHandler(list);
    Q_EMIT trackListFocus();
}

// The marks follow their tracks into the new order, unless the folders changed meanwhile
// and the marks cannot be carried over: then a beep.
void BrowsingSession::chkOrdinaAZ_Click()
{
    const catalogue::SavedChecks saved = saveTrackMarks(true);
    const int rows = m_tracks.count();
    m_state.modifierState = Modifier::Ctrl;
    lstAlbum_ItemCheck(-1);
    if (m_tracks.count() != rows) {
        platform::Beeper::beep();
    } else {
        setPointer(Pointer::Hourglass);
        restoreTrackMarks(saved, true);
        setPointer(Pointer::Default);
        m_state.modifierState = Modifier::Ctrl;
        lstBrani_ItemCheck(-1);
    }
    Q_EMIT trackListFocus();
}

int BrowsingSession::searchTitles(const QString& text)
{
    m_titleSearch = text;
    m_state.modifierState = Modifier::Ctrl;
    setPointer(Pointer::Hourglass);
    int found = 0;
    for (int i = 0; i < m_tracks.count(); ++i) {
        const bool match = m_tracks.row(i).title().contains(text, Qt::CaseInsensitive);
        m_tracks.setChecked(i, match);
        found += match ? 1 : 0;
    }
    setPointer(Pointer::Default);
    lstBrani_ItemCheck(-1);
    return found;
}

void BrowsingSession::setTextSearch(const QString& text)
{
    m_textSearch = text;
    m_view.findNextEnabled = true;
    QString tip =
        QStringLiteral(" Cerca la Prossima Occorrenza di \"") + text + QStringLiteral("\" ");
    constexpr qsizetype kLongestTip = 64;
    if (tip.size() > kLongestTip)
        tip = tip.left(kLongestTip - 3) + QStringLiteral("...");
    m_view.findNextTooltip = tip;
    Q_EMIT changed();
}

// The picture on show stays current when its row is still listed (the last matching row
// wins); otherwise a single checked album opens on its first picture.
void BrowsingSession::choosePicture()
{
    QString shown = platform::TextCase::upper(m_pictureTag);
    const QString root = platform::TextCase::upper(m_state.collectionRoot);
    if (shown.startsWith(root))
        shown.remove(0, root.size());
    int k = -1;
    for (int j = 0; j < m_pictures.count(); ++j) {
        if (m_pictures.row(j).textEndsWithIgnoringCase(shown))
            k = j;
    }
    if (k == -1 && m_pictures.count() > 0 && m_checkedAlbums == 1)
        k = 0;
    m_pictures.setCurrentRow(k);
    MostraImmagine();
}

void BrowsingSession::showNoPicture()
{
    m_view.picture = QImage();
    m_view.pictureTitle.clear();
    ++m_view.pictureRevision;
    m_pictureTag = kEmptyPictureTag;
}

// A picture is read only when it is another one and the picture box is on show; one that
// cannot be read beeps and leaves no picture current.
void BrowsingSession::MostraImmagine()
{
    const int n = m_pictures.count();
    const int k = m_pictures.currentRow();
    if (n == 0)
        m_view.picturesCaption =
            m_checkedAlbums > 0 ? QStringLiteral("Nessuna Immagine Disponibile") : QString();
    else if (k < 0)
        m_view.picturesCaption = picturesAvailable(n);
    else
        m_view.picturesCaption = QStringLiteral("&Immagine N.%1 (su %2)").arg(k + 1).arg(n);
    Q_EMIT changed();
    if (k < 0) {
        showNoPicture();
        Q_EMIT changed();
        return;
    }
    const QString path = m_pictures.row(k).pathUnder(m_state.collectionRoot);
    if (path == m_pictureTag || !pictureBoxShown())
        return;
    const QImage picture = media::PictureLoader::load(path);
    if (picture.isNull()) {
        platform::Beeper::beep();
        m_view.picturesCaption = picturesAvailable(n);
        showNoPicture();
        m_pictures.setCurrentRow(-1);
        Q_EMIT changed();
        return;
    }
    m_view.picture = picture;
    m_view.pictureTitle = m_pictures.row(k).title();
    ++m_view.pictureRevision;
    m_pictureTag = path;
    Q_EMIT changed();
}

void BrowsingSession::nextPaneMode()
{
    m_state.paneMode = browser::nextPaneMode(m_state.paneMode);
}

void BrowsingSession::setSizeMode(SizeMode mode)
{
    m_state.sizeMode = mode;
}

// A playlist that cannot be written is not reported: the player gets whatever is there.
void BrowsingSession::cmdSuona_Click()
{
    if (m_playlistText.isEmpty()) {
        platform::Beeper::beep();
    } else {
        const QString playlist = media::TempCleanup::playlistPath(m_tempFolder);
        if (!m_tempFolder.isEmpty())
            media::Playlist::write(playlist, m_playlistText);
        if (!m_opener.open(playlist, m_tempFolder)) {
            Q_EMIT changed();
            Q_EMIT openFailed(playlist);
        }
    }
    Q_EMIT trackListFocus();
}

Songbook BrowsingSession::songbook() const
{
    Songbook book;
    if (m_paneState == texts::TextPaneState::Texts)
        book = Songbook::ofTracks(m_state.collectionRoot, m_tracks, m_checkedLengths);
    else if (m_paneState != texts::TextPaneState::Nothing)
        book = Songbook::ofDocument(m_view.pane);
    if (book.isEmpty())
        platform::Beeper::beep();
    return book;
}

} // namespace vastrel::browser
