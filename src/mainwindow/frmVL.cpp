#include "frmVL.h"

#include "CheckList.h"
#include "ImageControl.h"
#include "TextPane.h"
#include "catalogue/AlbumScan.h"
#include "catalogue/Collation.h"
#include "catalogue/SavedChecks.h"
#include "media/TempCleanup.h"
#include "platform/Dialogs.h"
#include "platform/DirectoryCache.h"
#include "platform/PrivateTempFolder.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPushButton>

namespace vastrel::mainwindow {

using catalogue::ListRow;

namespace {

QIcon programIcon()
{
    QIcon icon;
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/vastrel-%1.png").arg(size), QSize(size, size));
    return icon;
}

} // namespace

frmVL::frmVL(startup::ModuleState& state, platform::Dialogs& dialogs, platform::Opener& opener,
             QWidget* parent)
    : QWidget(parent), m_state(state), m_dialogs(dialogs), m_opener(opener)
{
    setObjectName(QStringLiteral("frmVL"));
    setWindowTitle(QStringLiteral("Vastrel - by Korvi"));
    setWindowIcon(programIcon());
    ui.create(this);
    for (std::size_t i = 0; i < kLayoutControlCount; ++i)
        m_layoutWidgets[i] = findChild<QWidget*>(controlName(LayoutControl(i)));
    connectHandlers();
    Form_Load();
}

// The controls outlive this class while the window is taken apart, and the focus leaving
// them then would reach handlers of a window that is gone.
frmVL::~frmVL()
{
    qApp->removeEventFilter(this);
    for (QObject* child : findChildren<QObject*>())
        disconnect(child, nullptr, this, nullptr);
}

void frmVL::connectHandlers()
{
    connect(ui.cboMostra, &QComboBox::currentIndexChanged, this, &frmVL::cboMostra_Click);
    connect(ui.chkOrdinaAZ, &QPushButton::toggled, this, &frmVL::chkOrdinaAZ_Click);
    connect(ui.cmdCopertina, &QPushButton::clicked, this, &frmVL::cmdCopertina_Click);
    for (int i = 0; i < 2; ++i) {
        connect(ui.imgEC[i], &ImageControl::clicked, this, [this, i] { imgEC_Click(i); });
        connect(ui.imgEC[i], &ImageControl::doubleClicked, this, [this, i] { imgEC_Click(i); });
    }
    connectLists();
    connectCommands();
    connectTextPane();
    connect(ui.imgInfo, &ImageControl::mouseDown, this, [this] { imgInfo_MouseDown(); });
    setUpKeyboard();
}

// Each list records the modifiers of a gesture before the gesture changes a mark.
void frmVL::connectLists()
{
    for (CheckList* list : {ui.lstAlbum, ui.lstBrani}) {
        connect(list, &CheckList::mouseDown, this,
                [this](Qt::MouseButton, int mask) { m_state.modifierState = mask; });
        connect(list, &CheckList::keyDown, this,
                [this](int, int mask) { m_state.modifierState = mask; });
    }
    connect(ui.lstAlbum->rows(), &catalogue::CheckListModel::itemCheck, this,
            &frmVL::lstAlbum_ItemCheck);
    connect(ui.lstBrani->rows(), &catalogue::CheckListModel::itemCheck, this,
            &frmVL::lstBrani_ItemCheck);
    connect(ui.lstAlbum, &CheckList::keyPress, this, &frmVL::lstAlbum_KeyPress);
    connect(ui.lstBrani, &CheckList::keyPress, this, &frmVL::lstBrani_KeyPress);
    connect(ui.lstJPEG->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &frmVL::lstJPEG_Click);
    connect(ui.lstJPEG, &CheckList::keyDown, this, [this](int key, int) {
        if (key == Qt::Key_Return || key == Qt::Key_Enter)
            lstJPEG_Click();
    });
    connect(ui.lstJPEG, &CheckList::focusIn, this, [this] { setDefaultButtonWithdrawn(true); });
    connect(ui.lstJPEG, &CheckList::focusOut, this, [this] { setDefaultButtonWithdrawn(false); });
}

void frmVL::connectCommands()
{
    const std::pair<QPushButton*, void (frmVL::*)()> clicks[] = {
        {ui.cmdSelAlbum, &frmVL::cmdSelAlbum_Click},
        {ui.cmdSelBrani, &frmVL::cmdSelBrani_Click},
        {ui.cmdSuona, &frmVL::cmdSuona_Click},
        {ui.cmdCercaBrano, &frmVL::cmdCercaBrano_Click},
        {ui.cmdCercaTesto, &frmVL::cmdCercaTesto_Click},
        {ui.cmdCercaAvanti, &frmVL::cmdCercaAvanti_Click},
        {ui.cmdCopia, &frmVL::cmdCopia_Click},
        {ui.cmdSelTesto, &frmVL::cmdSelTesto_Click},
    };
    for (const auto& [button, handler] : clicks)
        connect(button, &QPushButton::clicked, this, handler);
    // Right-button presses on the select-all buttons reach their mode switch through the
    // application-wide filter of setUpKeyboard; a filter of their own would see each press
    // a second time and switch the mode back.
}

void frmVL::connectTextPane()
{
    TextPane* pane = ui.txtBrani;
    for (auto signal : {&TextPane::changed, &TextPane::doubleClicked, &TextPane::keyUp,
                        &TextPane::mouseDown, &TextPane::mouseUp})
        connect(pane, signal, this, &frmVL::refreshTextCommands);
    connect(pane, &TextPane::keyDown, this, &frmVL::txtBrani_KeyDown);
    connect(pane, &TextPane::focusIn, this, [this] { setDefaultButtonWithdrawn(true); });
    connect(pane, &TextPane::focusOut, this, [this] { setDefaultButtonWithdrawn(false); });
}

bool frmVL::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::ShortcutOverride) {
        if (keyPreview(watched, event))
            return true;
    }
    if (event->type() == QEvent::MouseButtonPress) {
        const int button = static_cast<QMouseEvent*>(event)->button() == Qt::RightButton ? 2 : 1;
        if (watched == ui.cmdSelAlbum)
            cmdSelAlbum_MouseDown(button);
        else if (watched == ui.cmdSelBrani)
            cmdSelBrani_MouseDown(button);
    }
    return QWidget::eventFilter(watched, event);
}

// The window's default button: Enter on a button presses that button, elsewhere it plays
// (the text pane and the picture list withdraw the default while they have the focus).
void frmVL::keyPressEvent(QKeyEvent* event)
{
    if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter) {
        QWidget::keyPressEvent(event);
        return;
    }
    if (auto* focused = qobject_cast<QPushButton*>(focusWidget())) {
        if (focused->isEnabled())
            focused->click();
    } else if (ui.cmdSuona->isDefault() && ui.cmdSuona->isEnabled()) {
        ui.cmdSuona->click();
    }
}

void frmVL::Form_Load()
{
    // 2. (The size limits of step 1 follow every layout.)
    m_titleSearch.clear();
    m_textSearch.clear();
    // 3.
    ui.placeFixed();
    // 4. Shared pictures.
    ui.cmdCercaTesto->setIcon(ui.cmdCercaBrano->icon());
    ui.cmdSelAlbum->setIcon(ui.cmdSelTesto->icon());
    ui.cmdSelBrani->setIcon(ui.cmdSelTesto->icon());
    // 5.-6. The private temporary folder, and what an earlier run left there.
    m_tempFolder = platform::PrivateTempFolder::locate(QDir::tempPath());
    media::TempCleanup::run(m_tempFolder);
}

void frmVL::selectShowFilter(int index)
{
    ui.cboMostra->setCurrentIndex(index);
}

void frmVL::setHalfMode(bool half)
{
    ui.imgEC[0]->setVisible(!half);
    ui.imgEC[1]->setVisible(half);
}

void frmVL::setAlphabetical(bool alphabetical)
{
    ui.chkOrdinaAZ->setChecked(alphabetical);
}

void frmVL::setOuterGeometry(const QRect& outer)
{
    m_requestedOuter = outer;
    applyOuterGeometry();
}

void frmVL::applyOuterGeometry()
{
    m_assumedFrame = frameGeometry().size() - size();
    resize(m_requestedOuter->size() - m_assumedFrame);
    move(m_requestedOuter->topLeft());
}

bool frmVL::event(QEvent* event)
{
    const bool handled = QWidget::event(event);
    // Once the window system has put a frame around the window, the outer size asked for
    // is applied again with the real frame.
    const auto type = event->type();
    if (m_requestedOuter && isVisible() &&
        (type == QEvent::Show || type == QEvent::Move || type == QEvent::Resize)) {
        // Maximized before the frame was known: resizing now would restore the window.
        if (isMaximized()) {
            m_requestedOuter.reset();
            return handled;
        }
        const QSize frame = frameGeometry().size() - size();
        if (frame != m_assumedFrame)
            applyOuterGeometry();
        if (!frame.isEmpty() || isMaximized())
            m_requestedOuter.reset();
    }
    return handled;
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
    catalogue::CheckListModel& albums = *ui.lstAlbum->rows();

    // 1. The marks and the current row, by album name.
    catalogue::SavedChecks saved;
    for (int i = 0; i < albums.count(); ++i)
        saved.add(albums.row(i).field(), albums.isChecked(i));
    const int current = ui.lstAlbum->listIndex();
    saved.setCurrent(current >= 0 ? albums.row(current).field() : QString());

    // 2.
    const int pointer = mousePointer();
    setMousePointer(Hourglass);

    // 3.-5. The albums under the filter, in the list's sorted order.
    platform::DirectoryCache cache;
    QStringList names = catalogue::AlbumScan::albumNames(m_state.collectionRoot,
                                                         ui.cboMostra->currentIndex(), cache);
    std::sort(names.begin(), names.end(),
              [](const QString& a, const QString& b) { return catalogue::Collation::less(a, b); });
    QList<ListRow> rows;
    rows.reserve(names.size());
    for (const QString& name : names)
        rows.append(ListRow::plain(name));
    albums.setRows(std::move(rows));

    // 6.
    ui.cmdSelAlbum->setEnabled(albums.count() > 0);

    // 7.-8. Marks back by exact name; the album that was current stays current.
    int newCurrent = -1;
    for (int i = 0; i < albums.count(); ++i) {
        const QString& name = albums.row(i).field();
        if (saved.wasChecked(name))
            albums.setChecked(i, true);
        if (saved.isCurrent(name))
            newCurrent = i;
    }
    ui.lstAlbum->setListIndex(newCurrent);

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

void frmVL::Form_Activate()
{
    // Back from the About window: the lists stay as they were.
    if (m_state.aboutShown) {
        m_state.aboutShown = false;
        return;
    }
    setMousePointer(Default);
    ui.lstAlbum->setListIndex(-1);
    lstAlbum_ItemCheck(-1);
}

void frmVL::sessionEnding()
{
    m_sessionEnding = true;
}

void frmVL::closeEvent(QCloseEvent* event)
{
    // Log-off or shutdown: no question and no clean-up.
    if (m_sessionEnding) {
        event->accept();
        return;
    }
    if (ui.lstAlbum->rows()->count() > 0) {
        const QString question =
            QStringLiteral("Chiudere \"") + windowTitle() + QStringLiteral("\"?");
        if (!m_dialogs.message(this, platform::Dialogs::Icon::Question,
                               QStringLiteral("Vastrel - Chiudi"), question, true)) {
            event->ignore();
            return;
        }
    }
    media::TempCleanup::run(m_tempFolder);
    event->accept();
    QCoreApplication::exit(0);
}

} // namespace vastrel::mainwindow
