#include "BenchWindow.h"

#include "mainwindow/CheckList.h"

#include <QComboBox>
#include <QFile>

using vastrel::mainwindow::frmVL;

BenchWindow::BenchWindow(const QString& root)
    : m_state(vastrel::startup::ModuleState::initial(root, QSize(1280, 800)))
{
    m_window = std::make_unique<frmVL>(m_state, m_dialogs, m_opener);
    m_window->resize(900, 600);
    m_window->show();
    m_window->selectShowFilter(2);
}

QList<QByteArray> BenchWindow::albums(int count) const
{
    QList<QByteArray> names;
    const auto& rows = ui().lstAlbum->rows()->rows();
    for (int i = 0; i < count && i < rows.size(); ++i)
        names.append(QFile::encodeName(rows[i].field()));
    return names;
}

void BenchWindow::setAlbumsQuietly(int count, bool checked)
{
    m_window->setMousePointer(frmVL::Busy);
    auto* albums = ui().lstAlbum->rows();
    for (int i = 0; i < albums->count(); ++i)
        albums->setChecked(i, checked && i < count);
    m_window->setMousePointer(frmVL::Default);
}

void BenchWindow::setTracksQuietly(bool checked)
{
    m_window->setMousePointer(frmVL::Busy);
    auto* tracks = ui().lstBrani->rows();
    for (int i = 0; i < tracks->count(); ++i)
        tracks->setChecked(i, checked);
    m_window->setMousePointer(frmVL::Default);
}

void BenchWindow::listAlbums(int count)
{
    setAlbumsQuietly(count, true);
    m_state.modifierState = 2;
    m_window->lstAlbum_ItemCheck(-1);
}
