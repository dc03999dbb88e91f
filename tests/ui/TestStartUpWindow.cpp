// The round start-up window: its place and shape, what its load handler gives the main
// window, and how it moves and hides.

#include "ui/frmVL.h"
#include "platform/Beeper.h"
#include "startup/ModVL.h"
#include "ui/frmStartUp.h"
#include "support/AsOtherUser.h"
#include "support/Collection.h"
#include "support/PictureFiles.h"
#include "support/RecordingOpener.h"
#include "support/ScriptedDialogs.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPointer>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <sys/stat.h>

using vastrel::ui::frmVL;
using vastrel::platform::Beeper;
using vastrel::browser::ModuleState;
using vastrel::ui::frmStartUp;

using namespace PictureFiles;

namespace {

const QString kCaption = "Vastrel - by Korvi";

QImage designPicture()
{
    return QImage(":/startup-disc.png").convertToFormat(QImage::Format_RGB32);
}

bool near(const QColor& a, const QColor& b)
{
    return qAbs(a.red() - b.red()) < 24 && qAbs(a.green() - b.green()) < 24 &&
           qAbs(a.blue() - b.blue()) < 24;
}

// The main window (hidden, as while the start-up window shows) and the start-up window
// loaded over a collection.
struct StartUp
{
    explicit StartUp(const Collection& c, QSize screen = QSize(1024, 768),
                     const QString& notes = "prima")
        : state(ModuleState::initial(c.root(), screen)), main(state, dialogs, opener)
    {
        state.introNotes = notes;
        window = std::make_unique<frmStartUp>(state, main);
    }

    void show()
    {
        window->move(frmStartUp::centredOn(state.screen));
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }

    QLabel* imgBuco() { return window->findChild<QLabel*>("imgBuco"); }

    ScriptedDialogs dialogs;
    RecordingOpener opener;
    ModuleState state;
    frmVL main;
    std::unique_ptr<frmStartUp> window;
};

void mouse(QWidget* target, QEvent::Type type, QPoint global, Qt::MouseButton button,
           Qt::MouseButtons held)
{
    QMouseEvent event(type, QPointF(target->mapFromGlobal(global)), QPointF(global), button, held,
                      Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

void key(QWidget* target, QEvent::Type type, int k, bool autoRepeat = false)
{
    QKeyEvent event(type, k, Qt::NoModifier, QString(), autoRepeat);
    QApplication::sendEvent(target, &event);
}

} // namespace

class TestStartUpWindow : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(m_temp.isValid());
        qputenv("TMPDIR", QFile::encodeName(m_temp.path()));
    }

    void init()
    {
        Beeper::resetCount();
        qputenv("TMPDIR", QFile::encodeName(m_temp.path()));
    }

    void centred_data()
    {
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<QPoint>("topLeft");
        QTest::newRow("1024 x 768") << QSize(1024, 768) << QPoint(272, 144);
        QTest::newRow("800 x 600") << QSize(800, 600) << QPoint(160, 60);
        QTest::newRow("1366 x 768") << QSize(1366, 768) << QPoint(443, 144);
        QTest::newRow("odd, half down to even") << QSize(481, 481) << QPoint(0, 0);
        QTest::newRow("odd, half up to even") << QSize(483, 485) << QPoint(2, 2);
        QTest::newRow("smaller than the window") << QSize(320, 240) << QPoint(-80, -120);
    }

    void centred()
    {
        QFETCH(QSize, screen);
        QFETCH(QPoint, topLeft);
        QCOMPARE(frmStartUp::centredOn(screen), topLeft);
    }

    void aFramelessDiscOnTop()
    {
        Collection c;
        StartUp s(c);
        s.show();
        QCOMPARE(s.window->frameGeometry(), QRect(272, 144, 480, 480));
        QCOMPARE(s.window->minimumSize(), QSize(480, 480));
        QCOMPARE(s.window->maximumSize(), QSize(480, 480));
        QVERIFY(s.window->windowFlags().testFlag(Qt::FramelessWindowHint));
        QVERIFY(s.window->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        QVERIFY(s.window->isModal());
        QCOMPARE(s.imgBuco()->geometry(), QRect(164, 164, 151, 151));
        QVERIFY(!s.imgBuco()->pixmap().isNull());
        bool outline = false;
        for (const QWidget* child : s.window->findChildren<QWidget*>())
            outline = outline || child->geometry() == QRect(-3, -3, 484, 484);
        QVERIFY(outline);
        QCOMPARE(s.window->moveStep(), 1);
    }

    // The disc of 480 with a hole of 60 in its centre.
    void shape_data()
    {
        QTest::addColumn<QPoint>("point");
        QTest::addColumn<bool>("inside");
        QTest::newRow("top of the disc") << QPoint(240, 3) << true;
        QTest::newRow("left of the disc") << QPoint(3, 240) << true;
        QTest::newRow("inside the disc") << QPoint(100, 100) << true;
        QTest::newRow("just outside the hole") << QPoint(240, 205) << true;
        QTest::newRow("centre") << QPoint(240, 240) << false;
        QTest::newRow("in the hole") << QPoint(240, 215) << false;
        QTest::newRow("in the hole, diagonal") << QPoint(258, 258) << false;
        QTest::newRow("top-left corner") << QPoint(2, 2) << false;
        QTest::newRow("near the corner") << QPoint(65, 65) << false;
        QTest::newRow("bottom-right corner") << QPoint(477, 477) << false;
        QTest::newRow("outside the window") << QPoint(500, 240) << false;
    }

    void shape()
    {
        QFETCH(QPoint, point);
        QFETCH(bool, inside);
        Collection c;
        StartUp s(c);
        QCOMPARE(s.window->mask().contains(point), inside);
    }

    // The collection picture: the first .jpg of [Varie], else .gif, else .bmp, whatever the
    // names. It names the main window and becomes its empty picture.
    void collectionPicture_data()
    {
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QByteArrayList>("contents");
        QTest::addColumn<QString>("prefix");
        QTest::addColumn<QColor>("picture"); // none: the design-time picture

        const QByteArray red = PictureFiles::solid(QSize(480, 480), kRed);
        const QByteArray green = PictureFiles::solid(QSize(480, 480), kGreen);
        const QByteArray blue = PictureFiles::solid(QSize(480, 480), kBlue);
        const QByteArray yellow = PictureFiles::solid(QSize(480, 480), kYellow, "BMP");
        const QByteArray gif = PictureFiles::animatedGif(QSize(480, 480), 2); // red first
        QTest::newRow("one picture")
            << QStringList{"Vastrel.jpg"} << QByteArrayList{red} << "Vastrel: " << kRed;
        QTest::newRow(".jpg before .gif whatever the names")
            << QStringList{"a.gif", "z.jpg"} << QByteArrayList{gif, green} << "z: " << kGreen;
        QTest::newRow(".gif before .bmp")
            << QStringList{"a.bmp", "b.gif"} << QByteArrayList{yellow, gif}
            << "b: " << QColor(Qt::red);
        QTest::newRow(".bmp alone")
            << QStringList{"foto.bmp"} << QByteArrayList{yellow} << "foto: " << kYellow;
        QTest::newRow("first in listing order")
            << QStringList{"b.jpg", "A.jpg"} << QByteArrayList{green, blue} << "A: " << kBlue;
        QTest::newRow("five characters")
            << QStringList{"x.jpg"} << QByteArrayList{red} << "x: " << kRed;
        QTest::newRow("a 4-character name does not count")
            << QStringList{".jpg", "b.gif"} << QByteArrayList{green, gif}
            << "b: " << QColor(Qt::red);
        QTest::newRow("upper-case extension")
            << QStringList{"FOTO.JPG"} << QByteArrayList{green} << "FOTO: " << kGreen;
        QTest::newRow("no picture")
            << QStringList{"Note.txt"} << QByteArrayList{"note"} << "" << QColor();
        QTest::newRow("a picture that does not decode")
            << QStringList{"Vastrel.jpg"} << QByteArrayList{"non una foto"}
            << "Vastrel: " << QColor();
        QTest::newRow("a truncated picture")
            << QStringList{"Vastrel.jpg"} << QByteArrayList{red.left(red.size() - 40)}
            << "Vastrel: " << QColor();
        QTest::newRow("a PNG named .jpg")
            << QStringList{"Vastrel.jpg"}
            << QByteArrayList{PictureFiles::solid(QSize(8, 8), kRed, "PNG")}
            << "Vastrel: " << QColor();
    }

    void collectionPicture()
    {
        QFETCH(QStringList, names);
        QFETCH(QByteArrayList, contents);
        QFETCH(QString, prefix);
        QFETCH(QColor, picture);
        Collection c;
        c.folder("[Varie]");
        for (int i = 0; i < names.size(); ++i)
            c.file("[Varie]/" + names[i], contents[i]);
        StartUp s(c);
        QCOMPARE(s.main.windowTitle(), prefix + kCaption);
        const QImage empty =
            s.main.controls().imgVuoto.toImage().convertToFormat(QImage::Format_RGB32);
        if (!picture.isValid()) {
            QCOMPARE(empty, designPicture());
            return;
        }
        QCOMPARE(empty.size(), QSize(480, 480));
        QVERIFY(near(empty.pixelColor(240, 100), picture));
        // The window shows it.
        s.show();
        QVERIFY(near(s.window->grab().toImage().pixelColor(240, 100), picture));
    }

    void aMissingOrFalseVarieLeavesTheDesign_data()
    {
        QTest::addColumn<bool>("isFile");
        QTest::newRow("no [Varie]") << false;
        QTest::newRow("[Varie] is a file") << true;
    }

    void aMissingOrFalseVarieLeavesTheDesign()
    {
        QFETCH(bool, isFile);
        Collection c;
        if (isFile)
            c.file("[Varie]", "non una cartella");
        StartUp s(c);
        QCOMPARE(s.main.windowTitle(), kCaption);
        QCOMPARE(s.main.controls().imgVuoto.toImage().convertToFormat(QImage::Format_RGB32),
                 designPicture());
        QCOMPARE(s.state.introNotes, QString("prima"));
    }

    // A picture is drawn at its own size from the corner; a large one is decoded only there.
    void thePictureIsDrawnFromTheCornerUnscaled()
    {
        Collection c;
        c.file("[Varie]/piccola.jpg", PictureFiles::solid(QSize(300, 300), kRed));
        StartUp s(c);
        s.show();
        QCOMPARE(s.main.controls().imgVuoto.size(), QSize(300, 300));
        const QImage shown = s.window->grab().toImage();
        QVERIFY(near(shown.pixelColor(150, 60), kRed));
        QVERIFY(!near(shown.pixelColor(420, 240), kRed));
        QVERIFY(!near(shown.pixelColor(240, 420), kRed));
    }

    void aHugePictureIsDecodedOnlyInTheCorner()
    {
        Collection c;
        c.file("[Varie]/enorme.jpg", PictureFiles::largeJpeg(QSize(20000, 20000)));
        StartUp s(c);
        QCOMPARE(s.main.windowTitle(), "enorme: " + kCaption);
        QCOMPARE(s.main.controls().imgVuoto.size(), QSize(480, 480));
    }

    // The introductory notes: the first .rtf of [Varie], else .txt, whatever the names.
    void introductoryNotes_data()
    {
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QByteArrayList>("contents");
        QTest::addColumn<QString>("notes");
        QTest::newRow(".rtf before .txt whatever the names")
            << QStringList{"a.txt", "z.rtf"} << QByteArrayList{"testo\r\n", "{\\rtf1 ciao}"}
            << "{\\rtf1 ciao}";
        QTest::newRow(".txt") << QStringList{"Note.txt"} << QByteArrayList{"note\r\n"}
                              << "note\r\n";
        QTest::newRow("first .txt in listing order")
            << QStringList{"b.txt", "A.txt"} << QByteArrayList{"b", "a"} << "a";
        QTest::newRow("a 4-character name does not count")
            << QStringList{".rtf", "b.txt"} << QByteArrayList{"x", "b"} << "b";
        QTest::newRow("a folder named like notes")
            << QStringList{"x.rtf/dentro.txt", "b.txt"} << QByteArrayList{"x", "b"} << "b";
        QTest::newRow("empty notes") << QStringList{"Note.txt"} << QByteArrayList{""} << "";
        QTest::newRow("no notes") << QStringList{"Vastrel.gif"} << QByteArrayList{"x"} << "prima";
    }

    void introductoryNotes()
    {
        QFETCH(QStringList, names);
        QFETCH(QByteArrayList, contents);
        QFETCH(QString, notes);
        Collection c;
        c.folder("[Varie]");
        for (int i = 0; i < names.size(); ++i)
            c.file("[Varie]/" + names[i], contents[i]);
        StartUp s(c);
        QCOMPARE(s.state.introNotes, notes);
    }

    // Notes that cannot be read leave the notes as they were.
    void unreadableNotes()
    {
        Collection c;
        c.file("[Varie]/Note.txt", "segreto");
        QVERIFY(::chmod(QFile::encodeName(c.path("[Varie]/Note.txt")).constData(), 0) == 0);
        QVERIFY(asOtherUser([&] {
            StartUp s(c);
            return s.state.introNotes == "prima";
        }));
    }

    // Each arrow press moves one pixel further than the one before, up to 64; a release
    // starts again from 1. Any other key only speeds up.
    void arrowsAccelerate()
    {
        Collection c;
        StartUp s(c, QSize(5000, 768));
        s.show();
        frmStartUp* w = s.window.get();
        const QPoint start = w->pos();
        QList<int> steps;
        for (int i = 0; i < 70; ++i) {
            const int x = w->x();
            key(w, QEvent::KeyPress, Qt::Key_Right, i > 0);
            steps.append(w->x() - x);
        }
        QList<int> expected;
        for (int i = 1; i <= 70; ++i)
            expected.append(qMin(i, 64));
        QCOMPARE(steps, expected);
        QCOMPARE(w->moveStep(), 64);
        QCOMPARE(w->y(), start.y());
        key(w, QEvent::KeyRelease, Qt::Key_Right);
        QCOMPARE(w->moveStep(), 1);
        QVERIFY(w->isVisible());
        for (int k : {Qt::Key_A, Qt::Key_Shift, Qt::Key_Space})
            key(w, QEvent::KeyPress, k);
        QCOMPARE(w->moveStep(), 4);
        const QPoint here = w->pos();
        key(w, QEvent::KeyPress, Qt::Key_Down);
        QCOMPARE(w->pos(), here + QPoint(0, 4));
        key(w, QEvent::KeyPress, Qt::Key_Up);
        key(w, QEvent::KeyPress, Qt::Key_Left);
        QCOMPARE(w->pos(), here + QPoint(-6, -1));
    }

    // The edges stay between -400 and the screen size less 80.
    void arrowsStopAtTheLimits_data()
    {
        QTest::addColumn<int>("arrow");
        QTest::addColumn<QPoint>("end");
        QTest::newRow("right") << int(Qt::Key_Right) << QPoint(944, 144);
        QTest::newRow("left") << int(Qt::Key_Left) << QPoint(-400, 144);
        QTest::newRow("down") << int(Qt::Key_Down) << QPoint(272, 688);
        QTest::newRow("up") << int(Qt::Key_Up) << QPoint(272, -400);
    }

    void arrowsStopAtTheLimits()
    {
        QFETCH(int, arrow);
        QFETCH(QPoint, end);
        Collection c;
        StartUp s(c);
        s.show();
        for (int i = 0; i < 100; ++i)
            key(s.window.get(), QEvent::KeyPress, arrow, i > 0);
        QCOMPARE(s.window->pos(), end);
        QVERIFY(s.window->isVisible());
    }

    // Dragging with the right button: limited by the disc, unlimited by the centre picture.
    void rightButtonDrag_data()
    {
        QTest::addColumn<bool>("byCentre");
        QTest::addColumn<QPoint>("to");
        QTest::addColumn<QPoint>("topLeft");
        // Grabbed at (100, 240) of the disc or at (10, 10) of the centre picture, (174, 174)
        // of the window.
        QTest::newRow("disc, on the screen") << false << QPoint(400, 540) << QPoint(300, 300);
        QTest::newRow("disc, far off the top left")
            << false << QPoint(-3000, -3000) << QPoint(-400, -400);
        QTest::newRow("disc, far off the bottom right")
            << false << QPoint(3000, 3000) << QPoint(944, 688);
        QTest::newRow("centre, on the screen") << true << QPoint(474, 474) << QPoint(300, 300);
        QTest::newRow("centre, far off the top left")
            << true << QPoint(-3000, -3000) << QPoint(-3174, -3174);
        QTest::newRow("centre, far off the bottom right")
            << true << QPoint(3000, 3000) << QPoint(2826, 2826);
    }

    void rightButtonDrag()
    {
        QFETCH(bool, byCentre);
        QFETCH(QPoint, to);
        QFETCH(QPoint, topLeft);
        Collection c;
        StartUp s(c);
        s.show();
        QWidget* target = byCentre ? static_cast<QWidget*>(s.imgBuco()) : s.window.get();
        const QPoint grab = target->mapToGlobal(byCentre ? QPoint(10, 10) : QPoint(100, 240));
        mouse(target, QEvent::MouseButtonPress, grab, Qt::RightButton, Qt::RightButton);
        mouse(target, QEvent::MouseMove, to, Qt::NoButton, Qt::RightButton);
        QCOMPARE(s.window->pos(), topLeft);
        mouse(target, QEvent::MouseButtonRelease, to, Qt::RightButton, Qt::NoButton);
        QVERIFY(s.window->isVisible());
    }

    // Only the right button alone drags.
    void otherButtonsDoNotDrag_data()
    {
        QTest::addColumn<int>("held");
        QTest::newRow("left") << int(Qt::LeftButton);
        QTest::newRow("right and left") << int(Qt::RightButton | Qt::LeftButton);
        QTest::newRow("middle") << int(Qt::MiddleButton);
    }

    void otherButtonsDoNotDrag()
    {
        QFETCH(int, held);
        Collection c;
        StartUp s(c);
        s.show();
        frmStartUp* w = s.window.get();
        const QPoint start = w->pos();
        for (QWidget* target : {static_cast<QWidget*>(w), static_cast<QWidget*>(s.imgBuco())}) {
            const QPoint grab = target->mapToGlobal(QPoint(20, 20));
            const auto button =
                Qt::MouseButton(held & Qt::RightButton ? int(Qt::RightButton) : held);
            mouse(target, QEvent::MouseButtonPress, grab, button, Qt::MouseButtons(held));
            mouse(target, QEvent::MouseMove, grab + QPoint(50, 70), Qt::NoButton,
                  Qt::MouseButtons(held));
            QCOMPARE(w->pos(), start);
        }
    }

    // What hides the window and what does not.
    void hiding_data()
    {
        QTest::addColumn<QString>("gesture");
        QTest::addColumn<bool>("hides");
        QTest::newRow("left release on the disc") << "left release, disc" << true;
        QTest::newRow("left release on the centre") << "left release, centre" << true;
        QTest::newRow("right release on the disc") << "right release, disc" << false;
        QTest::newRow("right release on the centre") << "right release, centre" << false;
        QTest::newRow("double-click on the disc") << "double-click, disc" << true;
        QTest::newRow("double-click on the centre") << "double-click, centre" << true;
        QTest::newRow("Escape typed") << "type Escape" << true;
        QTest::newRow("space typed") << "type Space" << true;
        QTest::newRow("Enter typed") << "type Return" << true;
        QTest::newRow("A typed") << "type A" << true;
        QTest::newRow("up typed") << "type Up" << false;
        QTest::newRow("left typed") << "type Left" << false;
        QTest::newRow("Escape pressed, not released") << "press Escape" << false;
        QTest::newRow("Enter pressed, not released") << "press Return" << false;
        QTest::newRow("space held down") << "repeat Space" << false;
    }

    void hiding()
    {
        QFETCH(QString, gesture);
        QFETCH(bool, hides);
        Collection c;
        StartUp s(c);
        s.show();
        frmStartUp* w = s.window.get();
        const QString what = gesture.section(' ', 0, 0);
        const QString on = gesture.section(' ', 1);
        if (gesture.contains(", ")) {
            QWidget* target = gesture.endsWith("centre") ? static_cast<QWidget*>(s.imgBuco()) : w;
            const QPoint at = target->mapToGlobal(QPoint(30, 40));
            const Qt::MouseButton button =
                gesture.startsWith("right") ? Qt::RightButton : Qt::LeftButton;
            if (gesture.startsWith("double-click")) {
                mouse(target, QEvent::MouseButtonDblClick, at, button, button);
            } else {
                mouse(target, QEvent::MouseButtonPress, at, button, button);
                QVERIFY(w->isVisible());
                mouse(target, QEvent::MouseButtonRelease, at, button, Qt::NoButton);
            }
        } else {
            const int k = on == "Escape"   ? Qt::Key_Escape
                          : on == "Space"  ? Qt::Key_Space
                          : on == "Return" ? Qt::Key_Return
                          : on == "Up"     ? Qt::Key_Up
                          : on == "Left"   ? Qt::Key_Left
                                           : Qt::Key_A;
            key(w, QEvent::KeyPress, k);
            if (what == "repeat") {
                key(w, QEvent::KeyRelease, k, true);
                key(w, QEvent::KeyPress, k, true);
            }
            QVERIFY(w->isVisible());
            if (what == "type")
                key(w, QEvent::KeyRelease, k);
        }
        QCOMPARE(w->isVisible(), !hides);
        QCOMPARE(Beeper::count(), 0);
    }

    // A minute without input (shortened here): a beep, and the window hides.
    void theTimerBeepsAndHides()
    {
        Collection c;
        StartUp s(c);
        s.show();
        s.window->setTimeout(20);
        QTRY_VERIFY(!s.window->isVisible());
        QCOMPARE(Beeper::count(), 1);
    }

    // The start-up sequence: loaded, placed centred and on top, shown modally over the
    // hidden main window, unloaded once hidden; the main window comes after it.
    void theStartUpSequence()
    {
        Collection c;
        c.album("[1979] Uno").text("01 - A.txt");
        c.file("[Varie]/Vastrel.jpg", PictureFiles::solid(QSize(480, 480), kBlue));
        c.file("[Varie]/Note.txt", "Benvenuti.\r\n");
        QTemporaryDir temp;
        qputenv("TMPDIR", QFile::encodeName(temp.path()));
        ScriptedDialogs dialogs;
        RecordingOpener opener;
        vastrel::startup::ModVL modVL(dialogs, opener);
        QPointer<QWidget> startUp;
        QRect placed;
        bool mainHidden = false;
        QString caption;
        std::function<void(int)> dismiss = [&](int tries) {
            QTimer::singleShot(10, [&, tries] {
                QWidget* modal = QApplication::activeModalWidget();
                if (!modal || modal->objectName() != "frmStartUp") {
                    if (tries > 0)
                        dismiss(tries - 1);
                    return;
                }
                startUp = modal;
                placed = modal->frameGeometry();
                mainHidden = !modVL.mainWindow()->isVisible();
                caption = modVL.mainWindow()->windowTitle();
                QTest::mouseClick(modal, Qt::LeftButton, {}, QPoint(240, 100));
            });
        };
        dismiss(200);
        QVERIFY(modVL.Main({"/ROOT:" + c.root()}));
        QVERIFY(startUp.isNull()); // unloaded
        const QSize screen = QGuiApplication::primaryScreen()->size();
        QCOMPARE(placed, QRect(frmStartUp::centredOn(screen), QSize(480, 480)));
        QVERIFY(mainHidden);
        QCOMPARE(caption, "Vastrel: " + kCaption);
        QVERIFY(modVL.mainWindow()->isVisible());
        QCOMPARE(modVL.state().introNotes, QString("Benvenuti.\r\n"));
        QVERIFY(
            near(modVL.mainWindow()->controls().imgVuoto.toImage().pixelColor(240, 240), kBlue));
    }

    // "/MAX": the main window comes up maximised, whatever size the options asked for.
    void theMaxOptionMaximisesTheMainWindow()
    {
        Collection c;
        c.album("[1979] Uno").text("01 - A.txt");
        ScriptedDialogs dialogs;
        RecordingOpener opener;
        vastrel::startup::ModVL modVL(dialogs, opener);
        std::function<void(int)> dismiss = [&](int tries) {
            QTimer::singleShot(10, [&, tries] {
                QWidget* modal = QApplication::activeModalWidget();
                if (modal && modal->objectName() == "frmStartUp")
                    QTest::mouseClick(modal, Qt::LeftButton, {}, QPoint(240, 100));
                else if (tries > 0)
                    dismiss(tries - 1);
            });
        };
        dismiss(200);
        QVERIFY(modVL.Main({"/ROOT:" + c.root(), "/L:700", "/A:500", "/max"}));
        frmVL* window = modVL.mainWindow();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QCoreApplication::processEvents();
        QVERIFY(window->isMaximized());
        QCOMPARE(window->frameGeometry(), window->screen()->availableGeometry());
    }

private:
    QTemporaryDir m_temp;
};

QTEST_MAIN(TestStartUpWindow)
#include "TestStartUpWindow.moc"
