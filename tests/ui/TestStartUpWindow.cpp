// The round start-up window: its place and shape, what its load handler gives the main
// window, and how it moves and hides.

#include "browser/BrowsingSession.h"
#include "platform/Beeper.h"
#include "startup/ModVL.h"
#include "support/AsOtherUser.h"
#include "support/Collection.h"
#include "support/PictureFiles.h"
#include "support/RecordingOpener.h"
#include "support/ScriptedDialogs.h"
#include "ui/ImageControl.h"
#include "ui/StartUpProgress.h"
#include "ui/frmInfo.h"
#include "ui/frmStartUp.h"
#include "ui/frmVL.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <sys/stat.h>

using vastrel::browser::ModuleState;
using vastrel::platform::Beeper;
using vastrel::ui::frmStartUp;
using vastrel::ui::frmVL;
using vastrel::ui::StartUpProgress;

using namespace PictureFiles;

namespace {

const QString kCaption = "Vastrel - by Korvi";

bool near(const QColor& a, const QColor& b)
{
    return qAbs(a.red() - b.red()) < 24 && qAbs(a.green() - b.green()) < 24 &&
           qAbs(a.blue() - b.blue()) < 24;
}

// The main window (hidden, as while the start-up window shows) and the start-up window
// loaded over a collection.
struct StartUp
{
    explicit StartUp(const Collection& c, QSize screen = QSize(1024, 768))
        : session(ModuleState::initial(c.root(), screen), opener), main(session, dialogs)
    {
        window = std::make_unique<frmStartUp>(screen, QImage());
    }

    void show()
    {
        window->move(frmStartUp::centredOn(session.state().screen));
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }

    QLabel* imgBuco() { return window->findChild<QLabel*>("imgBuco"); }

    ScriptedDialogs dialogs;
    RecordingOpener opener;
    vastrel::browser::BrowsingSession session;
    frmVL main;
    std::unique_ptr<frmStartUp> window;
};

// The start-up's progress window as it first shows: its text and where it stands.
class ShownProgress : public QObject
{
public:
    ShownProgress() { qApp->installEventFilter(this); }
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show && text.isEmpty() &&
            watched->objectName() == "StartUpProgress") {
            const auto* window = static_cast<QWidget*>(watched);
            text = window->findChild<QLabel*>("lblLettura")->text();
            centre = window->frameGeometry().center();
        }
        return false;
    }

    QString text;
    QPoint centre;
};

bool progressOpen()
{
    const QWidgetList windows = QApplication::topLevelWidgets();
    return std::any_of(windows.cbegin(), windows.cend(), [](const QWidget* w) {
        return w->objectName() == "StartUpProgress" && w->isVisible();
    });
}

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

    // The disc with its hole: painted and taking the mouse there; transparent, with the
    // mouse passing through, in the corners and the hole. Also run on a dense screen.
    void shape_data()
    {
        QTest::addColumn<QPoint>("point");
        QTest::addColumn<bool>("disc");
        QTest::newRow("top-left corner") << QPoint(12, 12) << false;
        QTest::newRow("bottom-right corner") << QPoint(467, 467) << false;
        QTest::newRow("centre of the hole") << QPoint(240, 240) << false;
        QTest::newRow("inside the hole's edge") << QPoint(240, 212) << false;
        QTest::newRow("label around the hole") << QPoint(240, 206) << true;
        QTest::newRow("disc") << QPoint(240, 60) << true;
        QTest::newRow("rim") << QPoint(240, 3) << true;
    }

    void shape()
    {
        QFETCH(QPoint, point);
        QFETCH(bool, disc);
        Collection c;
        StartUp s(c);
        s.show();
        const QImage seen = s.window->grab().toImage();
        QCOMPARE(qAlpha(seen.pixel(point * seen.devicePixelRatio())), disc ? 255 : 0);
        QCOMPARE(s.window->windowHandle()->mask().contains(point), disc);
    }

    // Every picture of the windows has as many device pixels as it covers, so none is blown
    // up on a dense screen (the test runs with QT_SCALE_FACTOR=2 too).
    void picturesHaveTheScreensDensity()
    {
        Collection c;
        StartUp s(c);
        s.show();
        const qreal density = s.window->devicePixelRatio();
        vastrel::ui::frmInfo about(s.dialogs, s.main.windowIcon());
        const auto& ui = s.main.controls();
        QList<QPixmap> pictures{s.imgBuco()->pixmap(),
                                ui.imgEC[0]->pixmap(),
                                ui.imgEC[1]->pixmap(),
                                ui.imgInfo->pixmap(),
                                about.findChild<QLabel*>("imgKorvi")->pixmap(),
                                about.findChild<QLabel*>("imgIcona")->pixmap()};
        for (const QPushButton* b : s.main.findChildren<QPushButton*>()) {
            if (!b->icon().isNull())
                pictures.append(b->icon().pixmap(b->iconSize(), density));
        }
        for (const QPixmap& picture : pictures)
            QCOMPARE(picture.devicePixelRatio(), density);
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
    // hidden main window, unloaded once hidden; the main window comes after it. A start-up
    // that reads for longer than its delay shows how far it is, centred, in a window closed
    // before the start-up window appears; on a local disk nothing shows.
    void theStartUpSequence_data()
    {
        QTest::addColumn<int>("progressDelay");
        QTest::addColumn<QString>("progress");
        QTest::newRow("on a local disk") << 1000 << QString();
        QTest::newRow("a slow start-up") << 0 << "Lettura della raccolta: 0 di 2 cartelle";
    }

    void theStartUpSequence()
    {
        QFETCH(int, progressDelay);
        QFETCH(QString, progress);
        QCOMPARE(StartUpProgress::caption(1234, 3000),
                 "Lettura della raccolta: 1.234 di 3.000 cartelle");
        Collection c;
        c.album("[1979] Uno").text("01 - A.txt");
        c.file("[Varie]/Vastrel.jpg", PictureFiles::solid(QSize(960, 480), kBlue));
        c.file("[Varie]/Note.txt", "Benvenuti.\r\n");
        QTemporaryDir temp;
        qputenv("TMPDIR", QFile::encodeName(temp.path()));
        ScriptedDialogs dialogs;
        RecordingOpener opener;
        vastrel::startup::ModVL modVL(dialogs, opener);
        modVL.setProgressDelay(std::chrono::milliseconds(progressDelay));
        const ShownProgress shown;
        QPointer<QWidget> startUp;
        QRect placed;
        bool mainHidden = false;
        bool stillOpen = true;
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
                stillOpen = progressOpen();
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
        QCOMPARE(shown.text, progress);
        if (!progress.isEmpty())
            QVERIFY((shown.centre - QPoint(screen.width(), screen.height()) / 2).manhattanLength() <
                    3);
        QVERIFY(!stillOpen);
        QCOMPARE(placed, QRect(frmStartUp::centredOn(screen), QSize(480, 480)));
        QVERIFY(mainHidden);
        QCOMPARE(caption, "Vastrel: " + kCaption);
        QVERIFY(modVL.mainWindow()->isVisible());
        QCOMPARE(modVL.state().introNotes, QString("Benvenuti.\r\n"));
        QVERIFY(
            near(modVL.mainWindow()->controls().imgVuoto.toImage().pixelColor(240, 240), kBlue));
        // The empty picture is the whole collection picture, not the corner the disc shows.
        QCOMPARE(modVL.mainWindow()->controls().imgCopertina->pixmap().size(), QSize(960, 480));
    }

private:
    QTemporaryDir m_temp;
};

QTEST_MAIN(TestStartUpWindow)
#include "TestStartUpWindow.moc"
