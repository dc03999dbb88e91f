// The track list of the main window: its rebuild from the checked albums and the order
// switch.

#include "CheckList.h"
#include "catalogue/TrackListBuilder.h"
#include "frmVL.h"
#include "platform/Beeper.h"
#include "platform/DirectoryCache.h"
#include "platform/ModifierMask.h"
#include "platform/TextCase.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

namespace vastrel::mainwindow {

using platform::ModifierMask;

catalogue::SavedChecks frmVL::saveTrackChecks(bool byPath) const
{
    const catalogue::CheckListModel& tracks = *ui.lstBrani->rows();
    auto key = [&](int i) { return byPath ? tracks.row(i).path() : tracks.row(i).key(); };
    catalogue::SavedChecks saved;
    for (int i = 0; i < tracks.count(); ++i)
        saved.add(key(i), tracks.isChecked(i));
    const int current = ui.lstBrani->listIndex();
    // No current row: a key that no row has.
    saved.setCurrent(current >= 0 ? key(current) : (byPath ? QStringLiteral(" ") : QString()));
    return saved;
}

void frmVL::restoreTrackChecks(const catalogue::SavedChecks& saved, bool byPath)
{
    catalogue::CheckListModel& tracks = *ui.lstBrani->rows();
    if (saved.isEmpty())
        return;
    int current = -1;
    for (int i = 0; i < tracks.count(); ++i) {
        const QString key = byPath ? tracks.row(i).path() : tracks.row(i).key();
        if (saved.wasChecked(key))
            tracks.setChecked(i, true);
        if (saved.isCurrent(key))
            current = i;
    }
    ui.lstBrani->setListIndex(current);
}

void frmVL::lstAlbum_ItemCheck(int item)
{
    // 1. Marks changed by the program's own handlers are theirs to rebuild.
    if (mousePointer() != Default)
        return;
    setMousePointer(Hourglass);
    // 2.
    const catalogue::SavedChecks saved = saveTrackChecks(false);
    // 3.
    ui.cmdCercaBrano->setEnabled(false);
    m_state.albumNotes.clear();
    // 4.
    m_state.autoPlay = (m_state.modifierState & ModifierMask::kShift) != 0;
    // 5. A plain click keeps only the clicked album.
    catalogue::CheckListModel& albums = *ui.lstAlbum->rows();
    if (!(m_state.modifierState & ModifierMask::kCtrl)) {
        for (int i = 0; i < albums.count(); ++i) {
            if (i != item)
                albums.setChecked(i, false);
        }
        m_state.modifierState |= ModifierMask::kCtrl;
    }
    // 6.-7. Tracks, pictures and notes of the checked albums, listed once each.
    QStringList checked;
    for (int i = 0; i < albums.count(); ++i) {
        if (albums.isChecked(i))
            checked.append(albums.row(i).field());
    }
    platform::DirectoryCache cache;
    catalogue::TrackListContent content = catalogue::TrackListBuilder::build(
        m_state.collectionRoot, checked, ui.chkOrdinaAZ->isChecked(), ui.cboMostra->currentIndex(),
        cache);
    ui.cmdCercaBrano->setEnabled(!content.tracks.isEmpty());
    ui.lstBrani->rows()->setRows(std::move(content.tracks));
    ui.lstJPEG->rows()->setRows(std::move(content.pictures));
    m_state.albumNotes = std::move(content.albumNotes);
    // 8.
    ui.cmdSelBrani->setEnabled(ui.lstBrani->rows()->count() > 0);
    // 9.
    restoreTrackChecks(saved, false);
    // 10.
    const int count = int(checked.size());
    m_albumListTag = QString::number(count);
    setCaption(ui.lblAlbum,
               QStringLiteral("&Album Selezionati: %1 (su %2)").arg(count).arg(albums.count()));
    // 11.
    if (count == 0 || count == albums.count())
        cmdSelAlbum_MouseDown(2);
    // 12.
    choosePicture(count);
    // 13.
    setMousePointer(Default);
    // 14.
    const bool autoPlay = m_state.autoPlay;
    lstBrani_ItemCheck(-2);
    // 15. Checked with Shift: every track is checked and played.
    if (autoPlay) {
        if (ui.cmdSelBrani->toolTip() == u" Deseleziona Tutti i Brani ")
            cmdSelBrani_MouseDown(2);
        cmdSelBrani_Click();
        cmdSuona_Click();
    }
}

// The picture on show stays current when its row is still listed (the last matching row
// wins); otherwise a single checked album opens on its first picture.
void frmVL::choosePicture(int checkedAlbums)
{
    QString shown = platform::TextCase::upper(m_pictureTag);
    const QString root = platform::TextCase::upper(m_state.collectionRoot);
    if (shown.startsWith(root))
        shown.remove(0, root.size());
    const catalogue::CheckListModel& pictures = *ui.lstJPEG->rows();
    int k = -1;
    for (int j = 0; j < pictures.count(); ++j) {
        if (pictures.row(j).textEndsWithIgnoringCase(shown))
            k = j;
    }
    if (k == -1 && pictures.count() > 0 && checkedAlbums == 1)
        k = 0;
    ui.lstJPEG->setListIndex(k);
    if (k >= 0)
        lstJPEG_Click();
    else
        MostraImmagine();
}

void frmVL::chkOrdinaAZ_Click()
{
    // 1. The tooltip names the order a click switches to.
    ui.chkOrdinaAZ->setToolTip(ui.chkOrdinaAZ->isChecked()
                                   ? QStringLiteral(" Ordina i Brani Cronologicamente ")
                                   : QStringLiteral(" Ordina i Brani Alfabeticamente "));
    // 2.
    const catalogue::SavedChecks saved = saveTrackChecks(true);
    const int rows = ui.lstBrani->rows()->count();
    // 3.
    m_state.modifierState = ModifierMask::kCtrl;
    lstAlbum_ItemCheck(-1);
    // 4. The folders changed meanwhile: the marks cannot be carried over.
    if (ui.lstBrani->rows()->count() != rows) {
        ui.lstBrani->setFocus();
        platform::Beeper::beep();
        return;
    }
    // 5. The marks follow their tracks into the new order.
    setMousePointer(Hourglass);
    restoreTrackChecks(saved, true);
    setMousePointer(Default);
    // 6.
    m_state.modifierState = ModifierMask::kCtrl;
    lstBrani_ItemCheck(-1);
    ui.lstBrani->setFocus();
}

} // namespace vastrel::mainwindow
