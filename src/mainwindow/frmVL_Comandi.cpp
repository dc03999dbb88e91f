// Selection commands, the modifier state of the lists, and playing the checked tracks.

#include "CheckList.h"
#include "frmVL.h"
#include "media/Playlist.h"
#include "media/TempCleanup.h"
#include "platform/Beeper.h"
#include "platform/Dialogs.h"
#include "platform/ModifierMask.h"
#include "platform/Opener.h"

#include <QPushButton>

namespace vastrel::mainwindow {

namespace {

const QString kSelectAlbums = QStringLiteral(" Seleziona Tutti gli Album ");
const QString kDeselectAlbums = QStringLiteral(" Deseleziona Tutti gli Album ");
const QString kSelectTracks = QStringLiteral(" Seleziona Tutti i Brani ");
const QString kDeselectTracks = QStringLiteral(" Deseleziona Tutti i Brani ");

} // namespace

void frmVL::checkHandler(CheckList* list, int item)
{
    if (list == ui.lstAlbum)
        lstAlbum_ItemCheck(item);
    else
        lstBrani_ItemCheck(item);
}

// Every mark changes under the busy pointer, so the list's check handler ignores them one
// by one; it then rebuilds once.
void frmVL::selectAll(CheckList* list, QPushButton* button, const QString& selectTip)
{
    m_state.modifierState = platform::ModifierMask::kCtrl;
    setMousePointer(Busy);
    const bool mark = button->toolTip() == selectTip;
    for (int i = 0; i < list->rows()->count(); ++i)
        list->rows()->setChecked(i, mark);
    setMousePointer(Default);
    list->setListIndex(-1);
    checkHandler(list, -1);
    ui.lstBrani->setFocus();
}

void frmVL::cmdSelAlbum_Click()
{
    selectAll(ui.lstAlbum, ui.cmdSelAlbum, kSelectAlbums);
}

void frmVL::cmdSelBrani_Click()
{
    selectAll(ui.lstBrani, ui.cmdSelBrani, kSelectTracks);
}

// The mode only moves to one whose click would change something.
void frmVL::switchSelectMode(CheckList* list, QPushButton* button, int buttonPressed,
                             const QString& selectTip, const QString& deselectTip)
{
    const int checked = list->rows()->checkedCount();
    if (buttonPressed != 2)
        return;
    if (button->toolTip() == selectTip) {
        if (checked > 0) {
            button->setIcon(ui.imgNoSel);
            button->setToolTip(deselectTip);
        }
    } else if (checked < list->rows()->count()) {
        button->setIcon(ui.cmdSelTesto->icon());
        button->setToolTip(selectTip);
    }
}

void frmVL::cmdSelAlbum_MouseDown(int button)
{
    switchSelectMode(ui.lstAlbum, ui.cmdSelAlbum, button, kSelectAlbums, kDeselectAlbums);
}

void frmVL::cmdSelBrani_MouseDown(int button)
{
    switchSelectMode(ui.lstBrani, ui.cmdSelBrani, button, kSelectTracks, kDeselectTracks);
}

void frmVL::invert(CheckList* list)
{
    m_state.modifierState = platform::ModifierMask::kCtrl;
    setMousePointer(Busy);
    for (int i = 0; i < list->rows()->count(); ++i)
        list->rows()->setChecked(i, !list->rows()->isChecked(i));
    setMousePointer(Default);
    list->setListIndex(-1);
    checkHandler(list, -1);
    ui.lstBrani->setFocus();
}

void frmVL::lstAlbum_KeyPress(int character)
{
    if (character == 8)
        invert(ui.lstAlbum);
}

void frmVL::lstBrani_KeyPress(int character)
{
    if (character == 8)
        invert(ui.lstBrani);
}

void frmVL::cmdSuona_Click()
{
    if (m_playlistText.isEmpty()) {
        platform::Beeper::beep();
    } else {
        // A playlist that cannot be written is not reported: the player gets whatever is there.
        const QString playlist = media::TempCleanup::playlistPath(m_tempFolder);
        if (!m_tempFolder.isEmpty())
            media::Playlist::write(playlist, m_playlistText);
        if (!m_opener.open(playlist, m_tempFolder)) {
            m_dialogs.message(this, platform::Dialogs::Icon::Critical,
                              QStringLiteral("Vastrel - Suona i Brani Selezionati"),
                              QStringLiteral("ATTENZIONE! Impossibile Aprire il File:\r\n\r\n") +
                                  playlist);
        }
    }
    ui.lstBrani->setFocus();
}

} // namespace vastrel::mainwindow
