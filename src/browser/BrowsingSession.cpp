#include "BrowsingSession.h"

#include "EmptyAlbumList.h"
#include "TextCommands.h"
#include "TextSearch.h"
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

BrowsingSession::Busy::Busy(BrowsingSession& session, Pointer pointer)
    : m_session(session), m_previous(session.m_pointer)
{
    m_session.setPointer(pointer);
}

BrowsingSession::Busy::~Busy()
{
    m_session.setPointer(m_previous);
}

BrowsingSession::BrowsingSession(const ModuleState& start, platform::Opener& opener,
                                 QObject* parent)
    : QObject(parent), m_state(start), m_opener(opener)
{
    connect(&m_albums, &CheckListModel::itemCheck, this, &BrowsingSession::lstAlbum_ItemCheck);
    connect(&m_tracks, &CheckListModel::itemCheck, this, &BrowsingSession::lstBrani_ItemCheck);
    showCommands();
    offerZoom();
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
    if (current >= 0)
        saved.setCurrent(m_albums.row(current).text());

    const Busy busy(*this, Pointer::Hourglass);
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
    offer(Command::SelectAllAlbums, m_albums.count() > 0);
    offer(Command::SwitchAlbumsMode, m_albums.count() > 0);
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
    Q_EMIT changed();
}

void BrowsingSession::activate()
{
    setPointer(Pointer::Default);
    m_albums.setCurrentRow(-1);
    lstAlbum_ItemCheck(-1);
}

void BrowsingSession::setShowFilter(catalogue::ShowFilter filter)
{
    m_showFilter = filter;
    if (m_pointer == Pointer::Hourglass)
        return;
    m_state.modifierState = kBulkChange;
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
    if (current >= 0)
        saved.setCurrent(savedKey(current, byPath));
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
    const Operation operation(*this);
    {
        const Busy busy(*this, Pointer::Hourglass);
        rebuildTrackList(item, operation);
    }
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

void BrowsingSession::rebuildTrackList(int item, const Operation& operation)
{
    const catalogue::SavedChecks saved = saveTrackMarks(false);
    m_state.albumNotes.clear();
    m_state.autoPlay = m_state.modifierState.testFlag(Modifier::Shift);
    // A plain click keeps only the clicked album.
    if (!m_state.modifierState.testFlag(Modifier::Ctrl)) {
        for (int i = 0; i < m_albums.count(); ++i) {
            if (i != item)
                m_albums.setChecked(i, false);
        }
        m_state.modifierState |= kBulkChange;
    }

    QStringList checked;
    for (int i = 0; i < m_albums.count(); ++i) {
        if (m_albums.isChecked(i))
            checked.append(m_albums.row(i).text());
    }
    catalogue::TrackListContent content = catalogue::TrackListBuilder::build(
        m_state.collectionRoot, checked, m_alphabetical, m_showFilter, operation.listings(),
        progressOf(QStringLiteral("Album letti: %1 di %2")));
    offer(Command::SearchTitles, !content.tracks.isEmpty());
    m_tracks.setRows(std::move(content.tracks));
    m_pictures.setRows(std::move(content.pictures));
    m_state.albumNotes = std::move(content.albumNotes);
    offer(Command::SelectAllTracks, m_tracks.count() > 0);
    offer(Command::SwitchTracksMode, m_tracks.count() > 0);
    restoreTrackMarks(saved, false);

    m_checkedAlbums = int(checked.size());
    m_view.albumsCaption =
        QStringLiteral("&Album Selezionati: %1 (su %2)").arg(m_checkedAlbums).arg(m_albums.count());
    autoSwitchSelectMode(List::Albums);
    choosePicture();
}

// The text pane, the playlist and the counter of the checked tracks.
void BrowsingSession::lstBrani_ItemCheck(int item)
{
    if (m_pointer != Pointer::Default)
        return;
    {
        const Busy busy(*this, Pointer::Hourglass);
        m_state.autoPlay = m_state.modifierState.testFlag(Modifier::Shift);
        setCheckedTracksOnly(item);
        rebuildPane();
    }
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
    const Busy busy(*this, Pointer::Hourglass);
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
    offer(Command::Play, pane.checked > 0);
    m_view.tracksCaption = texts::TextPaneState::tracksCaption(pane.checked, m_tracks.count(),
                                                               pane.seconds, pane.unknown);
    autoSwitchSelectMode(List::Tracks);
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

void BrowsingSession::selectAll(List list)
{
    const bool mark = selectMode(list) == SelectMode::Select;
    changeEveryMark(list, [mark](bool) { return mark; });
}

void BrowsingSession::invert(List list)
{
    changeEveryMark(list, [](bool checked) { return !checked; });
}

// Every mark changes under the busy pointer, so the check handler ignores them one by
// one; it then rebuilds once.
void BrowsingSession::changeEveryMark(List list, const std::function<bool(bool checked)>& mark)
{
    m_state.modifierState = kBulkChange;
    CheckListModel& rows = model(list);
    {
        const Busy busy(*this, Pointer::Busy);
        for (int i = 0; i < rows.count(); ++i)
            rows.setChecked(i, mark(rows.isChecked(i)));
    }
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
    m_state.modifierState = kBulkChange;
    lstAlbum_ItemCheck(-1);
    if (m_tracks.count() != rows) {
        platform::Beeper::beep();
    } else {
        {
            const Busy busy(*this, Pointer::Hourglass);
            restoreTrackMarks(saved, true);
        }
        m_state.modifierState = kBulkChange;
        lstBrani_ItemCheck(-1);
    }
    Q_EMIT trackListFocus();
}

std::optional<Message> BrowsingSession::searchTitles(const QString& text)
{
    m_titleSearch = text;
    m_state.modifierState = kBulkChange;
    int found = 0;
    {
        const Busy busy(*this, Pointer::Hourglass);
        for (int i = 0; i < m_tracks.count(); ++i) {
            const bool match = m_tracks.row(i).title().contains(text, Qt::CaseInsensitive);
            m_tracks.setChecked(i, match);
            found += match ? 1 : 0;
        }
    }
    lstBrani_ItemCheck(-1);
    if (found > 0)
        return std::nullopt;
    return Message{titleSearchTitle(), TextSearch::notFound(text)};
}

QString BrowsingSession::titleSearchTitle()
{
    return QStringLiteral("Vastrel - Cerca tra i Titoli dei Brani");
}

void BrowsingSession::setTextSearch(const QString& text)
{
    m_textSearch = text;
    offer(Command::FindNext, true);
    QString tip =
        QStringLiteral(" Cerca la Prossima Occorrenza di \"") + text + QStringLiteral("\" ");
    constexpr qsizetype kLongestTip = 64;
    if (tip.size() > kLongestTip)
        tip = tip.left(kLongestTip - 3) + QStringLiteral("...");
    m_view.findNextTooltip = tip;
    Q_EMIT changed();
}

QString BrowsingSession::textSearchTitle() const
{
    return QStringLiteral("Vastrel -") + m_view.textSearchTooltip;
}

void BrowsingSession::paneShown(const QString& plainText, int selectionStart, int selectionLength)
{
    m_paneText = plainText;
    offerTextCommands(selectionStart, selectionLength);
}

void BrowsingSession::setPaneSelection(int start, int length)
{
    if (offerTextCommands(start, length))
        Q_EMIT changed();
}

// The text length is the one of the last rebuild, not recounted. True when an offer changed.
bool BrowsingSession::offerTextCommands(int selectionStart, int selectionLength)
{
    const auto before = m_view.commands;
    const TextCommands text =
        TextCommands::of(int(m_paneText.size()), selectionStart, selectionLength);
    offer(Command::SearchText, text.search);
    offer(Command::CopyText, text.copy);
    offer(Command::SelectText, text.selectAll);
    return m_view.commands != before;
}

std::optional<int> BrowsingSession::findNext(int selectionStart, int selectionLength) const
{
    const qsizetype at = TextSearch::findNext(m_paneText, m_textSearch, selectionStart,
                                              m_paneText.mid(selectionStart, selectionLength));
    return at >= 0 ? std::optional<int>(int(at)) : std::nullopt;
}

Message BrowsingSession::textNotFound() const
{
    return {textSearchTitle(), TextSearch::notFound(m_textSearch)};
}

// The picture on show stays current when its row is still listed (the last matching row
// wins); otherwise a single checked album opens on its first picture.
void BrowsingSession::choosePicture()
{
    int k = -1;
    if (m_shownPicture) {
        QString shown = platform::TextCase::upper(*m_shownPicture);
        const QString root = platform::TextCase::upper(m_state.collectionRoot);
        if (shown.startsWith(root))
            shown.remove(0, root.size());
        for (int j = 0; j < m_pictures.count(); ++j) {
            if (m_pictures.row(j).textEndsWithIgnoringCase(shown))
                k = j;
        }
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
    m_shownPicture.reset();
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
    if (path == m_shownPicture || !pictureBoxShown())
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
    m_shownPicture = path;
    Q_EMIT changed();
}

void BrowsingSession::nextPaneMode()
{
    m_state.paneMode = browser::nextPaneMode(m_state.paneMode);
    showCommands();
    Q_EMIT changed();
}

LayoutControl BrowsingSession::paneFocus() const
{
    return m_state.paneMode == PaneMode::PicturesOnly ? LayoutControl::lstJPEG
                                                      : LayoutControl::txtBrani;
}

void BrowsingSession::setSizeMode(SizeMode mode)
{
    m_state.sizeMode = mode;
    showCommands();
    Q_EMIT changed();
}

void BrowsingSession::zoomPane(TextZoom::Step step)
{
    m_state.textZoom = TextZoom::apply(m_state.textZoom, step);
    offerZoom();
    Q_EMIT changed();
}

// At either end of the range, the step that goes further is not offered.
void BrowsingSession::offerZoom()
{
    offer(Command::ZoomIn, m_state.textZoom < TextZoom::kLargest);
    offer(Command::ZoomOut, m_state.textZoom > TextZoom::kSmallest);
}

void BrowsingSession::offer(Command command, bool enabled)
{
    m_view.commands[commandIndex(command)].enabled = enabled;
}

// A command whose button the layout hides is not offered.
void BrowsingSession::showCommands()
{
    for (std::size_t i = 0; i < kCommandCount; ++i) {
        const auto button = buttonOf(Command(i));
        m_view.commands[i].visible =
            !button || MainLayout::shows(*button, m_state.sizeMode, m_state.paneMode);
    }
}

void BrowsingSession::setWindowMeasures(const LayoutResult& layout)
{
    m_state.borderWidth = layout.borderWidth;
    m_state.captionHeight = layout.captionHeight;
    m_state.maxWindowWidth = layout.maxWindowWidth;
    m_state.maxWindowHeight = layout.maxWindowHeight;
    m_state.minWindowWidth = layout.minWindowWidth;
}

void BrowsingSession::setIntroduction(const QString& notes)
{
    m_state.introNotes = notes;
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

std::optional<Message> BrowsingSession::closeQuestion(const QString& caption) const
{
    if (m_albums.count() == 0)
        return std::nullopt;
    return Message{QStringLiteral("Vastrel - Chiudi"),
                   QStringLiteral("Chiudere \"") + caption + QStringLiteral("\"?")};
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
