#include "frmVL.h"

#include "CheckList.h"
#include "catalogue/AlbumScan.h"
#include "catalogue/Collation.h"
#include "catalogue/SavedChecks.h"
#include "platform/DirectoryCache.h"

#include <QComboBox>
#include <QLabel>
#include <QToolButton>

namespace vastrel::mainwindow {

using catalogue::ListRow;

frmVL::frmVL(startup::ModuleState& state, platform::Dialogs& dialogs, QWidget* parent)
    : QWidget(parent), m_state(state), m_dialogs(dialogs)
{
    createControls();
}

void frmVL::createControls()
{
    setObjectName(QStringLiteral("frmVL"));
    setWindowTitle(QStringLiteral("Vastrel - by Korvi"));

    lstAlbum = new CheckList(true, this);
    lstAlbum->setObjectName(QStringLiteral("lstAlbum"));
    lstAlbum->setFont(QFont(QStringLiteral("Arial"), 9, QFont::Bold));
    connect(lstAlbum->rows(), &catalogue::CheckListModel::itemCheck, this,
            &frmVL::lstAlbum_ItemCheck);

    cboMostra = new QComboBox(this);
    cboMostra->setObjectName(QStringLiteral("cboMostra"));
    cboMostra->addItems({QStringLiteral("Solo Duplicati"), QStringLiteral("Solo Originali"),
                         QStringLiteral("Tutto")});
    cboMostra->setCurrentIndex(-1);
    connect(cboMostra, &QComboBox::currentIndexChanged, this, &frmVL::cboMostra_Click);

    lblMostra = new QLabel(QStringLiteral("&Mostra:"), this);
    lblMostra->setObjectName(QStringLiteral("lblMostra"));
    lblMostra->setBuddy(cboMostra);

    cmdSelAlbum = new QToolButton(this);
    cmdSelAlbum->setObjectName(QStringLiteral("cmdSelAlbum"));
    cmdSelAlbum->setToolTip(QStringLiteral(" Seleziona Tutti gli Album "));
    cmdSelAlbum->setEnabled(false);
}

void frmVL::setMousePointer(int pointer)
{
    m_pointer = pointer;
    if (pointer == Hourglass)
        setCursor(Qt::WaitCursor);
    else if (pointer == Busy)
        setCursor(Qt::BusyCursor);
    else
        unsetCursor();
}

void frmVL::Aggiorna()
{
    catalogue::CheckListModel& albums = *lstAlbum->rows();

    // 1. The marks and the current row, by album name.
    catalogue::SavedChecks saved;
    for (int i = 0; i < albums.count(); ++i)
        saved.add(albums.row(i).field(), albums.isChecked(i));
    const int current = lstAlbum->listIndex();
    saved.setCurrent(current >= 0 ? albums.row(current).field() : QString());

    // 2.
    const int pointer = mousePointer();
    setMousePointer(Hourglass);

    // 3.-5. The albums under the filter, in the list's sorted order.
    platform::DirectoryCache cache;
    QStringList names =
        catalogue::AlbumScan::albumNames(m_state.collectionRoot, cboMostra->currentIndex(), cache);
    std::sort(names.begin(), names.end(),
              [](const QString& a, const QString& b) { return catalogue::Collation::less(a, b); });
    QList<ListRow> rows;
    rows.reserve(names.size());
    for (const QString& name : names)
        rows.append(ListRow::plain(name));
    albums.setRows(std::move(rows));

    // 6.
    cmdSelAlbum->setEnabled(albums.count() > 0);

    // 7.-8. Marks back by exact name; the album that was current stays current.
    int newCurrent = -1;
    for (int i = 0; i < albums.count(); ++i) {
        const QString& name = albums.row(i).field();
        if (saved.wasChecked(name))
            albums.setChecked(i, true);
        if (saved.isCurrent(name))
            newCurrent = i;
    }
    lstAlbum->setListIndex(newCurrent);

    // 9.
    setMousePointer(pointer);
}

void frmVL::cboMostra_Click()
{
    if (mousePointer() == Hourglass)
        return;
    m_state.modifierState = 2;
    Aggiorna();
    lstAlbum_ItemCheck(-1);
}

void frmVL::lstAlbum_ItemCheck(int) {}

} // namespace vastrel::mainwindow
