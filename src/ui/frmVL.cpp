#include "frmVL.h"

#include "CheckList.h"
#include "ElidingLabel.h"
#include "ImageControl.h"
#include "SongbookPrint.h"
#include "TextPane.h"
#include "browser/LayoutMetrics.h"
#include "browser/MainLayout.h"
#include "browser/SizeSwitch.h"
#include "browser/WindowLimits.h"
#include "frmInfo.h"
#include "frmLeggio.h"
#include "platform/Dialogs.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QWindow>
#include <cmath>

namespace vastrel::ui {

using browser::BrowsingSession;
using browser::Command;
using browser::KeyMap;
using browser::Pointer;
using browser::SelectMode;
using browser::SizeMode;
using browser::TextZoom;
using List = BrowsingSession::List;

namespace {

constexpr int kBackspace = u'\b';
// The two images of the size switch: the one that halves the window shows in full mode.
constexpr int kHalving = 0;
constexpr int kDoubling = 1;
const QString kPrompt = QStringLiteral("Stringa da Cercare:");

// The icon the desktop entry names after the application id, as the installed theme has it;
// the program's own pictures where it is not installed.
QIcon programIcon()
{
    QIcon own;
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
        own.addFile(QStringLiteral(":/icons/vastrel-%1.png").arg(size), QSize(size, size));
    return QIcon::fromTheme(QGuiApplication::desktopFileName(), own);
}

QString padded(const QString& tip)
{
    return u' ' + tip + u' ';
}

} // namespace

frmVL::frmVL(BrowsingSession& session, platform::Dialogs& dialogs, QWidget* parent)
    : QWidget(parent), m_session(session), m_dialogs(dialogs)
{
    setObjectName(QStringLiteral("frmVL"));
    setWindowTitle(QStringLiteral("Vastrel - by Korvi"));
    setWindowIcon(programIcon());
    ui.create(this, m_session.albums(), m_session.tracks(), m_session.pictures());
    for (std::size_t i = 0; i < browser::kLayoutControlCount; ++i)
        m_layoutWidgets[i] = findChild<QWidget*>(controlName(browser::LayoutControl(i)));
    connect(&m_session, &BrowsingSession::changed, this, &frmVL::draw);
    connect(&m_session, &BrowsingSession::pointerChanged, this, &frmVL::showPointer);
    connect(&m_session, &BrowsingSession::progress, this, &frmVL::showProgress);
    connect(&m_session, &BrowsingSession::openFailed, this, &frmVL::reportOpenFailure);
    connect(&m_session, &BrowsingSession::trackListFocus, ui.lstBrani,
            [this] { ui.lstBrani->setFocus(); });
    connect(ui.cboMostra, &QComboBox::currentIndexChanged, &m_session,
            [this](int index) { m_session.setShowFilter(catalogue::showFilterAt(index)); });
    connectLists();
    createCommands();
    connectTextPane();
    setUpKeyboard();
    Form_Load();
}

// The controls outlive this class while the window is taken apart: the focus leaves them
// first, while the handlers that see it leave can still run.
frmVL::~frmVL()
{
    if (QWidget* focused = focusWidget())
        focused->clearFocus();
}

// Each list records the modifiers of a gesture before the gesture changes a mark.
void frmVL::connectLists()
{
    for (CheckList* list : {ui.lstAlbum, ui.lstBrani}) {
        connect(
            list, &CheckList::mouseDown, &m_session,
            [this](Qt::MouseButton, platform::Modifiers mask) { m_session.recordModifiers(mask); });
        connect(list, &CheckList::keyDown, &m_session,
                [this](int, platform::Modifiers mask) { m_session.recordModifiers(mask); });
    }
    // Backspace inverts every mark of its list.
    connect(ui.lstAlbum, &CheckList::keyPress, this, [this](int character) {
        if (character == kBackspace)
            m_session.invert(List::Albums);
    });
    connect(ui.lstBrani, &CheckList::keyPress, this, [this](int character) {
        if (character == kBackspace)
            m_session.invert(List::Tracks);
    });
    // A click shows the picture of its row, also of the row that is current already: pane
    // mode 1 may have left that picture unloaded.
    connect(ui.lstJPEG->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &frmVL::lstJPEG_Click);
    connect(ui.lstJPEG, &CheckList::currentRowPressed, this, &frmVL::lstJPEG_Click);
    connect(ui.lstJPEG, &CheckList::keyDown, this, [this](int key, platform::Modifiers) {
        if (key == Qt::Key_Return || key == Qt::Key_Enter)
            lstJPEG_Click();
    });
    connect(ui.lstJPEG, &CheckList::focusIn, this, [this] { setDefaultButtonWithdrawn(true); });
    connect(ui.lstJPEG, &CheckList::focusOut, this, [this] { setDefaultButtonWithdrawn(false); });
}

// The buttons that give a command, which they show enabled while the session offers it.
std::array<std::pair<QPushButton*, Command>, 10> frmVL::commandButtons() const
{
    return {{{ui.cmdSuona, Command::Play},
             {ui.cmdSelAlbum, Command::SelectAllAlbums},
             {ui.cmdSelBrani, Command::SelectAllTracks},
             {ui.cmdCercaBrano, Command::SearchTitles},
             {ui.chkOrdinaAZ, Command::ToggleOrder},
             {ui.cmdSelTesto, Command::SelectText},
             {ui.cmdCopia, Command::CopyText},
             {ui.cmdCercaTesto, Command::SearchText},
             {ui.cmdCercaAvanti, Command::FindNext},
             {ui.cmdCopertina, Command::NextPaneMode}}};
}

// One action per command, given by its button or picture and by its keys.
void frmVL::createCommands()
{
    for (std::size_t i = 0; i < browser::kCommandCount; ++i) {
        auto* action = new QAction(this);
        connect(action, &QAction::triggered, this, [this, i] { run(Command(i)); });
        m_actions[i] = action;
    }
    for (const auto& [button, command] : commandButtons())
        connect(button, &QPushButton::clicked, this, [this, c = command] { trigger(c); });
    // Their right presses switch the select-all buttons' modes.
    ui.cmdSelAlbum->installEventFilter(this);
    ui.cmdSelBrani->installEventFilter(this);
    for (ImageControl* image : ui.imgEC) {
        connect(image, &ImageControl::clicked, this, [this] { trigger(Command::SwitchSize); });
        connect(image, &ImageControl::doubleClicked, this,
                [this] { trigger(Command::SwitchSize); });
    }
    connect(ui.imgInfo, &ImageControl::mouseDown, this, [this] { trigger(Command::About); });
}

void frmVL::trigger(Command command)
{
    QAction* action = m_actions[commandIndex(command)];
    if (action->isEnabled())
        action->trigger();
}

void frmVL::run(Command command)
{
    switch (command) {
    case Command::Play:
        m_session.cmdSuona_Click();
        break;
    case Command::SelectAllAlbums:
        m_session.selectAll(List::Albums);
        break;
    case Command::SwitchAlbumsMode:
        m_session.switchSelectMode(List::Albums);
        break;
    case Command::SelectAllTracks:
        m_session.selectAll(List::Tracks);
        break;
    case Command::SwitchTracksMode:
        m_session.switchSelectMode(List::Tracks);
        break;
    case Command::SearchTitles:
        cmdCercaBrano_Click();
        break;
    case Command::ToggleOrder:
        chkOrdinaAZ_Click();
        break;
    case Command::SelectText:
        cmdSelTesto_Click();
        break;
    case Command::CopyText:
        cmdCopia_Click();
        break;
    case Command::SearchText:
        cmdCercaTesto_Click();
        break;
    case Command::FindNext:
        cmdCercaAvanti_Click();
        break;
    case Command::NextPaneMode:
        cmdCopertina_Click();
        break;
    case Command::SwitchSize:
        imgEC_Click(halfMode() ? kDoubling : kHalving);
        break;
    case Command::About:
        imgInfo_MouseDown();
        break;
    case Command::Close:
        close();
        break;
    case Command::Print:
        SongbookPrint(m_dialogs, this).print(m_session.songbook());
        break;
    case Command::PrintPreview:
        SongbookPrint(m_dialogs, this).preview(m_session.songbook());
        break;
    case Command::ZoomIn:
        m_session.zoomPane(TextZoom::Step::Larger);
        break;
    case Command::ZoomOut:
        m_session.zoomPane(TextZoom::Step::Smaller);
        break;
    case Command::ZoomNormal:
        m_session.zoomPane(TextZoom::Step::Normal);
        break;
    case Command::Read:
        openReadingView();
        break;
    case Command::Count:
        break;
    }
}

// The order switch, a check box drawn as a button, switches to the other order.
void frmVL::chkOrdinaAZ_Click()
{
    m_session.setAlphabetical(!m_session.mainView().alphabetical);
    m_session.chkOrdinaAZ_Click();
}

void frmVL::connectTextPane()
{
    TextPane* pane = ui.txtBrani;
    for (auto signal : {&TextPane::changed, &TextPane::doubleClicked, &TextPane::keyUp,
                        &TextPane::mouseDown, &TextPane::mouseUp})
        connect(pane, signal, this, &frmVL::refreshTextCommands);
    connect(pane, &TextPane::keyDown, this, &frmVL::txtBrani_KeyDown);
    connect(pane, &TextPane::zoomWheel, this, [this](int notches) {
        for (int i = 0; i < std::abs(notches); ++i)
            trigger(notches > 0 ? Command::ZoomIn : Command::ZoomOut);
    });
    connect(pane, &TextPane::focusIn, this, [this] { setDefaultButtonWithdrawn(true); });
    connect(pane, &TextPane::focusOut, this, [this] { setDefaultButtonWithdrawn(false); });
}

bool frmVL::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && watched == static_cast<QObject*>(windowHandle()))
        return Form_KeyDown(static_cast<QKeyEvent*>(event));
    // A right press on a select-all button switches its mode.
    if (event->type() == QEvent::MouseButtonPress &&
        static_cast<QMouseEvent*>(event)->button() == Qt::RightButton) {
        if (watched == ui.cmdSelAlbum)
            trigger(Command::SwitchAlbumsMode);
        else if (watched == ui.cmdSelBrani)
            trigger(Command::SwitchTracksMode);
    }
    return QWidget::eventFilter(watched, event);
}

// Key preview: the window sees every key before its focused control. A key the table
// consumes gives its command, if offered, and goes no further.
bool frmVL::Form_KeyDown(const QKeyEvent* event)
{
    const KeyMap::Result key = KeyMap::lookup(event->key(), event->modifiers());
    if (key.command)
        trigger(*key.command);
    return key.consumed;
}

// The window's default button: Enter on a button presses that button, elsewhere it plays
// (the text pane and the picture list withdraw the default while they have the focus). The
// order switch is a check box drawn as a button: Enter plays there too.
void frmVL::keyPressEvent(QKeyEvent* event)
{
    if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter) {
        QWidget::keyPressEvent(event);
        return;
    }
    auto* focused = qobject_cast<QPushButton*>(focusWidget());
    if (focused && !focused->isCheckable()) {
        if (focused->isEnabled())
            focused->click();
    } else if (ui.cmdSuona->isDefault() && ui.cmdSuona->isEnabled()) {
        ui.cmdSuona->click();
    }
}

void frmVL::Form_Load()
{
    ui.placeFixed();
    // Pictures the buttons share.
    ui.cmdCercaTesto->setIcon(ui.cmdCercaBrano->icon());
    ui.cmdSelAlbum->setIcon(ui.cmdSelTesto->icon());
    ui.cmdSelBrani->setIcon(ui.cmdSelTesto->icon());
    drawZoom();
    m_session.openTempFolder();
}

void frmVL::Aggiorna()
{
    m_session.Aggiorna();
}

void frmVL::selectShowFilter(catalogue::ShowFilter filter)
{
    ui.cboMostra->setCurrentIndex(catalogue::indexOf(filter));
}

void frmVL::setHalfMode(bool half)
{
    m_session.setSizeMode(half ? SizeMode::Half : SizeMode::Full);
    ui.imgEC[kHalving]->setVisible(!half);
    ui.imgEC[kDoubling]->setVisible(half);
}

void frmVL::setAlphabetical(bool alphabetical)
{
    if (m_session.mainView().alphabetical != alphabetical)
        trigger(Command::ToggleOrder);
}

void frmVL::setEmptyPicture(const QPixmap& picture)
{
    ui.imgVuoto = picture;
    if (m_session.mainView().picture.isNull())
        ui.imgCopertina->setPixmap(picture);
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
    // Neither a shortcut nor an access key sees a key that the key table consumes.
    if (event->type() == QEvent::ShortcutOverride) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (KeyMap::lookup(key->key(), key->modifiers()).consumed) {
            event->accept();
            return true;
        }
    }
    const bool handled = QWidget::event(event);
    // Once the window system has put a frame around the window, the outer size asked for
    // is applied again with the real frame. A frame the program draws itself (Wayland) is
    // there when the window has been put on screen, which ShowToParent follows (Show comes
    // before); a window manager's frame comes with a move or a resize.
    const auto type = event->type();
    if (m_requestedOuter && isVisible() &&
        (type == QEvent::ShowToParent || type == QEvent::Move || type == QEvent::Resize)) {
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

// The pointer of a gesture at work shows over every window of the program.
void frmVL::showPointer(Pointer pointer)
{
    const bool wasShown = m_pointerShown != Pointer::Default;
    m_pointerShown = pointer;
    if (pointer == Pointer::Default) {
        if (wasShown)
            QApplication::restoreOverrideCursor();
        return;
    }
    const QCursor cursor(pointer == Pointer::Hourglass ? Qt::WaitCursor : Qt::BusyCursor);
    if (wasShown)
        QApplication::changeOverrideCursor(cursor);
    else
        QApplication::setOverrideCursor(cursor);
}

// The gesture runs on without the event loop, so no other gesture can slip in: the bar is
// painted at once.
void frmVL::showProgress(const QString& caption, int done, int total)
{
    if (caption.isEmpty()) {
        if (m_progress)
            m_progress->hide();
        return;
    }
    if (!m_progress) {
        m_progress = new QProgressBar(this);
        m_progress->setObjectName(QStringLiteral("progress"));
        m_progress->setAlignment(Qt::AlignCenter);
    }
    const QRect pane = ui.txtBrani->geometry();
    const int height = m_progress->sizeHint().height();
    m_progress->setGeometry(pane.x() + pane.width() / 8, pane.center().y() - height / 2,
                            pane.width() * 3 / 4, height);
    m_progress->setRange(0, total);
    m_progress->setValue(done);
    m_progress->setFormat(caption);
    m_progress->show();
    m_progress->raise();
    m_progress->repaint();
}

void frmVL::draw()
{
    const browser::MainView& view = m_session.mainView();
    drawPane();
    drawZoom();
    setCaption(ui.lblAlbum, view.albumsCaption);
    ui.lstAlbum->setPlaceholderText(view.albumsPlaceholder);
    setCaption(ui.lblBrani, view.tracksCaption);
    setCaption(ui.lblRTF, view.paneHeading);
    setCaption(ui.lblJPEG, view.picturesCaption);
    drawCommands();
    ui.cmdCercaAvanti->setToolTip(view.findNextTooltip);
    ui.cmdCercaTesto->setToolTip(view.textSearchTooltip);
    ui.chkOrdinaAZ->setChecked(view.alphabetical);
    ui.chkOrdinaAZ->setToolTip(view.orderTooltip());
    drawSelectMode(ui.cmdSelAlbum, view.albumsMode, m_albumsModeShown);
    ui.cmdSelAlbum->setToolTip(view.selectAlbumsTooltip());
    drawSelectMode(ui.cmdSelBrani, view.tracksMode, m_tracksModeShown);
    ui.cmdSelBrani->setToolTip(view.selectTracksTooltip());
    drawPicture();
}

void frmVL::drawCommands()
{
    const browser::MainView& view = m_session.mainView();
    for (std::size_t i = 0; i < browser::kCommandCount; ++i) {
        m_actions[i]->setEnabled(view.commands[i].enabled);
        m_actions[i]->setVisible(view.commands[i].visible);
    }
    for (const auto& [button, command] : commandButtons())
        button->setEnabled(view.command(command).enabled);
}

void frmVL::drawSelectMode(QPushButton* button, SelectMode mode, SelectMode& shown)
{
    if (mode == shown)
        return;
    shown = mode;
    button->setIcon(mode == SelectMode::Select ? ui.cmdSelTesto->icon() : ui.imgNoSel);
}

void frmVL::drawPane()
{
    const browser::MainView& view = m_session.mainView();
    if (view.paneRevision == m_paneRevision)
        return;
    m_paneRevision = view.paneRevision;
    ui.txtBrani->setContent(view.pane, view.paneWraps);
    m_session.paneShown(ui.txtBrani->plainText(), ui.txtBrani->selectionStart(),
                        ui.txtBrani->selectionLength());
}

// The pane's text is scaled, and nothing else: the layout and the positions stay.
void frmVL::drawZoom()
{
    if (state().textZoom == m_zoomShown)
        return;
    m_zoomShown = state().textZoom;
    ui.txtBrani->setZoom(m_zoomShown);
}

void frmVL::drawPicture()
{
    const browser::MainView& view = m_session.mainView();
    if (view.pictureRevision == m_pictureRevision)
        return;
    m_pictureRevision = view.pictureRevision;
    if (view.picture.isNull()) {
        ui.imgCopertina->setPixmap(ui.imgVuoto);
        ui.imgCopertina->setToolTip(padded(windowTitle()));
    } else {
        ui.imgCopertina->setPixmap(QPixmap::fromImage(view.picture));
        ui.imgCopertina->setToolTip(padded(view.pictureTitle));
    }
}

void frmVL::setCaption(QLabel* label, const QString& caption)
{
    if (label->text() == caption)
        return;
    label->setText(caption);
    fitCaption(label);
}

// A caption gets the width it needs, but never runs under the control to its right: the
// album counter stops before "Mostra:", the track counter before the About picture, and
// both then lose the start of their captions rather than their figures.
void frmVL::fitCaption(QLabel* label)
{
    int width = label->sizeHint().width();
    if (label == ui.lblAlbum)
        width = std::min(width, ui.lblMostra->x() - browser::metrics::kLabelGap - label->x());
    else if (label == ui.lblBrani)
        width = std::min(width, ui.imgInfo->x() - browser::metrics::kLabelGap - label->x());
    label->resize(std::max(width, 0), label->height());
}

void frmVL::Form_Activate()
{
    m_session.activate();
}

void frmVL::endSession()
{
    const QScopedValueRollback ending(m_sessionEnding, true);
    close();
}

void frmVL::closeEvent(QCloseEvent* event)
{
    // Log-off or shutdown: no question and no clean-up.
    if (m_sessionEnding) {
        event->accept();
        return;
    }
    if (const auto question = m_session.closeQuestion(windowTitle())) {
        if (!m_dialogs.message(this, platform::Dialogs::Icon::Question, question->title,
                               question->text, true)) {
            event->ignore();
            return;
        }
    }
    m_session.cleanUpTempFolder();
    event->accept();
    QCoreApplication::exit(0);
}

void frmVL::reportOpenFailure(const QString& playlist)
{
    m_dialogs.message(this, platform::Dialogs::Icon::Critical,
                      QStringLiteral("Vastrel - Suona i Brani Selezionati"),
                      QStringLiteral("ATTENZIONE! Impossibile Aprire il File:\r\n\r\n") + playlist);
}

// The dialog's corner 2 pixels inside the track list's.
void frmVL::cmdCercaBrano_Click()
{
    const QString result =
        m_dialogs.input(this, BrowsingSession::titleSearchTitle(), kPrompt, m_session.titleSearch(),
                        ui.lstBrani->mapToGlobal(QPoint(2, 2)));
    if (!result.isEmpty()) {
        if (const auto notFound = m_session.searchTitles(result))
            m_dialogs.message(this, platform::Dialogs::Icon::Information, notFound->title,
                              notFound->text);
    }
    ui.lstBrani->setFocus();
}

// The dialog is titled after what the pane shows.
void frmVL::cmdCercaTesto_Click()
{
    const QString result =
        m_dialogs.input(this, m_session.textSearchTitle(), kPrompt, m_session.textSearch(),
                        ui.txtBrani->mapToGlobal(QPoint(3, 3)));
    if (result.isEmpty()) {
        ui.txtBrani->setFocus();
        return;
    }
    m_session.setTextSearch(result);
    cmdCercaAvanti_Click();
}

// The message that nothing was found shows with the default pointer.
void frmVL::cmdCercaAvanti_Click()
{
    std::optional<int> at;
    {
        const auto busy = m_session.busy(Pointer::Hourglass);
        at = m_session.findNext(ui.txtBrani->selectionStart(), ui.txtBrani->selectionLength());
        if (at)
            ui.txtBrani->setSelection(*at, int(m_session.textSearch().size()));
    }
    if (!at) {
        const browser::Message notFound = m_session.textNotFound();
        m_dialogs.message(this, platform::Dialogs::Icon::Information, notFound.title,
                          notFound.text);
    }
    ui.txtBrani->setFocus();
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

void frmVL::refreshTextCommands()
{
    m_session.setPaneSelection(ui.txtBrani->selectionStart(), ui.txtBrani->selectionLength());
}

void frmVL::txtBrani_KeyDown(int key)
{
    if (key == Qt::Key_Insert)
        imgEC_Click(kHalving);
    else
        refreshTextCommands();
}

// While the text pane or the picture list has the focus, Enter belongs to them.
void frmVL::setDefaultButtonWithdrawn(bool withdrawn)
{
    ui.cmdSuona->setDefault(!withdrawn);
}

bool frmVL::halfMode() const
{
    return state().sizeMode == SizeMode::Half;
}

// Let the list repaint its new selection before a large picture is decoded.
void frmVL::lstJPEG_Click()
{
    if (m_session.pictures().currentRow() < 0)
        return;
    const auto busy = m_session.busy(Pointer::Busy);
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    m_session.MostraImmagine();
}

void frmVL::cmdCopertina_Click()
{
    const auto busy = m_session.busy(Pointer::Hourglass);
    m_session.nextPaneMode();
    Form_Resize();
    m_layoutWidgets[controlIndex(m_session.paneFocus())]->setFocus();
}

void frmVL::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    Form_Resize();
}

// Every key of the window passes the key table before the focused control: the window sees
// the keys that the window system hands it, before it hands them on to its focus.
void frmVL::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    windowHandle()->installEventFilter(this);
}

void frmVL::Form_Resize()
{
    browser::LayoutInput in;
    in.client = size();
    in.outer = frameGeometry().size();
    in.screen = state().screen;
    in.halfMode = halfMode();
    in.paneMode = state().paneMode;
    in.maximized = isMaximized();
    in.minimized = isMinimized();
    in.labelHeight = ui.lblMostra->height();
    in.previousBorderWidth = state().borderWidth;
    in.previousCaptionHeight = state().captionHeight;
    for (std::size_t i = 0; i < browser::kLayoutControlCount; ++i) {
        in.current[i] = m_layoutWidgets[i]->geometry();
        in.visible[i] = !m_layoutWidgets[i]->isHidden();
    }
    const browser::LayoutResult out = browser::MainLayout::compute(in);
    m_session.setWindowMeasures(out);
    if (out.laidOut) {
        // Moved or resized only when different, so an unchanged picture or text is not redrawn.
        for (std::size_t i = 0; i < browser::kLayoutControlCount; ++i) {
            QWidget* w = m_layoutWidgets[i];
            if (w->geometry() != out.geometry[i])
                w->setGeometry(out.geometry[i]);
            if (w->isHidden() == out.visible[i])
                w->setVisible(out.visible[i]);
        }
        fitCaption(ui.lblAlbum);
        fitCaption(ui.lblBrani);
    }
    applySizeLimits();
}

void frmVL::applySizeLimits()
{
    using browser::WindowLimits;
    const WindowLimits::Limits outer = WindowLimits::compute(
        state().borderWidth, state().captionHeight, halfMode(), state().minWindowWidth,
        state().maxWindowWidth, state().maxWindowHeight);
    const WindowLimits::Limits client =
        WindowLimits::clientLimits(outer, frameGeometry().size() - size());
    if (minimumSize() != client.minimum)
        setMinimumSize(client.minimum);
    if (maximumSize() != client.maximum)
        setMaximumSize(client.maximum);
}

// The size switch: the halving image halves the window, the doubling image doubles it.
void frmVL::imgEC_Click(int index)
{
    // The client height is taken first: the limits of the full mode can raise a low
    // half-mode window at once.
    const auto change = browser::SizeSwitch::to(index == kHalving ? SizeMode::Half : SizeMode::Full,
                                                isMaximized(), isMinimized(), height(),
                                                state().captionHeight, state().borderWidth);
    if (!change)
        return;
    const auto busy = m_session.busy(Pointer::Busy);
    setHalfMode(change->mode == SizeMode::Half);
    // The limits follow the new mode before the height changes.
    applySizeLimits();
    if (change->showPicture)
        m_session.MostraImmagine();
    if (change->clientHeight)
        resize(width(), *change->clientHeight);
    else
        Form_Resize();
}

void frmVL::setUpKeyboard()
{
    QWidget* order[] = {ui.lstAlbum,     ui.lstBrani,    ui.cboMostra,     ui.cmdSelAlbum,
                        ui.cmdSuona,     ui.cmdSelBrani, ui.cmdCercaBrano, ui.chkOrdinaAZ,
                        ui.cmdSelTesto,  ui.cmdCopia,    ui.cmdCercaTesto, ui.cmdCercaAvanti,
                        ui.cmdCopertina, ui.lstJPEG,     ui.txtBrani};
    for (std::size_t i = 0; i + 1 < std::size(order); ++i)
        setTabOrder(order[i], order[i + 1]);
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

// The reading view is modal: the window cannot change while it is open, and gets back its
// focus when it closes.
void frmVL::openReadingView()
{
    browser::Songbook book = m_session.songbook();
    if (book.isEmpty())
        return;
    auto* reading = new frmLeggio(std::move(book), ui.txtBrani->pointSize(), this);
    reading->setWindowIcon(windowIcon());
    connect(reading, &frmLeggio::closed, this, [this, focus = QPointer<QWidget>(focusWidget())] {
        activateWindow();
        if (focus)
            focus->setFocus();
    });
    reading->open(screen());
}

// The About picture is hidden while the About window is open. Back from it, the main window
// is active again with its lists as they were.
void frmVL::imgInfo_MouseDown()
{
    if (m_about == nullptr)
        return;
    // Its outer size keeps it centred and on the screen; before its first showing, its frame
    // is expected to be like the main window's.
    const QRect main = frameGeometry();
    ui.imgInfo->hide();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    m_about->execPlaced(
        [this, main](QSize about) {
            return aboutPosition(main, about, state().screen, state().borderWidth,
                                 state().captionHeight);
        },
        main.size() - size());
    ui.imgInfo->show();
}

} // namespace vastrel::ui
