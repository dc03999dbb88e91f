// The text pane of the main window: its rebuild from the checked tracks.

#include "CheckList.h"
#include "TextPane.h"
#include "catalogue/TrackResolver.h"
#include "frmVL.h"
#include "platform/Blanks.h"
#include "platform/DirectoryCache.h"
#include "platform/ModifierMask.h"
#include "platform/TextDecoder.h"
#include "texts/TextPaneState.h"
#include "texts/TextSplit.h"
#include "texts/TwoColumns.h"

#include <QLabel>
#include <QPushButton>

namespace vastrel::mainwindow {

using platform::ModifierMask;

namespace {

const QString kCrLf = QStringLiteral("\r\n");
constexpr qint64 kMaxTextBytes = 64 * 1024 * 1024;

} // namespace

frmVL::TrackText frmVL::LeggiTesto(int row, platform::DirectoryCache& cache) const
{
    // 1.-2.
    const QString path = m_state.collectionRoot + ui.lstBrani->rows()->row(row).path();
    const platform::ReadResult read = cache.readFile(path, kMaxTextBytes);
    const QString text = read.ok() ? platform::TextDecoder::decode(read.data) : QString();
    // 3.
    const catalogue::TrackFile track =
        catalogue::TrackResolver::TrovaBrano(path, m_state.collectionRoot, cache);
    // 4.
    const texts::TextSplit::Parts parts = texts::TextSplit::split(text);
    return {parts.text, parts.side, track.path, track.length};
}

void frmVL::lstBrani_ItemCheck(int item)
{
    // 1.
    if (mousePointer() != Default)
        return;
    setMousePointer(Hourglass);
    // 2.
    QString pane;
    int checked = 0;
    qint64 total = 0;
    int unknown = 0;
    m_playlistText.clear();
    // 3. Asked for by the track-list rebuild: no auto-play, no row is the clicked one.
    if (item == -2) {
        item = -1;
        m_state.autoPlay = false;
    } else {
        m_state.autoPlay = (m_state.modifierState & ModifierMask::kShift) != 0;
    }
    // 4.
    catalogue::CheckListModel& tracks = *ui.lstBrani->rows();
    platform::DirectoryCache cache;
    const bool narrow = m_state.screen.width() < 800;
    for (int i = 0; i < tracks.count(); ++i) {
        if (!(m_state.modifierState & ModifierMask::kCtrl) && i != item)
            tracks.setChecked(i, false);
        if (!tracks.isChecked(i))
            continue;
        ++checked;
        if (!pane.isEmpty())
            pane += kCrLf + kCrLf + kCrLf + kCrLf;
        TrackText t = LeggiTesto(i, cache);
        if (!t.trackPath.isEmpty())
            m_playlistText += t.trackPath + kCrLf;
        if (!t.side.isEmpty())
            t.text = texts::TwoColumns::Affianca(t.text, t.side, narrow);
        // Only blanks make a text empty: empty lines and tabs are shown as they are.
        if (!platform::Blanks::trim(t.text).isEmpty())
            pane += t.text;
        else
            pane +=
                tracks.row(i).title() + kCrLf + QStringLiteral("Nessun Testo Disponibile.") + kCrLf;
        if (t.length == -1)
            ++unknown;
        else
            total += t.length;
    }
    // 5.
    m_state.modifierState = 0;
    // 6.
    const texts::TextPaneState::State state =
        texts::TextPaneState::choose(!pane.isEmpty(), m_albumListTag, m_state.introNotes);
    if (pane.isEmpty())
        pane = m_albumListTag == u"0" ? m_state.introNotes : m_state.albumNotes;
    setCaption(ui.lblRTF, texts::TextPaneState::heading(state));
    ui.cmdCercaTesto->setToolTip(texts::TextPaneState::searchTooltip(state));
    // 7.-8.
    ui.txtBrani->setContent(pane);
    m_textLength = int(ui.txtBrani->plainText().size());
    refreshTextCommands();
    // 9.-10.
    ui.cmdSuona->setEnabled(checked > 0);
    setCaption(ui.lblBrani,
               texts::TextPaneState::tracksCaption(checked, tracks.count(), total, unknown));
    // 11.
    if (checked == 0 || checked == tracks.count())
        cmdSelBrani_MouseDown(2);
    // 12.-13.
    setMousePointer(Default);
    if (m_state.autoPlay) {
        m_state.autoPlay = false;
        cmdSuona_Click();
    }
}

} // namespace vastrel::mainwindow
