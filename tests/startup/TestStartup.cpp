#include "ui/frmInfo.h"
#include "ui/CheckList.h"
#include "ui/ImageControl.h"
#include "ui/frmVL.h"
#include "startup/ModVL.h"
#include "support/Collection.h"
#include "support/RecordingOpener.h"
#include "support/ScriptedDialogs.h"

#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using vastrel::startup::ModVL;

namespace {

// The sample-like collection the start-up tests open.
void buildCollection(Collection& c)
{
    c.album("[1979] Uno").text("01 - A.txt").marker("01 - A.VL", "[1983] Due\\Brani\\01 - B.mp3");
    c.album("[1983] Due").text("01 - B.txt").track("01 - B.mp3");
}

// Dismisses the start-up window as soon as it shows, with a left click as a user would.
void dismissStartUpWindow(int tries = 100)
{
    QTimer::singleShot(10, [tries] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal && modal->objectName() == "frmStartUp")
            QTest::mouseClick(modal, Qt::LeftButton, {}, QPoint(240, 100));
        else if (tries > 0)
            dismissStartUpWindow(tries - 1);
    });
}

struct Startup
{
    Startup() : modVL(dialogs, opener) { qputenv("TMPDIR", QFile::encodeName(temp.path())); }

    QTemporaryDir temp;
    ScriptedDialogs dialogs;
    RecordingOpener opener;
    ModVL modVL;
};

} // namespace

class TestStartup : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void optionsAreAppliedToTheWindows()
    {
        Collection c;
        buildCollection(c);
        Startup s;
        dismissStartUpWindow();
        QVERIFY(s.modVL.Main({"/ROOT:" + c.root(), "/L:700", "/A:400", "/X:10", "/Y:20", "/AZ",
                              "/DUPLICATI", "/TESTI"}));
        auto* window = s.modVL.mainWindow();
        QVERIFY(window->isVisible());
        QCOMPARE(s.modVL.state().collectionRoot, c.root());
        QCOMPARE(window->frameGeometry(), QRect(10, 20, 700, 400));
        QCOMPARE(window->controls().cboMostra->currentIndex(), 0);
        QVERIFY(window->controls().chkOrdinaAZ->isChecked());
        QCOMPARE(window->controls().lstAlbum->rows()->count(), 1);
        QCOMPARE(s.modVL.state().paneMode, 1);
        QVERIFY(!window->controls().imgEC[1]->isVisibleTo(window));
    }

    void halfModeAndARefusedRoot()
    {
        Startup s;
        dismissStartUpWindow();
        QVERIFY(s.modVL.Main({"/ROOT:/nowhere/at/all", "/2"}));
        QCOMPARE(s.modVL.state().collectionRoot, QCoreApplication::applicationDirPath() + "/");
        auto* window = s.modVL.mainWindow();
        QVERIFY(window->controls().imgEC[1]->isVisibleTo(window));
        QVERIFY(!window->controls().imgEC[0]->isVisibleTo(window));
        QCOMPARE(window->controls().cboMostra->currentIndex(), 2);
    }

    void aMissingReadMeGivesTheNotice()
    {
        Startup s;
        dismissStartUpWindow();
        QVERIFY(s.modVL.Main({}));
        const QString text = s.modVL.aboutWindow()->readMe();
        QVERIFY(text.contains(" ATTENZIONE! "));
        QVERIFY(text.contains(QCoreApplication::applicationDirPath() + "/Leggimi.txt"));
    }

    void helpShowsTheAboutWindowAndEnds_data()
    {
        QTest::addColumn<QString>("option");
        QTest::newRow("HELP") << "/HELP";
        QTest::newRow("question mark") << "/?";
        QTest::newRow("h") << "/h";
    }

    void helpShowsTheAboutWindowAndEnds()
    {
        QFETCH(QString, option);
        Startup s;
        bool aboutWasShown = false;
        QTimer::singleShot(0, [&] {
            auto* about = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            aboutWasShown = about && about->objectName() == "frmInfo" && about->isVisible();
            if (about)
                QTest::mouseClick(about->findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
        });
        QVERIFY(!s.modVL.Main({option}));
        QVERIFY(aboutWasShown);
        QVERIFY(!s.modVL.aboutWindow()->isVisible());
        auto* window = s.modVL.mainWindow();
        QVERIFY(!window->isVisible());
        QVERIFY(!window->testAttribute(Qt::WA_WState_ExplicitShowHide));
    }

    void helpAndVersionAnswerOnStandardOutput_data()
    {
        QTest::addColumn<QString>("argument");
        QTest::addColumn<QString>("begins");
        QTest::newRow("help") << "--help"
                              << "Uso: vastrel [opzioni]\n";
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
        qputenv("HOME", QFile::encodeName(home.path("")).chopped(1));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.path(".config")));
        Startup s;
        dismissStartUpWindow();
        QVERIFY(s.modVL.Main(arguments));
        qputenv("HOME", oldHome);
        qputenv("XDG_CONFIG_HOME", oldConfig);
        const QString programFolder = QCoreApplication::applicationDirPath() + "/";
        QCOMPARE(s.modVL.state().collectionRoot, opensMusic ? home.path("Music/") : programFolder);
        QCOMPARE(s.modVL.state().readMePath, programFolder + "Leggimi.txt");
    }
};

QTEST_MAIN(TestStartup)
#include "TestStartup.moc"
