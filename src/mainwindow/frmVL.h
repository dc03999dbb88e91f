#pragma once

#include "KeyMap.h"
#include "LayoutControl.h"
#include "MainControls.h"
#include "catalogue/SavedChecks.h"
#include "startup/ModuleState.h"

#include <QWidget>

class QKeyEvent;
class QLabel;
#include <optional>

class QPushButton;

namespace vastrel::platform {
class Dialogs;
class DirectoryCache;
class Opener;
} // namespace vastrel::platform

namespace vastrel::aboutwindow {
class frmInfo;
}

namespace vastrel::mainwindow {

// The main window: the album list with its show filter, the track list, the text pane and
// the picture browser. Its handlers keep the order of their steps visible and leave the
// work on plain data to the logic library.
class frmVL : public QWidget
{
    Q_OBJECT

public:
    // Mouse pointers of the window; any pointer but the default one means a handler is at
    // work, and the check handlers leave the marks to it.
    enum Pointer
    {
        Default = 0,
        Hourglass = 11,
        Busy = 13,
    };

    frmVL(startup::ModuleState& state, platform::Dialogs& dialogs, platform::Opener& opener,
          QWidget* parent = nullptr);
    ~frmVL() override;

    void Aggiorna();
    void Form_Activate();
    // The desktop session is ending: the next close asks nothing and cleans nothing.
    void sessionEnding();

    // What the command line sets, each through the control it belongs to, so that the
    // control's own handling runs.
    void selectShowFilter(int index);
    void setHalfMode(bool half);
    void setAlphabetical(bool alphabetical);
    // Outer size and position in pixels, as the command line gives them.
    void setOuterGeometry(const QRect& outer);
    void setAboutWindow(aboutwindow::frmInfo* about) { m_about = about; }
    // The picture the picture box shows when no picture is selected (imgVuoto).
    void setEmptyPicture(const QPixmap& picture) { ui.imgVuoto = picture; }

    int mousePointer() const { return m_pointer; }
    void setMousePointer(int pointer);
    const QString& tempFolder() const { return m_tempFolder; }
    const MainControls& controls() const { return ui; }

    // The handlers, each named after its control and event. They are public so that the
    // window's own key map, the start-up sequence and the tests reach them as the user's
    // gestures do.
    void lstAlbum_ItemCheck(int item);
    void chkOrdinaAZ_Click();
    void lstBrani_ItemCheck(int item);
    void MostraImmagine();
    void lstJPEG_Click();
    void cmdCopertina_Click();
    void Form_Resize();
    void imgEC_Click(int index);
    void cmdSelAlbum_Click();
    void cmdSelBrani_Click();
    void cmdSelAlbum_MouseDown(int button);
    void cmdSelBrani_MouseDown(int button);
    void lstAlbum_KeyPress(int character);
    void lstBrani_KeyPress(int character);
    void cmdSuona_Click();
    void cmdCercaBrano_Click();
    void cmdCercaTesto_Click();
    void cmdCercaAvanti_Click();
    void cmdCopia_Click();
    void cmdSelTesto_Click();
    void Form_KeyDown(KeyMap::Action action);
    void imgInfo_MouseDown();
    static QPoint aboutPosition(const QRect& main, QSize about, QSize screen, int border,
                                int caption);

    // The tag of the album list: the number of checked albums as of the last rebuild.
    const QString& albumListTag() const { return m_albumListTag; }
    // The tag of the picture box: the full path of the picture on show, or "[Vuoto]".
    const QString& pictureTag() const { return m_pictureTag; }
    const QString& playlistText() const { return m_playlistText; }

protected:
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void Form_Load();
    void connectHandlers();
    void connectLists();
    void connectCommands();
    void connectTextPane();
    void setUpKeyboard();
    KeyMap::Result keyTable(const QKeyEvent* event) const;
    bool keyPreview(QObject* watched, QEvent* event);
    void cboMostra_Click();
    void applyOuterGeometry();
    void applySizeLimits();
    catalogue::SavedChecks saveTrackChecks(bool byPath) const;
    void restoreTrackChecks(const catalogue::SavedChecks& saved, bool byPath);
    void choosePicture(int checkedAlbums);
    void setCaption(QLabel* label, const QString& caption);
    void fitCaption(QLabel* label);
    bool halfMode() const;

    struct TrackText
    {
        QString text;
        QString side;
        QString trackPath;
        int length = 0;
    };
    TrackText LeggiTesto(int row, platform::DirectoryCache& cache) const;
    void refreshTextCommands();
    void txtBrani_KeyDown(int key);
    void setDefaultButtonWithdrawn(bool withdrawn);
    void selectAll(CheckList* list, QPushButton* button, const QString& selectTip);
    void switchSelectMode(CheckList* list, QPushButton* button, int buttonPressed,
                          const QString& selectTip, const QString& deselectTip);
    void invert(CheckList* list);
    void checkHandler(CheckList* list, int item);
    QString findTitle() const;

    startup::ModuleState& m_state;
    platform::Dialogs& m_dialogs;
    platform::Opener& m_opener;
    MainControls ui;
    int m_pointer = Default;
    QString m_titleSearch;
    QString m_textSearch;
    QString m_tempFolder;
    bool m_sessionEnding = false;
    aboutwindow::frmInfo* m_about = nullptr;
    // The outer geometry asked for, kept until the window system has framed the window
    // (the frame is only known then).
    std::optional<QRect> m_requestedOuter;
    QSize m_assumedFrame;
    std::array<QWidget*, kLayoutControlCount> m_layoutWidgets{};
    QString m_albumListTag;
    QString m_pictureTag = QStringLiteral("[Vuoto]");
    QString m_playlistText;
    int m_textLength = 0;
};

} // namespace vastrel::mainwindow
