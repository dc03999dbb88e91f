// The picture browser of the main window, its layout and the size switch.

#include "CheckList.h"
#include "ImageControl.h"
#include "MainLayout.h"
#include "TextPane.h"
#include "WindowLimits.h"
#include "frmVL.h"
#include "media/PictureLoader.h"
#include "platform/Beeper.h"

#include <QCoreApplication>
#include <QLabel>
#include <QPushButton>
#include <QTextEdit>

namespace vastrel::mainwindow {

bool frmVL::halfMode() const
{
    return !ui.imgEC[1]->isHidden();
}

void frmVL::setCaption(QLabel* label, const QString& caption)
{
    label->setText(caption);
    fitCaption(label);
}

// A caption gets the width it needs, but never runs under the control to its right: the
// album counter stops before "Mostra:", the track counter before the About picture.
void frmVL::fitCaption(QLabel* label)
{
    int width = label->sizeHint().width();
    if (label == ui.lblAlbum)
        width = std::min(width, ui.lblMostra->x() - 4 - label->x());
    else if (label == ui.lblBrani)
        width = std::min(width, ui.imgInfo->x() - 4 - label->x());
    label->resize(std::max(width, 0), label->height());
}

void frmVL::MostraImmagine()
{
    const catalogue::CheckListModel& pictures = *ui.lstJPEG->rows();
    const int n = pictures.count();
    const int k = ui.lstJPEG->listIndex();
    auto showNothing = [this] {
        ui.imgCopertina->setPixmap(ui.imgVuoto);
        m_pictureTag = QStringLiteral("[Vuoto]");
        ui.imgCopertina->setToolTip(u' ' + windowTitle() + u' ');
    };
    // 1.
    if (n == 0)
        setCaption(ui.lblJPEG, m_albumListTag.toInt() > 0
                                   ? QStringLiteral("Nessuna Immagine Disponibile")
                                   : QString());
    else if (k < 0)
        setCaption(ui.lblJPEG, QStringLiteral("&Immagini Disponibili: %1").arg(n));
    else
        setCaption(ui.lblJPEG, QStringLiteral("&Immagine N.%1 (su %2)").arg(k + 1).arg(n));
    // 2.
    if (k < 0) {
        showNothing();
        return;
    }
    // 3.-4. Loaded only when it is another picture and the picture box is on show.
    const QString path = m_state.collectionRoot + pictures.row(k).path();
    if (path == m_pictureTag || m_state.paneMode == 1 || halfMode())
        return;
    // 5.-6.
    const QImage picture = media::PictureLoader::load(path);
    if (picture.isNull()) {
        platform::Beeper::beep();
        setCaption(ui.lblJPEG, QStringLiteral("&Immagini Disponibili: %1").arg(n));
        showNothing();
        ui.lstJPEG->setListIndex(-1);
        return;
    }
    ui.imgCopertina->setPixmap(QPixmap::fromImage(picture));
    m_pictureTag = path;
    ui.imgCopertina->setToolTip(u' ' + pictures.row(k).title() + u' ');
}

void frmVL::lstJPEG_Click()
{
    if (ui.lstJPEG->listIndex() < 0)
        return;
    setMousePointer(Busy);
    // Let the list repaint its new selection before a large picture is decoded.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    MostraImmagine();
    setMousePointer(Default);
}

void frmVL::cmdCopertina_Click()
{
    setMousePointer(Hourglass);
    m_state.paneMode = (m_state.paneMode + 1) % 4;
    Form_Resize();
    if (m_state.paneMode == 3)
        ui.lstJPEG->setFocus();
    else
        ui.txtBrani->setFocus();
    setMousePointer(Default);
}

void frmVL::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    Form_Resize();
}

void frmVL::Form_Resize()
{
    LayoutInput in;
    in.client = size();
    in.outer = frameGeometry().size();
    in.screen = m_state.screen;
    in.halfMode = halfMode();
    in.paneMode = m_state.paneMode;
    in.maximized = isMaximized();
    in.minimized = isMinimized();
    in.labelHeight = ui.lblMostra->height();
    in.previousBorderWidth = m_state.borderWidth;
    in.previousCaptionHeight = m_state.captionHeight;
    for (std::size_t i = 0; i < kLayoutControlCount; ++i) {
        in.current[i] = m_layoutWidgets[i]->geometry();
        in.visible[i] = !m_layoutWidgets[i]->isHidden();
    }
    const LayoutResult out = MainLayout::Form_Resize(in);
    m_state.borderWidth = out.borderWidth;
    m_state.captionHeight = out.captionHeight;
    m_state.maxWindowWidth = out.maxWindowWidth;
    m_state.maxWindowHeight = out.maxWindowHeight;
    m_state.minWindowWidth = out.minWindowWidth;
    if (out.laidOut) {
        // Moved or resized only when different, so an unchanged picture or text is not redrawn.
        for (std::size_t i = 0; i < kLayoutControlCount; ++i) {
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
    const WindowLimits::Limits outer = WindowLimits::compute(
        m_state.borderWidth, m_state.captionHeight, halfMode(), m_state.minWindowWidth,
        m_state.maxWindowWidth, m_state.maxWindowHeight);
    const WindowLimits::Limits client =
        WindowLimits::clientLimits(outer, frameGeometry().size() - size());
    if (minimumSize() != client.minimum)
        setMinimumSize(client.minimum);
    if (maximumSize() != client.maximum)
        setMaximumSize(client.maximum);
}

void frmVL::imgEC_Click(int index)
{
    // 1.-3.
    if (isMinimized())
        return;
    setMousePointer(Busy);
    // Taken first: the limits of the full mode can raise a low half-mode window at once.
    const int clientHeight = height();
    ui.imgEC[1 - index]->show();
    ui.imgEC[index]->hide();
    // The limits follow the new mode before the height changes.
    applySizeLimits();
    if (isMaximized()) {
        // 4.
        MostraImmagine();
        Form_Resize();
    } else if (index == 0) {
        // 5. Halve, keeping the list height.
        const double outer = WindowLimits::halvedOuterHeight(clientHeight, m_state.captionHeight,
                                                             m_state.borderWidth);
        resize(width(),
               WindowLimits::clientHeightFor(outer, m_state.captionHeight, m_state.borderWidth));
    } else {
        // 6. Double, with the picture brought up to date first.
        MostraImmagine();
        const int outer = WindowLimits::doubledOuterHeight(clientHeight, m_state.captionHeight,
                                                           m_state.borderWidth);
        resize(width(),
               WindowLimits::clientHeightFor(outer, m_state.captionHeight, m_state.borderWidth));
    }
    // 7.
    setMousePointer(Default);
}

} // namespace vastrel::mainwindow
