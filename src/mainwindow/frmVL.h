#pragma once

#include "MainControls.h"
#include "startup/ModuleState.h"

#include <QWidget>
#include <optional>

namespace vastrel::platform {
class Dialogs;
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

    void Aggiorna();
    void lstAlbum_ItemCheck(int item);
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

    int mousePointer() const { return m_pointer; }
    void setMousePointer(int pointer);
    const QString& tempFolder() const { return m_tempFolder; }
    const MainControls& controls() const { return ui; }

protected:
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;

private:
    void Form_Load();
    void connectHandlers();
    void cboMostra_Click();
    void applyOuterGeometry();

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
};

} // namespace vastrel::mainwindow
