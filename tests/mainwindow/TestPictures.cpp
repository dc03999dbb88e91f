// The picture browser of the main window: the picture list, the picture box, its caption
// and what a picture that cannot be shown does.

#include "mainwindow/ImageControl.h"
#include "mainwindow/TextPane.h"
#include "media/PictureLoader.h"
#include "platform/Beeper.h"
#include "support/Collection.h"
#include "support/ListClicks.h"
#include "support/MainWindowFixture.h"
#include "support/PictureFiles.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>

using vastrel::mainwindow::CheckList;
using vastrel::mainwindow::frmVL;
using vastrel::media::PictureLoader;
using vastrel::platform::Beeper;

using namespace PictureFiles;

namespace {

QByteArray jpeg(const QColor& colour)
{
    return PictureFiles::solid(QSize(40, 30), colour);
}

// A JPEG whose picture data ends halfway: its headers are whole, its end marker is missing.
QByteArray truncatedJpeg()
{
    const QByteArray whole = PictureFiles::noise(QSize(64, 64));
    const qsizetype scan = whole.lastIndexOf("\xff\xda");
    return whole.left(scan + (whole.size() - scan) / 2);
}

// The colour at the centre of what the picture box shows.
QColor shownColour(const QLabel* box)
{
    const QImage image = box->pixmap().toImage();
    return image.isNull() ? QColor() : image.pixelColor(image.width() / 2, image.height() / 2);
}

bool near(const QColor& a, const QColor& b)
{
    return a.isValid() && qAbs(a.red() - b.red()) < 24 && qAbs(a.green() - b.green()) < 24 &&
           qAbs(a.blue() - b.blue()) < 24;
}

// Three pictures in the first album, two in the second, in an order that a case-sensitive
// sort would change.
void twoAlbums(Collection& c)
{
    c.album("[1979] Uno").text("01 - A.txt");
    c.picture("b.jpg", jpeg(kGreen)).picture("a.jpg", jpeg(kRed)).picture("C.jpg", jpeg(kBlue));
    c.album("[1983] Due").text("01 - B.txt");
    c.picture("retro.gif", PictureFiles::animatedGif(QSize(8, 8), 2));
    c.picture("fronte.bmp", PictureFiles::solid(QSize(20, 20), kYellow, "BMP"));
}

struct Window : MainWindowFixture
{
    explicit Window(const Collection& c) : MainWindowFixture(c)
    {
        QPixmap empty(30, 20);
        empty.fill(Qt::magenta);
        window().setEmptyPicture(empty);
        window().selectShowFilter(2);
        window().Form_Activate();
        window().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window()));
    }
    CheckList* albums() { return ui().lstAlbum; }
    CheckList* pictures() { return ui().lstJPEG; }
    QLabel* box() { return ui().imgCopertina; }
    QString caption() { return ui().lblJPEG->text(); }
    QString tip() { return box()->toolTip(); }
    bool showsEmptyPicture() { return box()->pixmap().cacheKey() == ui().imgVuoto.cacheKey(); }
    // The picture box as it is with no picture: the empty picture, the tag and the tooltip.
    void verifyEmpty()
    {
        QVERIFY(showsEmptyPicture());
        QCOMPARE(window().pictureTag(), QString("[Vuoto]"));
        QCOMPARE(tip(), " " + window().windowTitle() + " ");
    }
};

} // namespace

class TestPictures : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { Beeper::resetCount(); }

    // What the loader makes of a file: a picture of this size, or nothing (0 x 0).
    void loader_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QSize>("size");

        QTest::newRow("JPEG") << PictureFiles::solid(QSize(40, 30), kRed) << QSize(40, 30);
        QTest::newRow("noisy JPEG") << PictureFiles::noise(QSize(64, 64)) << QSize(64, 64);
        QTest::newRow("BMP") << PictureFiles::solid(QSize(7, 5), kRed, "BMP") << QSize(7, 5);
        QTest::newRow("GIF, many frames")
            << PictureFiles::animatedGif(QSize(16, 12), 400) << QSize(16, 12);
        QTest::newRow("10000 x 10000 JPEG, scaled while read")
            << PictureFiles::largeJpeg(QSize(10000, 10000)) << QSize(2048, 2048);
        QTest::newRow("wide JPEG keeps its shape")
            << PictureFiles::largeJpeg(QSize(12000, 3000)) << QSize(2048, 512);
        // Its screen is 1 x 12033, its one frame 1 x 1.
        QTest::newRow("GIF whose screen is larger than its frame")
            << QByteArray::fromHex("474946383961010001"
                                   "2f800000ff000000000021f90401000000002c000000000100010000020244"
                                   "01003b")
            << QSize(1, 2048);
        QTest::newRow("PNG") << PictureFiles::solid(QSize(8, 8), kRed, "PNG") << QSize();
        QTest::newRow("text") << QByteArray("non sono una foto\r\n") << QSize();
        QTest::newRow("empty") << QByteArray() << QSize();
        QTest::newRow("truncated JPEG") << truncatedJpeg() << QSize();
        QTest::newRow("JPEG cut inside its header")
            << PictureFiles::solid(QSize(64, 64), kRed).left(40) << QSize();
        QTest::newRow("BMP without pixels")
            << PictureFiles::bmpHeaderOnly(QSize(64, 64)) << QSize();
    }

    void loader()
    {
        QFETCH(QByteArray, content);
        QFETCH(QSize, size);
        Collection c;
        c.file("foto.jpg", content);
        const QImage image = PictureLoader::load(c.path("foto.jpg"));
        QCOMPARE(image.size(), size.isValid() ? size : QSize(0, 0));
    }

    void loaderTakesTheFirstFrameOfAGif()
    {
        Collection c;
        c.file("a.gif", PictureFiles::animatedGif(QSize(6, 6), 50));
        const QImage image = PictureLoader::load(c.path("a.gif"));
        QCOMPARE(image.pixelColor(3, 3), QColor(Qt::red));
    }

    void loaderRefusesWhatIsNoFile()
    {
        Collection c;
        c.folder("cartella.jpg");
        QVERIFY(PictureLoader::load(c.path("cartella.jpg")).isNull());
        QVERIFY(PictureLoader::load(c.path("manca.jpg")).isNull());
    }

    void oneAlbumOpensOnItsFirstPicture()
    {
        Collection c;
        twoAlbums(c);
        Window w(c);
        clickCheckBox(w.albums(), 0); // [1979] Uno
        QCOMPARE(w.pictures()->rows()->count(), 3);
        QCOMPARE(w.pictures()->listIndex(), 0);
        QCOMPARE(w.caption(), QString("&Immagine N.1 (su 3)"));
        QVERIFY(near(shownColour(w.box()), kRed));
        QCOMPARE(w.window().pictureTag(), c.root() + "[1979] Uno/Immagini/a.jpg");
        QCOMPARE(w.tip(), QString(" [1979]  a "));
        QVERIFY(w.ui().lblJPEG->isVisible());
        QCOMPARE(Beeper::count(), 0);
    }

    void twoAlbumsListFiveRowsAndSelectNone()
    {
        Collection c;
        twoAlbums(c);
        Window w(c);
        QTest::mouseClick(w.ui().cmdSelAlbum, Qt::LeftButton);
        QCOMPARE(w.rows(w.pictures()).size(), 5);
        QStringList paths;
        for (const auto& row : w.pictures()->rows()->rows())
            paths.append(row.path());
        QCOMPARE(paths, QStringList({"[1979] Uno/Immagini/a.jpg", "[1979] Uno/Immagini/b.jpg",
                                     "[1979] Uno/Immagini/C.jpg", "[1983] Due/Immagini/fronte.bmp",
                                     "[1983] Due/Immagini/retro.gif"}));
        QCOMPARE(w.pictures()->listIndex(), -1);
        QVERIFY(w.pictures()->selectionModel()->selectedIndexes().isEmpty());
        QCOMPARE(w.caption(), QString("&Immagini Disponibili: 5"));
        w.verifyEmpty();
    }

    // A click on a row shows that picture: BMP and GIF as well as JPEG.
    void clickingARowShowsItsPicture_data()
    {
        QTest::addColumn<int>("row");
        QTest::addColumn<QColor>("colour");
        QTest::addColumn<QString>("tip");
        QTest::newRow("JPEG") << 2 << kBlue << " [1979]  C ";
        QTest::newRow("BMP") << 3 << kYellow << " [1983]  fronte ";
        QTest::newRow("GIF") << 4 << QColor(Qt::red) << " [1983]  retro ";
    }

    void clickingARowShowsItsPicture()
    {
        QFETCH(int, row);
        QFETCH(QColor, colour);
        QFETCH(QString, tip);
        Collection c;
        twoAlbums(c);
        Window w(c);
        QTest::mouseClick(w.ui().cmdSelAlbum, Qt::LeftButton);
        clickRowText(w.pictures(), row);
        QCOMPARE(w.pictures()->listIndex(), row);
        QCOMPARE(w.caption(), QString("&Immagine N.%1 (su 5)").arg(row + 1));
        QVERIFY(near(shownColour(w.box()), colour));
        QCOMPARE(w.tip(), tip);
        QCOMPARE(w.window().mousePointer(), int(frmVL::Default));
        // The picture is stretched to the box.
        QCOMPARE(w.box()->size(), QSize(w.box()->width(), w.box()->width()));
        QVERIFY(w.ui().imgCopertina->hasScaledContents());
    }

    // The file on show is spoilt on disk: a rebuild that loaded it again would fail.
    void thePictureOnShowStaysAcrossARebuildAndIsNotReloaded()
    {
        Collection c;
        twoAlbums(c);
        Window w(c);
        clickCheckBox(w.albums(), 0);
        clickRowText(w.pictures(), 1); // b.jpg
        QVERIFY(near(shownColour(w.box()), kGreen));
        const qint64 shown = w.box()->pixmap().cacheKey();
        c.album("[1979] Uno").picture("b.jpg", "rovinata");

        clickCheckBox(w.albums(), 1, Qt::ControlModifier);
        QCOMPARE(w.pictures()->rows()->count(), 5);
        QCOMPARE(w.pictures()->listIndex(), 1);
        QCOMPARE(w.caption(), QString("&Immagine N.2 (su 5)"));
        QCOMPARE(w.box()->pixmap().cacheKey(), shown);
        QCOMPARE(Beeper::count(), 0);
        QCOMPARE(w.window().pictureTag(), c.root() + "[1979] Uno/Immagini/b.jpg");
    }

    void emptyStates_data()
    {
        QTest::addColumn<QString>("checked");
        QTest::addColumn<QString>("caption");
        QTest::newRow("no Immagini") << "[1990] Senza"
                                     << "Nessuna Immagine Disponibile";
        QTest::newRow("Immagini is a file") << "[1991] File"
                                            << "Nessuna Immagine Disponibile";
        QTest::newRow("Immagini is empty") << "[1992] Vuota"
                                           << "Nessuna Immagine Disponibile";
        QTest::newRow("no album") << ""
                                  << "";
    }

    // Each case follows a picture on show, which gives way to the empty picture.
    void emptyStates()
    {
        QFETCH(QString, checked);
        QFETCH(QString, caption);
        Collection c;
        twoAlbums(c);
        c.album("[1990] Senza").text("a.txt");
        c.album("[1991] File").text("a.txt").file("[1991] File/Immagini", "x");
        c.album("[1992] Vuota").text("a.txt").folder("[1992] Vuota/Immagini");
        Window w(c);
        clickCheckBox(w.albums(), 0);
        QVERIFY(near(shownColour(w.box()), kRed));
        const int row = w.rows(w.albums()).indexOf(checked.isEmpty() ? "[1979] Uno" : checked);
        clickCheckBox(w.albums(), row, checked.isEmpty() ? Qt::ControlModifier : Qt::NoModifier);
        QCOMPARE(w.checked(w.albums()), checked.isEmpty() ? QStringList() : QStringList(checked));
        QCOMPARE(w.pictures()->rows()->count(), 0);
        QCOMPARE(w.caption(), caption);
        w.verifyEmpty();
        QCOMPARE(Beeper::count(), 0);
    }

    void theEmptyTooltipFollowsTheWindowCaption()
    {
        Collection c;
        twoAlbums(c);
        Window w(c);
        w.window().setWindowTitle("Vastrel: Vastrel - by Korvi");
        QTest::mouseClick(w.ui().cmdSelAlbum, Qt::LeftButton);
        QCOMPARE(w.tip(), QString(" Vastrel: Vastrel - by Korvi "));
    }

    // A single album whose first picture cannot be shown, after a picture of another album.
    void aPictureThatCannotBeShown_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("text file") << QByteArray("solo testo\r\n");
        QTest::newRow("truncated JPEG") << truncatedJpeg();
        QTest::newRow("0-byte") << QByteArray();
        QTest::newRow("PNG") << PictureFiles::solid(QSize(8, 8), kRed, "PNG");
        QTest::newRow("BMP without pixels") << PictureFiles::bmpHeaderOnly(QSize(64, 64));
    }

    void aPictureThatCannotBeShown()
    {
        QFETCH(QByteArray, content);
        Collection c;
        twoAlbums(c);
        c.album("[1995] Rotta").text("a.txt").picture("a.jpg", content);
        c.picture("b.bmp", content).picture("c.jpg", jpeg(kGreen));
        Window w(c);
        clickCheckBox(w.albums(), 0);
        QVERIFY(near(shownColour(w.box()), kRed));

        clickCheckBox(w.albums(), 2); // [1995] Rotta: its first picture is current
        QCOMPARE(Beeper::count(), 1);
        QCOMPARE(w.pictures()->listIndex(), -1);
        QCOMPARE(w.caption(), QString("&Immagini Disponibili: 3"));
        w.verifyEmpty();
        QCOMPARE(w.window().mousePointer(), int(frmVL::Default));

        clickRowText(w.pictures(), 2);
        QVERIFY(near(shownColour(w.box()), kGreen));
        clickRowText(w.pictures(), 1);
        QCOMPARE(Beeper::count(), 2);
        QCOMPARE(w.pictures()->listIndex(), -1);
        w.verifyEmpty();
    }

    void aLargePictureIsShownFromAScaledDecode()
    {
        Collection c;
        c.album("[2000] Grande")
            .text("a.txt")
            .picture("enorme.jpg", PictureFiles::largeJpeg(QSize(10000, 10000)));
        Window w(c);
        clickCheckBox(w.albums(), 0);
        QCOMPARE(Beeper::count(), 0);
        QCOMPARE(w.caption(), QString("&Immagine N.1 (su 1)"));
        QCOMPARE(w.box()->pixmap().size(), QSize(PictureLoader::kMaxSide, PictureLoader::kMaxSide));
    }

    // Pane mode 1 (texts only) and half mode: a row that becomes current changes the caption
    // and loads nothing; the picture is loaded when the box is on show again.
    void nothingIsLoadedWhileThePictureBoxIsHidden_data()
    {
        QTest::addColumn<bool>("half");
        QTest::newRow("pane mode 1") << false;
        QTest::newRow("half mode") << true;
    }

    void nothingIsLoadedWhileThePictureBoxIsHidden()
    {
        QFETCH(bool, half);
        Collection c;
        twoAlbums(c);
        Window w(c);
        clickCheckBox(w.albums(), 0);
        const QString redTag = w.window().pictureTag();
        const qint64 red = w.box()->pixmap().cacheKey();
        if (half)
            QTest::mouseClick(w.ui().imgEC[0], Qt::LeftButton);
        else
            QTest::mouseClick(w.ui().cmdCopertina, Qt::LeftButton);
        QCOMPARE(w.state.paneMode, half ? 0 : 1);
        QVERIFY(!w.box()->isVisible());

        clickCheckBox(w.albums(), 1); // [1983] Due: fronte.bmp becomes current
        QCOMPARE(w.pictures()->listIndex(), 0);
        QCOMPARE(w.caption(), QString("&Immagine N.1 (su 2)"));
        QCOMPARE(w.box()->pixmap().cacheKey(), red);
        QCOMPARE(w.window().pictureTag(), redTag);

        if (half) {
            // Doubling the window shows the current picture before the lower half appears.
            QTest::mouseClick(w.ui().imgEC[1], Qt::LeftButton);
        } else {
            // The pane button does not load it; Enter in the picture list does.
            QTest::mouseClick(w.ui().cmdCopertina, Qt::LeftButton);
            QCOMPARE(w.state.paneMode, 2);
            QCOMPARE(w.box()->pixmap().cacheKey(), red);
            w.pictures()->setFocus();
            QTest::keyClick(w.pictures(), Qt::Key_Return);
        }
        QVERIFY(w.box()->isVisible());
        QVERIFY(near(shownColour(w.box()), kYellow));
        QCOMPARE(w.window().pictureTag(), c.root() + "[1983] Due/Immagini/fronte.bmp");
        QCOMPARE(w.caption(), QString("&Immagine N.1 (su 2)"));
    }

    void keysOfThePictureList()
    {
        Collection c;
        twoAlbums(c);
        Window w(c);
        clickCheckBox(w.albums(), 0);
        w.pictures()->setFocus();
        QTest::keyClick(w.pictures(), Qt::Key_Down);
        QCOMPARE(w.caption(), QString("&Immagine N.2 (su 3)"));
        QVERIFY(near(shownColour(w.box()), kGreen));
        QTest::keyClick(w.pictures(), Qt::Key_End);
        QCOMPARE(w.caption(), QString("&Immagine N.3 (su 3)"));
        QVERIFY(near(shownColour(w.box()), kBlue));
        // Enter shows the picture and does not play.
        QTest::keyClick(w.pictures(), Qt::Key_Enter);
        QVERIFY(w.opener.opened.isEmpty());
        QCOMPARE(Beeper::count(), 0);
    }

    // While the picture list has the focus, Enter is not the play button's.
    void thePictureListWithdrawsTheDefaultButton()
    {
        Collection c;
        twoAlbums(c);
        c.album("[1979] Uno").track("01 - A.mp3");
        Window w(c);
        clickCheckBox(w.albums(), 0);
        clickCheckBox(w.ui().lstBrani, 0);
        QVERIFY(w.ui().cmdSuona->isEnabled());
        QVERIFY(w.ui().cmdSuona->isDefault());

        w.pictures()->setFocus();
        QVERIFY(w.pictures()->hasFocus());
        QVERIFY(!w.ui().cmdSuona->isDefault());
        QTest::keyClick(w.pictures(), Qt::Key_Return);
        QVERIFY(w.opener.opened.isEmpty());

        w.albums()->setFocus();
        QVERIFY(w.ui().cmdSuona->isDefault());
        QTest::keyClick(w.albums(), Qt::Key_Return);
        QCOMPARE(w.opener.opened.size(), 1);
    }

    // The pane button: 0, 1, 2, 3, 0; the focus goes to the picture list in pane mode 3
    // and to the text pane otherwise.
    void thePaneButtonCyclesThePaneModes()
    {
        Collection c;
        twoAlbums(c);
        Window w(c);
        clickCheckBox(w.albums(), 0);
        QWidget* pane = w.ui().txtBrani;
        for (int expected : {1, 2, 3, 0, 1}) {
            w.albums()->setFocus();
            QTest::mouseClick(w.ui().cmdCopertina, Qt::LeftButton);
            QCOMPARE(w.state.paneMode, expected);
            QCOMPARE(w.window().mousePointer(), int(frmVL::Default));
            QCOMPARE(w.box()->isVisible(), expected != 1);
            QCOMPARE(w.pictures()->isVisible(), expected != 1);
            QCOMPARE(pane->isVisible(), expected != 3);
            QWidget* focus = QApplication::focusWidget();
            if (expected == 3)
                QCOMPARE(focus, static_cast<QWidget*>(w.pictures()));
            else
                QVERIFY2(focus && (focus == pane || pane->isAncestorOf(focus)), "text pane");
        }
    }
};

QTEST_MAIN(TestPictures)
#include "TestPictures.moc"
