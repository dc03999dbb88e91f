#include "BenchWindow.h"

#include <QComboBox>
#include <QFile>
#include <QPrinter>

using vastrel::browser::Pointer;
using vastrel::ui::frmVL;

BenchWindow::BenchWindow(const QString& root)
    : m_state(vastrel::browser::ModuleState::initial(root, QSize(1280, 800)))
{
    m_window = std::make_unique<frmVL>(m_state, m_dialogs, m_opener);
    m_window->resize(900, 600);
    m_window->show();
    m_window->selectShowFilter(vastrel::catalogue::Everything);
}

QList<QByteArray> BenchWindow::albums(int count) const
{
    QList<QByteArray> names;
    const auto& rows = m_window->session().albums().rows();
    for (int i = 0; i < count && i < rows.size(); ++i)
        names.append(QFile::encodeName(rows[i].text()));
    return names;
}

void BenchWindow::setAlbumsQuietly(int count, bool checked)
{
    session().setPointer(Pointer::Busy);
    auto* albums = &session().albums();
    for (int i = 0; i < albums->count(); ++i)
        albums->setChecked(i, checked && i < count);
    session().setPointer(Pointer::Default);
}

void BenchWindow::setTracksQuietly(bool checked)
{
    session().setPointer(Pointer::Busy);
    auto* tracks = &session().tracks();
    for (int i = 0; i < tracks->count(); ++i)
        tracks->setChecked(i, checked);
    session().setPointer(Pointer::Default);
}

void BenchWindow::setShowFilterQuietly(int filter)
{
    session().setPointer(Pointer::Hourglass);
    m_window->selectShowFilter(filter);
    session().setPointer(Pointer::Default);
}

void BenchWindow::listAlbums(int count)
{
    setAlbumsQuietly(count, true);
    m_state.modifierState = vastrel::platform::Modifier::Ctrl;
    session().lstAlbum_ItemCheck(-1);
}

void BenchWindow::checkTracks(int count)
{
    session().setPointer(Pointer::Busy);
    auto* tracks = &session().tracks();
    for (int i = 0; i < tracks->count(); ++i)
        tracks->setChecked(i, i < count);
    session().setPointer(Pointer::Default);
    m_state.modifierState = vastrel::platform::Modifier::Ctrl;
    session().lstBrani_ItemCheck(-1);
}

bool BenchWindow::Dialogs::print(QWidget*, QPrinter& printer)
{
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    return true;
}
