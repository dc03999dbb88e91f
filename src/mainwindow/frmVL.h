#pragma once

#include "startup/ModuleState.h"

#include <QWidget>

class QComboBox;
class QLabel;
class QToolButton;

namespace vastrel::platform {
class Dialogs;
}

namespace vastrel::mainwindow {

class CheckList;

// The main window: the album list with its show filter, the track list, the text pane and
// the picture browser.
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

    frmVL(startup::ModuleState& state, platform::Dialogs& dialogs, QWidget* parent = nullptr);

    void Aggiorna();
    void lstAlbum_ItemCheck(int item);

    int mousePointer() const { return m_pointer; }
    void setMousePointer(int pointer);

private:
    void createControls();
    void cboMostra_Click();

    startup::ModuleState& m_state;
    platform::Dialogs& m_dialogs;
    int m_pointer = Default;

    CheckList* lstAlbum;
    QComboBox* cboMostra;
    QLabel* lblMostra;
    QToolButton* cmdSelAlbum;
};

} // namespace vastrel::mainwindow
