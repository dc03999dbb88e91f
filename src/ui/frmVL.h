#pragma once

#include "MainControls.h"
#include "browser/BrowsingSession.h"
#include "browser/KeyMap.h"
#include "browser/LayoutControl.h"

#include <QWidget>
#include <optional>

class QAction;
class QKeyEvent;
class QLabel;
class QProgressBar;
class QPushButton;

namespace vastrel::platform {
class Dialogs;
}

namespace vastrel::ui {

class frmInfo;

// The main window: the album list with its show filter, the track list, the text pane and
// the picture browser. It forwards the user's gestures to the browsing session it shows and
// draws what the session answers; it keeps only what is about widgets: geometry, focus, the
// default button, the pointer and the dialogs. The session outlives the window.
class frmVL : public QWidget
{
    Q_OBJECT

public:
    frmVL(browser::BrowsingSession& session, platform::Dialogs& dialogs, QWidget* parent = nullptr);
    ~frmVL() override;

    const MainControls& controls() const { return ui; }

    void Aggiorna();
    void Form_Activate();
    // The session is ending: the window closes without the question and without the clean-up.
    void endSession();

    // What the command line sets, each through the control it belongs to, so that the
    // control's own handling runs.
    void selectShowFilter(catalogue::ShowFilter filter);
    void setHalfMode(bool half);
    void setAlphabetical(bool alphabetical);
    // Outer size and position in pixels, as the command line gives them.
    void setOuterGeometry(const QRect& outer);
    void setAboutWindow(frmInfo* about) { m_about = about; }
    // The picture the picture box shows when no picture is selected (imgVuoto).
    void setEmptyPicture(const QPixmap& picture);

    // The handlers of the gestures that need a window: dialogs, focus, geometry.
    void lstJPEG_Click();
    void cmdCopertina_Click();
    void Form_Resize();
    void imgEC_Click(int index);
    void cmdCercaBrano_Click();
    void cmdCercaTesto_Click();
    void cmdCercaAvanti_Click();
    void cmdCopia_Click();
    void cmdSelTesto_Click();
    void chkOrdinaAZ_Click();
    void imgInfo_MouseDown();
    // The reading view over the whole screen, on what the pane shows; back from it, the
    // window is as it was. Nothing to show gives a beep.
    void openReadingView();
    // Gives a command as its button or its key does: only while the session offers it.
    void trigger(browser::Command command);
    static QPoint aboutPosition(const QRect& main, QSize about, QSize screen, int border,
                                int caption);

protected:
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void Form_Load();
    void connectLists();
    std::array<std::pair<QPushButton*, browser::Command>, 10> commandButtons() const;
    void createCommands();
    void run(browser::Command command);
    void connectTextPane();
    void setUpKeyboard();
    bool Form_KeyDown(const QKeyEvent* event);
    void applyOuterGeometry();
    void applySizeLimits();
    void showPointer(browser::Pointer pointer);
    void showProgress(const QString& caption, int done, int total);
    void draw();
    void drawCommands();
    void drawSelectMode(QPushButton* button, browser::SelectMode mode, browser::SelectMode& shown);
    void drawPane();
    void drawZoom();
    void drawPicture();
    void setCaption(QLabel* label, const QString& caption);
    void fitCaption(QLabel* label);
    bool halfMode() const;
    void refreshTextCommands();
    void txtBrani_KeyDown(int key);
    void setDefaultButtonWithdrawn(bool withdrawn);
    void reportOpenFailure(const QString& playlist);

    const browser::ModuleState& state() const { return m_session.state(); }

    browser::BrowsingSession& m_session;
    platform::Dialogs& m_dialogs;
    MainControls ui;
    // Over the text pane while a long gesture reads the disk.
    QProgressBar* m_progress = nullptr;
    // Set only while the window closes for the end of the session.
    bool m_sessionEnding = false;
    frmInfo* m_about = nullptr;
    // The outer geometry asked for, kept until the window system has framed the window
    // (the frame is only known then).
    std::optional<QRect> m_requestedOuter;
    QSize m_assumedFrame;
    std::array<QWidget*, browser::kLayoutControlCount> m_layoutWidgets{};
    std::array<QAction*, browser::kCommandCount> m_actions{};
    // What the window shows, to redraw only what changed.
    browser::SelectMode m_albumsModeShown = browser::SelectMode::Select;
    browser::SelectMode m_tracksModeShown = browser::SelectMode::Select;
    quint64 m_paneRevision = 0;
    quint64 m_pictureRevision = 0;
    int m_zoomShown = browser::TextZoom::kNormal;
    browser::Pointer m_pointerShown = browser::Pointer::Default;
};

} // namespace vastrel::ui
