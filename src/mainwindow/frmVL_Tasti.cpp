// The main window's keyboard: the window-level key table, the tab order, and the About
// picture.

#include "CheckList.h"
#include "ImageControl.h"
#include "KeyMap.h"
#include "TextPane.h"
#include "aboutwindow/frmInfo.h"
#include "frmVL.h"
#include "platform/ModifierMask.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QPushButton>
#include <cmath>

namespace vastrel::mainwindow {

void frmVL::setUpKeyboard()
{
    // Every key-down of the window passes the key table before the focused control.
    qApp->installEventFilter(this);
    QWidget* order[] = {ui.lstAlbum,     ui.lstBrani,    ui.cboMostra,     ui.cmdSelAlbum,
                        ui.cmdSuona,     ui.cmdSelBrani, ui.cmdCercaBrano, ui.chkOrdinaAZ,
                        ui.cmdSelTesto,  ui.cmdCopia,    ui.cmdCercaTesto, ui.cmdCercaAvanti,
                        ui.cmdCopertina, ui.lstJPEG,     ui.txtBrani};
    for (std::size_t i = 0; i + 1 < std::size(order); ++i)
        setTabOrder(order[i], order[i + 1]);
}

KeyMap::Result frmVL::keyTable(const QKeyEvent* event) const
{
    auto usable = [](const QWidget* w) { return !w->isHidden() && w->isEnabled(); };
    KeyMap::Buttons b;
    b.selAlbumEnabled = ui.cmdSelAlbum->isEnabled();
    b.suonaEnabled = ui.cmdSuona->isEnabled();
    b.selBraniEnabled = ui.cmdSelBrani->isEnabled();
    b.cercaBranoEnabled = ui.cmdCercaBrano->isEnabled();
    b.selTestoUsable = usable(ui.cmdSelTesto);
    b.copiaUsable = usable(ui.cmdCopia);
    b.cercaTestoUsable = usable(ui.cmdCercaTesto);
    b.cercaAvantiUsable = usable(ui.cmdCercaAvanti);
    b.copertinaVisible = !ui.cmdCopertina->isHidden();
    b.halvingImageVisible = !ui.imgEC[0]->isHidden();
    return KeyMap::Form_KeyDown(KeyMap::codeOf(event->key()),
                                platform::ModifierMask::fromQt(event->modifiers()), b);
}

// Key-downs of this window's controls: a key the table consumes never reaches the
// control, and never triggers a shortcut or an access key either.
bool frmVL::keyPreview(QObject* watched, QEvent* event)
{
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || widget->window() != this)
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    const KeyMap::Result r = keyTable(key);
    if (event->type() == QEvent::ShortcutOverride) {
        if (r.consumed)
            event->accept();
        return false;
    }
    if (!r.consumed)
        return false;
    Form_KeyDown(r.action);
    return true;
}

void frmVL::Form_KeyDown(KeyMap::Action action)
{
    using Action = KeyMap::Action;
    switch (action) {
    case Action::None:
        break;
    case Action::SelectAllAlbums:
        cmdSelAlbum_Click();
        break;
    case Action::SwitchAlbumsMode:
        cmdSelAlbum_MouseDown(2);
        break;
    case Action::Play:
        cmdSuona_Click();
        break;
    case Action::SelectAllTracks:
        cmdSelBrani_Click();
        break;
    case Action::SwitchTracksMode:
        cmdSelBrani_MouseDown(2);
        break;
    case Action::SearchTitles:
        cmdCercaBrano_Click();
        break;
    case Action::ToggleOrder:
        ui.chkOrdinaAZ->setChecked(!ui.chkOrdinaAZ->isChecked());
        break;
    case Action::SelectText:
        cmdSelTesto_Click();
        break;
    case Action::CopyText:
        cmdCopia_Click();
        break;
    case Action::SearchText:
        cmdCercaTesto_Click();
        break;
    case Action::FindNext:
        cmdCercaAvanti_Click();
        break;
    case Action::NextPaneMode:
        cmdCopertina_Click();
        break;
    case Action::HalveWindow:
        imgEC_Click(0);
        break;
    case Action::DoubleWindow:
        imgEC_Click(1);
        break;
    case Action::About:
        imgInfo_MouseDown();
        break;
    case Action::Close:
        close();
        break;
    }
}

// The About window over the main window, kept on the screen.
QPoint frmVL::aboutPosition(const QRect& main, QSize about, QSize screen, int border, int caption)
{
    int left = int(std::nearbyint((main.width() - about.width()) / 2.0 + main.x()));
    left = std::max(left, main.x() + border);
    left = std::min(left, screen.width() - about.width());
    left = std::max(left, 0);
    int top = int(std::nearbyint((main.height() - about.height()) / 2.0 + main.y()));
    top = std::max(top, main.y() + caption + 1);
    top = std::min(top, screen.height() - about.height());
    top = std::max(top, 0);
    return {left, top};
}

void frmVL::imgInfo_MouseDown()
{
    if (m_about == nullptr)
        return;
    // Before its first showing the About window has no frame yet; it will get one like the
    // main window's, and the outer size keeps it on the screen.
    QSize about = m_about->frameGeometry().size();
    if (about == m_about->size())
        about += frameGeometry().size() - size();
    const QPoint at = aboutPosition(frameGeometry(), about, m_state.screen, m_state.borderWidth,
                                    m_state.captionHeight);
    // 9.-11. The picture is hidden while the About window is open.
    ui.imgInfo->hide();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    m_about->move(at);
    m_about->exec();
    ui.imgInfo->show();
    // Back from the About window, the main window is active again.
    Form_Activate();
}

} // namespace vastrel::mainwindow
