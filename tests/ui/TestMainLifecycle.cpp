#include "ui/ImageControl.h"
#include "ui/TextPane.h"
#include "media/TempCleanup.h"
#include "platform/PrivateTempFolder.h"
#include "support/Collection.h"
#include "support/ListClicks.h"
#include "support/MainWindowFixture.h"

#include <QAbstractScrollArea>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTest>

using vastrel::ui::CheckList;
using vastrel::ui::frmVL;

namespace {

void buildAlbums(Collection& c)
{
    c.album("[1979] Uno").text("01 - A.txt").track("01 - A.mp3");
    c.album("[1983] Due").text("01 - B.txt").track("01 - B.mp3");
}

// The files an earlier run may have left in the private temporary folder.
QString seedTemp(const QString& systemTemp)
{
    const QString folder = vastrel::platform::PrivateTempFolder::locate(systemTemp);
    for (const char* name :
         {"Vastrel PlayList.m3u", "~vl1.tmp", "~VL2.TMP", "altro.tmp", "~nota.txt"}) {
        QFile f(folder + QString::fromLatin1(name));
        if (!f.open(QIODevice::WriteOnly))
            qWarning("cannot seed %s", name);
    }
    return folder;
}

QStringList left(const QString& folder)
{
    QStringList names = QDir(folder).entryList(QDir::Files);
    names.sort();
    return names;
}

} // namespace

class TestMainLifecycle : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void controlsStartInTheirDesignState_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("tip");
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<QSize>("size");
        QTest::newRow("cmdCopertina")
            << "cmdCopertina"
            << " Visualizza/Nascondi Testi e Immagini " << true << QSize(39, 27);
        QTest::newRow("cmdSelAlbum") << "cmdSelAlbum"
                                     << " Seleziona Tutti gli Album " << false << QSize(27, 27);
        QTest::newRow("cmdCopia") << "cmdCopia"
                                  << " Copia il Testo Selezionato " << false << QSize(27, 27);
        QTest::newRow("cmdSelTesto") << "cmdSelTesto"
                                     << " Seleziona Tutto il Testo " << false << QSize(27, 27);
        QTest::newRow("cmdCercaAvanti")
            << "cmdCercaAvanti"
            << " Cerca la Prossima Occorrenza " << false << QSize(27, 27);
        QTest::newRow("cmdCercaTesto") << "cmdCercaTesto"
                                       << " Cerca " << false << QSize(27, 27);
        QTest::newRow("cmdSuona") << "cmdSuona"
                                  << " Suona i Brani Selezionati " << false << QSize(39, 27);
        QTest::newRow("cmdSelBrani") << "cmdSelBrani"
                                     << " Seleziona Tutti i Brani " << false << QSize(27, 27);
        QTest::newRow("cmdCercaBrano")
            << "cmdCercaBrano"
            << " Cerca tra i Titoli dei Brani " << false << QSize(27, 27);
        QTest::newRow("chkOrdinaAZ") << "chkOrdinaAZ"
                                     << " Ordina i Brani Alfabeticamente " << true << QSize(27, 27);
    }

    void controlsStartInTheirDesignState()
    {
        QFETCH(QString, name);
        QFETCH(QString, tip);
        QFETCH(bool, enabled);
        QFETCH(QSize, size);
        Collection c;
        MainWindowFixture f(c);
        auto* b = f.window().findChild<QPushButton*>(name);
        QVERIFY(b);
        QCOMPARE(b->toolTip(), tip);
        QCOMPARE(b->isEnabled(), enabled);
        QCOMPARE(b->size(), size);
        QCOMPARE(b->isDefault(), name == "cmdSuona");
    }

    void listsLabelsAndImagesStartInTheirDesignState()
    {
        Collection c;
        MainWindowFixture f(c);
        const auto& ui = f.ui();
        QCOMPARE(f.window().windowTitle(), QString("Vastrel - by Korvi"));
        QVERIFY(!ui.imgEC[0]->isHidden());
        QVERIFY(ui.imgEC[1]->isHidden());
        QCOMPARE(ui.imgEC[0]->toolTip(), QString(" Dimezza la Finestra Principale "));
        QCOMPARE(ui.imgEC[1]->toolTip(), QString(" Raddoppia la Finestra Principale "));
        QCOMPARE(ui.imgInfo->toolTip(), QString(" Informazioni su Vastrel "));
        QVERIFY(!ui.chkOrdinaAZ->isChecked());
        QCOMPARE(ui.lstAlbum->font().family(), QString("Arial"));
        QVERIFY(ui.lstAlbum->font().bold());
        QVERIFY(!ui.lstBrani->font().bold());
        QCOMPARE(ui.lstBrani->font().pointSize(), 9);
        for (auto* view :
             ui.txtBrani->findChildren<QAbstractScrollArea*>(Qt::FindDirectChildrenOnly)) {
            QVERIFY(QFontInfo(view->font()).fixedPitch());
            QVERIFY(view->property("readOnly").toBool());
        }
        for (QLabel* l : {ui.lblRTF, ui.lblJPEG, ui.lblBrani, ui.lblAlbum})
            QVERIFY(l->text().isEmpty());
        QCOMPARE(ui.lblMostra->text(), QString("&Mostra:"));
        // Fixed geometry of the load handler.
        QCOMPARE(ui.lblMostra->geometry().bottom() + 1, 21);
        QCOMPARE(ui.cboMostra->geometry().bottom() + 1, 25);
        QCOMPARE(ui.lstAlbum->pos(), QPoint(8, 24));
        QCOMPARE(ui.lstBrani->y(), 24);
        QCOMPARE(ui.lblAlbum->pos(), QPoint(8, ui.lblMostra->y()));
        QCOMPARE(ui.lblBrani->y(), ui.lblMostra->y());
        QCOMPARE(ui.imgInfo->y(), 1);
        QCOMPARE(ui.cmdSelAlbum->y(), 24);
        // Pictures, some shared between buttons.
        QVERIFY(!ui.cmdSuona->icon().isNull());
        QVERIFY(!f.window().windowIcon().isNull());
        QVERIFY(!ui.imgInfo->pixmap().isNull());
        QCOMPARE(ui.cmdCercaTesto->icon().cacheKey(), ui.cmdCercaBrano->icon().cacheKey());
    }

    void loadCleansThePrivateTemporaryFolder()
    {
        Collection c;
        QTemporaryDir systemTemp;
        const QString folder = seedTemp(systemTemp.path());
        qputenv("TMPDIR", QFile::encodeName(systemTemp.path()));
        vastrel::browser::ModuleState state = vastrel::browser::ModuleState::initial(c.root(), {});
        ScriptedDialogs dialogs;
        RecordingOpener opener;
        frmVL window(state, dialogs, opener);
        QCOMPARE(window.tempFolder(), folder);
        QCOMPARE(left(folder), QStringList({"altro.tmp", "~nota.txt"}));
    }

    void closeAsksOnlyWhenAlbumsAreListed()
    {
        Collection empty;
        MainWindowFixture f(empty);
        f.window().selectShowFilter(2);
        QVERIFY(f.window().close());
        QVERIFY(f.dialogs.messages.isEmpty());
    }

    void cancelKeepsTheWindowAndOkClosesAndCleans()
    {
        Collection c;
        buildAlbums(c);
        MainWindowFixture f(c);
        f.window().selectShowFilter(2);
        clickCheckBox(f.ui().lstAlbum, 1);
        const QString folder = f.window().tempFolder();
        seedTemp(f.systemTemp());

        f.dialogs.messageAnswers = {false};
        QVERIFY(!f.window().close());
        QVERIFY(f.window().isVisible());
        QCOMPARE(f.dialogs.messages.size(), 1);
        QCOMPARE(f.dialogs.messages[0].title, QString("Vastrel - Chiudi"));
        QCOMPARE(f.dialogs.messages[0].text, QString("Chiudere \"Vastrel - by Korvi\"?"));
        QVERIFY(f.dialogs.messages[0].withCancel);
        QVERIFY(f.dialogs.messages[0].icon == vastrel::platform::Dialogs::Icon::Question);
        QCOMPARE(f.checked(f.ui().lstAlbum), QStringList({"[1983] Due"}));
        QCOMPARE(left(folder).size(), 5);

        f.window().setWindowTitle("Vastrel.jpg: Vastrel - by Korvi");
        f.dialogs.messageAnswers = {true};
        QVERIFY(f.window().close());
        QCOMPARE(f.dialogs.messages[1].text,
                 QString("Chiudere \"Vastrel.jpg: Vastrel - by Korvi\"?"));
        QCOMPARE(left(folder), QStringList({"altro.tmp", "~nota.txt"}));
    }

    void sessionEndClosesWithoutQuestionOrCleanUp()
    {
        Collection c;
        buildAlbums(c);
        MainWindowFixture f(c);
        f.window().selectShowFilter(2);
        const QString folder = seedTemp(f.systemTemp());
        f.window().sessionEnding();
        QVERIFY(f.window().close());
        QVERIFY(f.dialogs.messages.isEmpty());
        QCOMPARE(left(folder).size(), 5);
    }

    void activationClearsTheCurrentAlbumUnlessBackFromAbout()
    {
        Collection c;
        buildAlbums(c);
        MainWindowFixture f(c);
        f.window().selectShowFilter(2);
        clickRowText(f.ui().lstAlbum, 1);
        QCOMPARE(f.current(f.ui().lstAlbum), QString("[1983] Due"));
        f.state.aboutShown = true;
        f.window().Form_Activate();
        QVERIFY(!f.state.aboutShown);
        QCOMPARE(f.current(f.ui().lstAlbum), QString("[1983] Due"));
        f.window().setMousePointer(frmVL::Busy);
        f.window().Form_Activate();
        QCOMPARE(f.current(f.ui().lstAlbum), QString());
        QCOMPARE(f.window().mousePointer(), int(frmVL::Default));
    }
};

QTEST_MAIN(TestMainLifecycle)
#include "TestMainLifecycle.moc"
