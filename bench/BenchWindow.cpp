#include "BenchWindow.h"

#include <QComboBox>
#include <QFile>
#include <QPrinter>

using vastrel::browser::Pointer;
using vastrel::ui::frmVL;

BenchWindow::BenchWindow(const QString& root)
    : m_session(std::make_unique<vastrel::browser::BrowsingSession>(
          vastrel::browser::ModuleState::initial(root, QSize(1280, 800)), m_opener))
{
    m_window = std::make_unique<frmVL>(*m_session, m_dialogs);
    m_window->resize(900, 600);
    m_window->show();
    m_window->selectShowFilter(vastrel::catalogue::ShowFilter::Everything);
}

QList<QByteArray> BenchWindow::albums(int count) const
{
    QList<QByteArray> names;
    const auto& rows = m_session->albums().rows();
    for (int i = 0; i < count && i < rows.size(); ++i)
        names.append(QFile::encodeName(rows[i].text()));
    return names;
}

void BenchWindow::setAlbumsQuietly(int count, bool checked)
{
    const auto busy = session().busy(Pointer::Busy);
    auto* albums = &session().albums();
    for (int i = 0; i < albums->count(); ++i)
        albums->setChecked(i, checked && i < count);
}

void BenchWindow::setTracksQuietly(bool checked)
{
    const auto busy = session().busy(Pointer::Busy);
    auto* tracks = &session().tracks();
    for (int i = 0; i < tracks->count(); ++i)
        tracks->setChecked(i, checked);
}

void BenchWindow::setShowFilterQuietly(vastrel::catalogue::ShowFilter filter)
{
    const auto busy = session().busy(Pointer::Hourglass);
    m_window->selectShowFilter(filter);
}

void BenchWindow::listAlbums(int count)
{
    setShowFilterQuietly(vastrel::catalogue::ShowFilter::Everything);
    setAlbumsQuietly(count, true);
    session().recordModifiers(vastrel::browser::BrowsingSession::kBulkChange);
    session().lstAlbum_ItemCheck(-1);
}

void BenchWindow::checkTracks(int count)
{
    {
        const auto busy = session().busy(Pointer::Busy);
        auto* tracks = &session().tracks();
        for (int i = 0; i < tracks->count(); ++i)
            tracks->setChecked(i, i < count);
    }
    session().recordModifiers(vastrel::browser::BrowsingSession::kBulkChange);
    session().lstBrani_ItemCheck(-1);
}

bool BenchWindow::Dialogs::print(QWidget*, QPrinter& printer)
{
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    return true;
}
