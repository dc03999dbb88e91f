#include "mainwindow/CheckList.h"
#include "mainwindow/frmVL.h"
#include "support/Collection.h"
#include "support/ListClicks.h"
#include "support/MainWindowFixture.h"

#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QStyleFactory>
#include <QTest>

using vastrel::mainwindow::CheckList;
using vastrel::mainwindow::frmVL;
using vastrel::startup::ModuleState;

namespace {

struct Window : MainWindowFixture
{
    explicit Window(const Collection& c)
        : MainWindowFixture(c), lstAlbum(ui().lstAlbum), cboMostra(ui().cboMostra),
          cmdSelAlbum(ui().cmdSelAlbum)
    {}

    QStringList albums() const { return rows(lstAlbum); }
    QStringList checked() const { return MainWindowFixture::checked(lstAlbum); }
    QString current() const { return MainWindowFixture::current(lstAlbum); }

    CheckList* lstAlbum;
    QComboBox* cboMostra;
    QPushButton* cmdSelAlbum;
};

void buildAlbums(Collection& c)
{
    c.album("[1983] due").text("a.txt").track("a.mp3");
    c.album("[1979] Uno").text("a.txt").marker("a.VL", "[1983] due\\Brani\\a.mp3");
    c.album("[A1] Città").text("a.txt").track("a.mp3");
    c.album("[a] alfa").text("a.txt").marker("b.vl", "x").track("a.mp3");
    c.album("Non Album").text("a.txt");
}

} // namespace

class TestAlbumList : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void designState()
    {
        Collection c;
        Window w(c);
        QCOMPARE(w.window().windowTitle(), QString("Vastrel - by Korvi"));
        QCOMPARE(w.cboMostra->count(), 3);
        QCOMPARE(w.cboMostra->itemText(0), QString("Solo Duplicati"));
        QCOMPARE(w.cboMostra->itemText(1), QString("Solo Originali"));
        QCOMPARE(w.cboMostra->itemText(2), QString("Tutto"));
        QCOMPARE(w.cboMostra->currentIndex(), -1);
        QVERIFY(!w.cboMostra->isEditable());
        QCOMPARE(w.window().findChild<QLabel*>("lblMostra")->text(), QString("&Mostra:"));
        QCOMPARE(w.window().findChild<QLabel*>("lblMostra")->buddy(), w.cboMostra);
        QCOMPARE(w.cmdSelAlbum->toolTip(), QString(" Seleziona Tutti gli Album "));
        QVERIFY(!w.cmdSelAlbum->isEnabled());
        QVERIFY(w.lstAlbum->font().bold());
        QCOMPARE(w.lstAlbum->font().pointSize(), 9);
    }

    void filterSelectionListsTheAlbumsSorted_data()
    {
        QTest::addColumn<int>("filter");
        QTest::addColumn<QStringList>("albums");
        QTest::newRow("Tutto") << 2
                               << QStringList{"[1979] Uno", "[1983] due", "[a] alfa", "[A1] Città"};
        QTest::newRow("Solo Duplicati") << 0 << QStringList{"[1979] Uno", "[a] alfa"};
        QTest::newRow("Solo Originali") << 1 << QStringList{"[1983] due", "[a] alfa", "[A1] Città"};
    }

    void filterSelectionListsTheAlbumsSorted()
    {
        QFETCH(int, filter);
        QFETCH(QStringList, albums);
        Collection c;
        buildAlbums(c);
        Window w(c);
        w.cboMostra->setCurrentIndex(filter);
        QCOMPARE(w.albums(), albums);
        QVERIFY(w.cmdSelAlbum->isEnabled());
        QCOMPARE(w.window().mousePointer(), int(frmVL::Default));
    }

    void refreshKeepsMarksAndCurrentRowOfListedAlbums()
    {
        Collection c;
        buildAlbums(c);
        Window w(c);
        w.cboMostra->setCurrentIndex(2);
        clickCheckBox(w.lstAlbum, 0);                      // [1979] Uno
        clickCheckBox(w.lstAlbum, 3, Qt::ControlModifier); // [A1] Città
        clickRowText(w.lstAlbum, 3);
        QCOMPARE(w.checked(), QStringList({"[1979] Uno", "[A1] Città"}));
        QCOMPARE(w.current(), QString("[A1] Città"));

        // A new album on disk appears; the marks and the current album stay.
        c.album("[1980] Nuovo").text("a.txt");
        w.window().Aggiorna();
        QCOMPARE(w.albums().size(), 5);
        QCOMPARE(w.checked(), QStringList({"[1979] Uno", "[A1] Città"}));
        QCOMPARE(w.current(), QString("[A1] Città"));

        // The filter hides [A1] Città: it loses mark and current row for good.
        w.cboMostra->setCurrentIndex(0);
        QCOMPARE(w.checked(), QStringList({"[1979] Uno"}));
        QCOMPARE(w.current(), QString());
        w.cboMostra->setCurrentIndex(2);
        QCOMPARE(w.checked(), QStringList({"[1979] Uno"}));
    }

    void filterChangeIsIgnoredUnderTheHourglass()
    {
        Collection c;
        buildAlbums(c);
        Window w(c);
        w.cboMostra->setCurrentIndex(2);
        w.window().setMousePointer(frmVL::Hourglass);
        w.cboMostra->setCurrentIndex(0);
        QCOMPARE(w.albums().size(), 4);
        w.window().setMousePointer(frmVL::Default);
    }

    void emptyOrVanishedCollectionGivesAnEmptyList()
    {
        Collection c;
        c.album("Senza Parentesi").text("a.txt");
        Window w(c);
        w.cboMostra->setCurrentIndex(2);
        QVERIFY(w.albums().isEmpty());
        QVERIFY(!w.cmdSelAlbum->isEnabled());

        Collection gone;
        buildAlbums(gone);
        Window v(gone);
        v.cboMostra->setCurrentIndex(2);
        QCOMPARE(v.albums().size(), 4);
        QVERIFY(QDir(gone.root()).removeRecursively());
        v.window().Aggiorna();
        QVERIFY(v.albums().isEmpty());
        QVERIFY(!v.cmdSelAlbum->isEnabled());
    }

    void refreshWritesNothing()
    {
        Collection c;
        buildAlbums(c);
        const QByteArray before = c.fingerprint();
        Window w(c);
        for (int filter : {2, 0, 1, 2})
            w.cboMostra->setCurrentIndex(filter);
        QCOMPARE(c.fingerprint(), before);
    }

    // An empty check box stands out from its list on a light and on a dark palette.
    void emptyCheckBoxesStandOut_data()
    {
        QTest::addColumn<QColor>("base");
        QTest::addColumn<QColor>("text");
        QTest::addColumn<QColor>("window");
        QTest::newRow("light") << QColor(Qt::white) << QColor(Qt::black) << QColor(0xefefef);
        QTest::newRow("dark") << QColor(0x232323) << QColor(0xeeeeec) << QColor(0x353535);
    }

    void emptyCheckBoxesStandOut()
    {
        QFETCH(QColor, base);
        QFETCH(QColor, text);
        QFETCH(QColor, window);
        std::unique_ptr<QStyle> fusion(QStyleFactory::create(QStringLiteral("Fusion")));
        CheckList list(true, nullptr);
        list.setStyle(fusion.get());
        QPalette p = list.palette();
        p.setColor(QPalette::Base, base);
        p.setColor(QPalette::Text, text);
        p.setColor(QPalette::Window, window);
        list.setPalette(p);
        list.rows()->setRows({vastrel::catalogue::ListRow(u"[1979] Uno", QString())});
        list.resize(200, 60);
        list.show();
        QVERIFY(QTest::qWaitForWindowExposed(&list));
        const QImage shot = list.viewport()->grab().toImage();
        // The box is all the first row holds before its text begins.
        const QRect row = list.visualRect(list.model()->index(0, 0));
        int contrast = 0;
        for (int x = row.left(); x < row.left() + 18; ++x) {
            for (int y = row.top(); y <= row.bottom(); ++y)
                contrast = std::max(
                    contrast, std::abs(QColor(shot.pixel(x, y)).lightness() - base.lightness()));
        }
        QVERIFY2(contrast >= 60, qPrintable(QString::number(contrast)));
    }
};

QTEST_MAIN(TestAlbumList)
#include "TestAlbumList.moc"
