// Searching the titles and the text pane, copying and selecting text, and the state of
// the text commands.

#include "CheckList.h"
#include "TextPane.h"
#include "frmVL.h"
#include "platform/Dialogs.h"
#include "platform/ModifierMask.h"
#include "platform/TextCase.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QPushButton>

namespace vastrel::mainwindow {

namespace {

QString notFound(const QString& searched)
{
    return QStringLiteral("La Stringa Cercata (\"") + searched +
           QStringLiteral("\") NON È Stata Trovata.");
}

const QString kPrompt = QStringLiteral("Stringa da Cercare:");
const QString kTitleSearch = QStringLiteral("Vastrel - Cerca tra i Titoli dei Brani");

} // namespace

void frmVL::cmdCercaBrano_Click()
{
    // 1.-3. The dialog's corner 2 pixels inside the track list's.
    const QString result = m_dialogs.input(this, kTitleSearch, kPrompt, m_titleSearch,
                                           ui.lstBrani->mapToGlobal(QPoint(2, 2)));
    if (result.isEmpty()) {
        ui.lstBrani->setFocus();
        return;
    }
    // 4.-6. Every title that holds the string is checked, every other one unchecked.
    m_titleSearch = result;
    m_state.modifierState = platform::ModifierMask::kCtrl;
    setMousePointer(Hourglass);
    catalogue::CheckListModel& tracks = *ui.lstBrani->rows();
    int found = 0;
    for (int i = 0; i < tracks.count(); ++i) {
        const bool match = tracks.row(i).title().contains(m_titleSearch, Qt::CaseInsensitive);
        tracks.setChecked(i, match);
        found += match ? 1 : 0;
    }
    setMousePointer(Default);
    // 7.-9.
    lstBrani_ItemCheck(-1);
    if (found == 0) {
        m_dialogs.message(this, platform::Dialogs::Icon::Information, kTitleSearch,
                          notFound(m_titleSearch));
    }
    ui.lstBrani->setFocus();
}

void frmVL::cmdCercaTesto_Click()
{
    // 1.-3. The dialog is titled after what the pane shows.
    const QString title = QStringLiteral("Vastrel -") + ui.cmdCercaTesto->toolTip();
    const QString result =
        m_dialogs.input(this, title, kPrompt, m_textSearch, ui.txtBrani->mapToGlobal(QPoint(3, 3)));
    // 4.
    if (result.isEmpty()) {
        ui.txtBrani->setFocus();
        return;
    }
    // 5.-7.
    ui.cmdCercaAvanti->setEnabled(true);
    m_textSearch = result;
    QString tip = QStringLiteral(" Cerca la Prossima Occorrenza di \"") + m_textSearch +
                  QStringLiteral("\" ");
    if (tip.size() > 64)
        tip = tip.left(61) + QStringLiteral("...");
    ui.cmdCercaAvanti->setToolTip(tip);
    cmdCercaAvanti_Click();
}

void frmVL::cmdCercaAvanti_Click()
{
    // 1.-2. From the selection on; a selected match is skipped.
    setMousePointer(Hourglass);
    int from = ui.txtBrani->selectionStart();
    if (platform::TextCase::upper(ui.txtBrani->selectedText()) ==
        platform::TextCase::upper(m_textSearch))
        ++from;
    // 3. Then from the start again.
    const QString text = ui.txtBrani->plainText();
    qsizetype at = text.indexOf(m_textSearch, from, Qt::CaseInsensitive);
    if (at < 0)
        at = text.indexOf(m_textSearch, 0, Qt::CaseInsensitive);
    // 4.-5.
    if (at >= 0 && !m_textSearch.isEmpty()) {
        ui.txtBrani->setSelection(int(at), int(m_textSearch.size()));
    } else {
        m_dialogs.message(this, platform::Dialogs::Icon::Information,
                          QStringLiteral("Vastrel -") + ui.cmdCercaTesto->toolTip(),
                          notFound(m_textSearch));
    }
    // 6.
    ui.txtBrani->setFocus();
    setMousePointer(Default);
}

void frmVL::cmdCopia_Click()
{
    QGuiApplication::clipboard()->setText(ui.txtBrani->selectedText());
    ui.txtBrani->setFocus();
}

void frmVL::cmdSelTesto_Click()
{
    ui.txtBrani->setSelection(0, int(ui.txtBrani->plainText().size()));
    refreshTextCommands();
    ui.txtBrani->setFocus();
}

// The text length is the one stored by the last rebuild of the pane.
void frmVL::refreshTextCommands()
{
    const int start = ui.txtBrani->selectionStart();
    const int length = ui.txtBrani->selectionLength();
    ui.cmdCercaTesto->setEnabled(m_textLength != 0);
    ui.cmdCopia->setEnabled(length > 0);
    ui.cmdSelTesto->setEnabled(!(start == 0 && length >= m_textLength) && m_textLength != 0);
}

void frmVL::txtBrani_KeyDown(int key)
{
    if (key == Qt::Key_Insert)
        imgEC_Click(0);
    else
        refreshTextCommands();
}

// While the text pane or the picture list has the focus, Enter belongs to them.
void frmVL::setDefaultButtonWithdrawn(bool withdrawn)
{
    ui.cmdSuona->setDefault(!withdrawn);
}

} // namespace vastrel::mainwindow
