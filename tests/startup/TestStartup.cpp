#include "platform/DirectoryCache.h"
#include "startup/CollectionPicture.h"
#include "support/Collection.h"
#include "support/PictureFiles.h"
#include "support/RunningProgram.h"
#include "ui/CheckList.h"
#include "ui/TextPane.h"
#include "ui/frmInfo.h"
#include "ui/frmVL.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QProcess>
#include <QPushButton>
#include <QTest>

// The start-up sequence as a user meets it: the options applied to the windows, the help,
// and which collection is opened.
class TestStartup : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void optionsAreAppliedToTheWindows()
    {
        Collection c;
        c.album("[1979] Uno")
            .text("01 - A.txt")
            .marker("01 - A.VL", "[1983] Due\\Brani\\01 - B.mp3");
        c.album("[1983] Due").text("01 - B.txt").track("01 - B.mp3");
        RunningProgram p({"/ROOT:" + c.root(), "/L:700", "/A:400", "/X:10", "/Y:20", "/AZ",
                          "/DUPLICATI", "/TESTI", "/ZOOM:150"});
        QVERIFY(p.started() && p.window().isVisible() && p.startUpClicks() == 1);
        QCOMPARE(p.module().state().collectionRoot, c.root());
        QCOMPARE(p.window().frameGeometry(), QRect(10, 20, 700, 400));
        const auto& ui = p.window().controls();
        QCOMPARE(ui.cboMostra->currentIndex(), 0);
        QVERIFY(ui.chkOrdinaAZ->isChecked());
        QCOMPARE(ui.lstAlbum->rows()->count(), 1);
        QCOMPARE(p.module().state().paneMode, vastrel::browser::PaneMode::TextsOnly);
        QCOMPARE(ui.txtBrani->pointSize(), 9 * 1.5);
    }

    // The About window, a tool window, sits centred on the screen with its frame; then the
    // program ends without ever showing the main window.
    void helpShowsTheAboutWindowAndEnds_data()
    {
        QTest::addColumn<QString>("option");
        QTest::newRow("/h") << "/h";
        QTest::newRow("/HELP") << "/HELP";
        QTest::newRow("/?") << "/?";
    }

    void helpShowsTheAboutWindowAndEnds()
    {
        QFETCH(QString, option);
        RunningProgram p({option});
        QVERIFY(!p.started());
        QCOMPARE(p.aboutShowings(), 1);
        const QWidget* about = p.module().aboutWindow();
        QVERIFY(!about->isVisible());
        QCOMPARE(about->windowType(), Qt::Tool);
        const QSize screen = p.module().state().screen;
        const QRect frame = p.aboutFrame();
        QVERIFY2(frame.size() != about->size(), "no frame");
        // The offscreen screen is narrower than the window, and that platform moves a window
        // whose left edge is off the screen; the height tells.
        QCOMPARE(frame.top(), (screen.height() - frame.height()) / 2);
        QVERIFY(!p.window().testAttribute(Qt::WA_WState_ExplicitShowHide));
    }

    // The collection's picture in [Varie]: "caption, corner size, whole size" (0 x 0: none).
    void theCollectionPicture_data()
    {
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QString>("seen");
        using PictureFiles::solid;
        QTest::newRow("none") << QStringList{} << "Vastrel, 0 x 0, 0 x 0";
        QTest::newRow("wider than the disc: its corner, and all of it")
            << QStringList{"Disco.jpg"} << "Disco: Vastrel, 480 x 480, 960 x 480";
        QTest::newRow("smaller: the whole picture")
            << QStringList{"a.gif", "z.jpg"} << "z: Vastrel, 100 x 50, 100 x 50";
        QTest::newRow("not a picture: the name all the same")
            << QStringList{"rotto.bmp"} << "rotto: Vastrel, 0 x 0, 0 x 0";
    }

    void theCollectionPicture()
    {
        QFETCH(QStringList, files);
        QFETCH(QString, seen);
        Collection c;
        c.folder("[Varie]");
        for (const QString& f : files)
            c.file("[Varie]/" + f, f.startsWith("rotto") ? QByteArray("BM nothing")
                                   : f.startsWith("Disco")
                                       ? PictureFiles::solid({960, 480}, Qt::red)
                                       : PictureFiles::solid({100, 50}, Qt::red));
        vastrel::platform::DirectoryCache listings;
        const auto p = vastrel::startup::CollectionPicture::of(c.root(), QSize(480, 480), listings);
        const auto size = [](const QImage& i) {
            return QString("%1 x %2").arg(i.width()).arg(i.height());
        };
        QCOMPARE(p.caption("Vastrel") + ", " + size(p.corner) + ", " + size(p.whole), seen);
    }

    void helpAndVersionAnswerOnStandardOutput_data()
    {
        QTest::addColumn<QString>("argument");
        QTest::addColumn<QString>("begins");
        QTest::newRow("help") << "--help"
                              << "Uso: vastrel [opzioni] [cartella]\n";
        QTest::newRow("version") << "--version"
                                 << "Vastrel " VASTREL_VERSION_STRING "\n";
    }

    void helpAndVersionAnswerOnStandardOutput()
    {
        QFETCH(QString, argument);
        QFETCH(QString, begins);
        QProcess program;
        program.start(VASTREL_EXECUTABLE, {argument});
        QVERIFY(program.waitForFinished(10000));
        QCOMPARE(program.exitCode(), 0);
        QVERIFY(QString::fromUtf8(program.readAllStandardOutput()).startsWith(begins));
    }

    void theMusicFolderIsTheFallbackCollection_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("musicHasCollection");
        QTest::addColumn<bool>("opensMusic");
        QTest::newRow("no root option") << QStringList{} << true << true;
        QTest::newRow("a refused root option keeps the program folder")
            << QStringList{"/ROOT:/nowhere"} << true << false;
        QTest::newRow("music without a collection") << QStringList{} << false << false;
    }

    void theMusicFolderIsTheFallbackCollection()
    {
        QFETCH(QStringList, arguments);
        QFETCH(bool, musicHasCollection);
        QFETCH(bool, opensMusic);
        Collection home;
        home.folder(".config").folder("Music");
        if (musicHasCollection)
            home.album("Music/[1979] Uno").text("a.txt");
        const QByteArray oldHome = qgetenv("HOME"), oldConfig = qgetenv("XDG_CONFIG_HOME");
        qputenv("HOME", QFile::encodeName(home.root()).chopped(1));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.path(".config")));
        RunningProgram p(arguments);
        qputenv("HOME", oldHome);
        qputenv("XDG_CONFIG_HOME", oldConfig);
        const QString programFolder = QCoreApplication::applicationDirPath() + "/";
        QCOMPARE(p.module().state().collectionRoot,
                 opensMusic ? home.path("Music/") : programFolder);
        QCOMPARE(p.module().state().readMePath, programFolder + "Leggimi.txt");
    }
};

QTEST_MAIN(TestStartup)
#include "TestStartup.moc"
