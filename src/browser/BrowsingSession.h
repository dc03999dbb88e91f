#pragma once

#include "MainLayout.h"
#include "MainView.h"
#include "ModuleState.h"
#include "Songbook.h"
#include "TextZoom.h"
#include "catalogue/CheckListModel.h"
#include "catalogue/SavedChecks.h"
#include "catalogue/ShowFilter.h"
#include "platform/WorkPool.h"
#include "texts/TextPaneState.h"

#include <QElapsedTimer>
#include <QObject>
#include <chrono>
#include <functional>
#include <memory>
#include <optional>

namespace vastrel::platform {
class DirectoryCache;
class Opener;
} // namespace vastrel::platform

namespace vastrel::browser {

// The main window without its widgets: the album, track and picture lists with their
// marks, the modifier state, the select-all modes, the text pane's content, the searches,
// the picture on show and the playlist. The window forwards each gesture to the handler
// named after it and draws mainView() whenever changed() is raised.
//
// The session owns the module-wide values: it starts from the ones the start-up sequence
// fixed, and every later change goes through one of its methods. It outlives the windows
// that show it.
//
// A mark changed on one of the lists raises its check handler at once, whoever changed it;
// the handlers ignore marks that change while the pointer is not the default one, so a
// change of many marks costs a single rebuild. The pointer is the one guard against
// re-entry: a handler at work shows another one through a Busy guard.
//
// A gesture lists each folder once, however many rebuilds it runs; its file work runs in
// parallel, and a gesture that takes longer than a second reports how far it is.
class BrowsingSession : public QObject
{
    Q_OBJECT

public:
    enum class List
    {
        Albums,
        Tracks,
    };

    // While it lives, the session shows the pointer given; it puts back the pointer it found
    // however its scope is left.
    class [[nodiscard]] Busy
    {
    public:
        Busy(BrowsingSession& session, Pointer pointer);
        ~Busy();
        Busy(const Busy&) = delete;
        Busy& operator=(const Busy&) = delete;

    private:
        BrowsingSession& m_session;
        Pointer m_previous;
    };

    // The modifier state of a change of many marks under way: the marks accumulate as with
    // Ctrl held.
    static constexpr platform::Modifiers kBulkChange = platform::Modifier::Ctrl;

    BrowsingSession(const ModuleState& start, platform::Opener& opener, QObject* parent = nullptr);
    ~BrowsingSession() override;

    catalogue::CheckListModel& albums() { return m_albums; }
    catalogue::CheckListModel& tracks() { return m_tracks; }
    catalogue::CheckListModel& pictures() { return m_pictures; }
    const MainView& mainView() const { return m_view; }
    const ModuleState& state() const { return m_state; }
    Pointer pointer() const { return m_pointer; }
    Busy busy(Pointer pointer) { return Busy(*this, pointer); }
    const QString& playlistText() const { return m_playlistText; }
    const QString& tempFolder() const { return m_tempFolder; }
    const QString& titleSearch() const { return m_titleSearch; }
    const QString& textSearch() const { return m_textSearch; }
    // The number of albums checked as of the last track-list rebuild.
    int checkedAlbums() const { return m_checkedAlbums; }
    bool pictureBoxShown() const;

    // While set, these folder listings serve every gesture: the start-up sequence refreshes
    // the albums more than once, and nothing on disk is expected to change meanwhile.
    // nullptr: each gesture lists the folders anew.
    void holdListings(platform::DirectoryCache* listings) { m_heldListings = listings; }
    // How long a gesture works before it reports progress.
    void setProgressDelay(std::chrono::milliseconds delay) { m_progressDelay = delay; }

    // The private temporary folder, cleared of what an earlier run left there.
    void openTempFolder();
    void cleanUpTempFolder() const;

    void Aggiorna();
    // The window becomes the program's active one: whatever pointer was left goes, no album
    // is current, and the lists are rebuilt from the checked albums.
    void activate();
    void setShowFilter(catalogue::ShowFilter filter);
    void setAlphabetical(bool alphabetical);
    // The modifiers of a key or mouse press on a list, before it changes a mark.
    void recordModifiers(platform::Modifiers modifiers);
    void lstAlbum_ItemCheck(int item);
    void lstBrani_ItemCheck(int item);
    void chkOrdinaAZ_Click();
    void selectAll(List list);
    // A right press (or its key) on a select-all button: the mode moves only to one whose
    // click would change something.
    void switchSelectMode(List list);
    void invert(List list);
    // Checks every track whose title holds the text and unchecks the others; the message
    // that none was found.
    std::optional<Message> searchTitles(const QString& text);
    void setTextSearch(const QString& text);
    static QString titleSearchTitle();
    // The title of the text search's boxes, after what the pane shows.
    QString textSearchTitle() const;
    // The text pane shows this plain text since its last rebuild; the selection in it as a
    // key, a click or a change of the pane left it.
    void paneShown(const QString& plainText, int selectionStart, int selectionLength);
    void setPaneSelection(int start, int length);
    // Find-next from the pane's selection: where the searched text is next, or nothing.
    std::optional<int> findNext(int selectionStart, int selectionLength) const;
    Message textNotFound() const;
    void MostraImmagine();
    void nextPaneMode();
    // The control that takes the focus once the pane mode has changed.
    LayoutControl paneFocus() const;
    void setSizeMode(SizeMode mode);
    // The text pane's font a step larger or smaller, or back to its normal size; the window
    // scales the pane and nothing else.
    void zoomPane(TextZoom::Step step);
    // The frame and the size limits that the window's last layout measured.
    void setWindowMeasures(const LayoutResult& layout);
    // The collection's introductory notes, shown while no album is checked.
    void setIntroduction(const QString& notes);
    // Writes the playlist and hands it to the desktop's player; a beep when nothing is
    // checked.
    void cmdSuona_Click();
    // What the print commands print: the checked tracks while the pane shows their texts,
    // else the notes on show; a beep and nothing when the pane shows nothing.
    Songbook songbook() const;
    // What closing the window with this caption asks; nothing while no album is listed.
    std::optional<Message> closeQuestion(const QString& caption) const;

Q_SIGNALS:
    // mainView() changed: the window draws it again.
    void changed();
    void pointerChanged(vastrel::browser::Pointer pointer);
    // The desktop could not open the playlist at this path.
    void openFailed(const QString& playlist);
    // The gesture ends with the focus on the track list.
    void trackListFocus();
    // Long file work: what is read, done of total; an empty caption when it is over.
    void progress(const QString& caption, int done, int total);

private:
    class Operation;

    void setPointer(Pointer pointer);
    platform::WorkPool::Progress progressOf(const QString& caption);
    void offer(Command command, bool enabled);
    bool offerTextCommands(int selectionStart, int selectionLength);
    void showCommands();
    void offerZoom();
    catalogue::CheckListModel& model(List list);
    SelectMode& selectMode(List list);
    void checkHandler(List list);
    void rebuildTrackList(int item, const Operation& operation);
    void changeEveryMark(List list, const std::function<bool(bool checked)>& mark);
    void setCheckedTracksOnly(int item);
    void rebuildPane();
    void choosePicture();
    void showNoPicture();
    void autoSwitchSelectMode(List list);
    QString savedKey(int row, bool byPath) const;
    catalogue::SavedChecks saveTrackMarks(bool byPath) const;
    void restoreTrackMarks(const catalogue::SavedChecks& saved, bool byPath);

    ModuleState m_state;
    platform::Opener& m_opener;
    catalogue::CheckListModel m_albums{true};
    catalogue::CheckListModel m_tracks{true};
    catalogue::CheckListModel m_pictures{false};
    MainView m_view;
    texts::TextPaneState::State m_paneState = texts::TextPaneState::Nothing;
    QList<int> m_checkedLengths; // of the checked tracks, as of the last rebuild of the pane
    Pointer m_pointer = Pointer::Default;
    catalogue::ShowFilter m_showFilter = catalogue::ShowFilter::NoneChosen;
    bool m_alphabetical = false;
    int m_checkedAlbums = 0;
    // The file of the picture on show; none for the empty picture.
    std::optional<QString> m_shownPicture;
    QString m_playlistText;
    QString m_tempFolder;
    QString m_titleSearch;
    QString m_textSearch;
    QString m_paneText; // as the window shows it
    platform::DirectoryCache* m_heldListings = nullptr;
    platform::DirectoryCache* m_listings = nullptr; // of the gesture under way
    std::chrono::milliseconds m_progressDelay{1000};
    QElapsedTimer m_operationClock;
    QElapsedTimer m_progressClock; // since progress was last reported; invalid: not shown
};

} // namespace vastrel::browser
