#include "MainControls.h"

#include "CheckList.h"
#include "ElidingLabel.h"
#include "ImageControl.h"
#include "Pictures.h"
#include "TextPane.h"
#include "browser/LayoutMetrics.h"
#include "platform/Fonts.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

// The pictures are linked into a static library: make sure they are registered.
static void registerPictures()
{
    Q_INIT_RESOURCE(vastrel);
}

namespace vastrel::ui {

namespace {

using namespace browser::metrics;

const QSize kSquare(kButton, kButton);
const QSize kWide(kWideButton, kButton);
// The size-switch and About pictures.
const QSize kSmallPicture(kImageSide, kImageSide);

} // namespace

void MainControls::create(QWidget* window, catalogue::CheckListModel& albums,
                          catalogue::CheckListModel& tracks, catalogue::CheckListModel& pictures)
{
    registerPictures();
    window->setFont(QFont(QStringLiteral("Arial"), 9));
    createButtons(window);
    createLists(window, albums, tracks, pictures);
    createLabelsAndImages(window);
}

QPushButton* MainControls::button(QWidget* window, const char* name, const QString& tip,
                                  const QString& picture, QSize size, bool enabled)
{
    auto* b = new QPushButton(window);
    b->setObjectName(QString::fromLatin1(name));
    b->setToolTip(tip);
    b->setIcon(QIcon(picture));
    b->setIconSize(size - QSize(5, 5));
    b->setFixedSize(size);
    b->setEnabled(enabled);
    return b;
}

void MainControls::createButtons(QWidget* window)
{
    cmdCopertina =
        button(window, "cmdCopertina", QStringLiteral(" Visualizza/Nascondi Testi e Immagini "),
               QStringLiteral(":/btn-copertina.png"), kWide, true);
    cmdSelAlbum = button(window, "cmdSelAlbum", QStringLiteral(" Seleziona Tutti gli Album "),
                         QString(), kSquare, false);
    cboMostra = new QComboBox(window);
    cboMostra->setObjectName(QStringLiteral("cboMostra"));
    cboMostra->addItems({QStringLiteral("Solo Duplicati"), QStringLiteral("Solo Originali"),
                         QStringLiteral("Tutto")});
    cboMostra->setCurrentIndex(-1);
    cmdCopia = button(window, "cmdCopia", QStringLiteral(" Copia il Testo Selezionato "),
                      QStringLiteral(":/btn-copia.png"), kSquare, false);
    cmdSelTesto = button(window, "cmdSelTesto", QStringLiteral(" Seleziona Tutto il Testo "),
                         QStringLiteral(":/btn-seleziona.png"), kSquare, false);
    cmdCercaAvanti =
        button(window, "cmdCercaAvanti", QStringLiteral(" Cerca la Prossima Occorrenza "),
               QStringLiteral(":/btn-avanti.png"), kSquare, false);
    cmdCercaTesto =
        button(window, "cmdCercaTesto", QStringLiteral(" Cerca "), QString(), kSquare, false);
    cmdSuona = button(window, "cmdSuona", QStringLiteral(" Suona i Brani Selezionati "),
                      QStringLiteral(":/btn-suona.png"), kWide, false);
    cmdSuona->setDefault(true);
    cmdSelBrani = button(window, "cmdSelBrani", QStringLiteral(" Seleziona Tutti i Brani "),
                         QString(), kSquare, false);
    cmdCercaBrano =
        button(window, "cmdCercaBrano", QStringLiteral(" Cerca tra i Titoli dei Brani "),
               QStringLiteral(":/btn-cerca.png"), kSquare, false);
    chkOrdinaAZ = button(window, "chkOrdinaAZ", QStringLiteral(" Ordina i Brani Alfabeticamente "),
                         QString(), kSquare, true);
    QIcon order(QStringLiteral(":/btn-ordina-az.png"));
    order.addFile(QStringLiteral(":/btn-ordina-cron.png"), QSize(), QIcon::Normal, QIcon::On);
    chkOrdinaAZ->setIcon(order);
    chkOrdinaAZ->setCheckable(true);
}

void MainControls::createLists(QWidget* window, catalogue::CheckListModel& albums,
                               catalogue::CheckListModel& tracks,
                               catalogue::CheckListModel& pictures)
{
    lstJPEG = new CheckList(&pictures, window);
    lstJPEG->setObjectName(QStringLiteral("lstJPEG"));
    lstJPEG->hide();
    lstBrani = new CheckList(&tracks, window);
    lstBrani->setObjectName(QStringLiteral("lstBrani"));
    lstAlbum = new CheckList(&albums, window);
    lstAlbum->setObjectName(QStringLiteral("lstAlbum"));
    QFont bold = window->font();
    bold.setBold(true);
    lstAlbum->setFont(bold);
    txtBrani = new TextPane(window);
    txtBrani->setObjectName(QStringLiteral("txtBrani"));
    txtBrani->setPaneFont(platform::Fonts::fixedPitch(9));
}

template <typename Label>
Label* MainControls::label(QWidget* window, const char* name, const QString& caption,
                           QWidget* buddy)
{
    auto* l = new Label(caption, window);
    l->setObjectName(QString::fromLatin1(name));
    l->setBuddy(buddy);
    return l;
}

ImageControl* MainControls::image(QWidget* window, const char* name, const QString& tip,
                                  const QString& picture, Qt::CursorShape cursor)
{
    auto* i = new ImageControl(window);
    i->setObjectName(QString::fromLatin1(name));
    i->setToolTip(tip);
    if (!picture.isEmpty())
        i->setPixmap(Pictures::sharp(picture, kSmallPicture));
    i->setCursor(cursor);
    return i;
}

void MainControls::createLabelsAndImages(QWidget* window)
{
    lblRTF = label(window, "lblRTF", QString(), txtBrani);
    lblMostra = label(window, "lblMostra", QStringLiteral("&Mostra:"), cboMostra);
    imgEC[0] = image(window, "imgEC0", QStringLiteral(" Dimezza la Finestra Principale "),
                     QStringLiteral(":/ec-dimezza.png"), Qt::SizeVerCursor);
    imgEC[1] = image(window, "imgEC1", QStringLiteral(" Raddoppia la Finestra Principale "),
                     QStringLiteral(":/ec-raddoppia.png"), Qt::SizeVerCursor);
    imgEC[1]->hide();
    imgInfo = image(window, "imgInfo", QStringLiteral(" Informazioni su Vastrel "),
                    QStringLiteral(":/info.png"), Qt::WhatsThisCursor);
    imgNoSel = QIcon(QStringLiteral(":/btn-deseleziona.png"));
    lblJPEG = label(window, "lblJPEG", QString(), lstJPEG);
    imgCopertina = image(window, "imgCopertina", QString(), QString(), Qt::ArrowCursor);
    imgCopertina->setScaledContents(true);
    lblBrani = label<ElidingLabel>(window, "lblBrani", QString(), lstBrani);
    lblAlbum = label<ElidingLabel>(window, "lblAlbum", QString(), lstAlbum);
}

// The captions of the lists end a caption gap above them, the show-filter box one pixel
// below their top edge; the About picture stands one pixel below the window's.
void MainControls::placeFixed()
{
    const int labelHeight = lblMostra->sizeHint().height();
    for (QLabel* l : std::initializer_list<QLabel*>{lblMostra, lblAlbum, lblBrani, lblRTF, lblJPEG})
        l->resize(l->width(), labelHeight);
    lblMostra->resize(lblMostra->sizeHint().width(), labelHeight);
    lblMostra->move(lblMostra->x(), kBand - kCaptionGap - labelHeight);
    cboMostra->resize(cboMostra->sizeHint());
    cboMostra->move(cboMostra->x(), kBand + 1 - cboMostra->height());
    lblAlbum->move(kMargin, lblMostra->y());
    lblBrani->move(lblBrani->x(), lblMostra->y());
    imgInfo->setGeometry(imgInfo->x(), 1, kImageSide, kImageSide);
    for (ImageControl* ec : imgEC)
        ec->resize(kImageSide, kImageSide);
    lstAlbum->move(kMargin, kBand);
    lstBrani->move(lstBrani->x(), kBand);
    lblJPEG->move(kMargin, lblJPEG->y());
    imgCopertina->move(kMargin, imgCopertina->y());
    cmdSelAlbum->move(cmdSelAlbum->x(), kBand);
}

} // namespace vastrel::ui
