// The print commands on the real window: Ctrl+P through the print dialog, Ctrl+Shift+P
// through the preview, both into a PDF file that pdftotext reads back laid out as on paper.

#include "platform/Beeper.h"
#include "support/Collection.h"
#include "support/ListClicks.h"
#include "support/MainWindowFixture.h"

#include <QFile>
#include <QProcess>
#include <QSet>
#include <QStandardPaths>
#include <QTest>

using vastrel::platform::Beeper;

namespace {

const QByteArray kSide = "\r\n                -+----+---------+----+-\r\n";

// Two albums with notes; one song with chords, one longer than a page, one whose chords sit
// beside lines of every length, one line wider than any page.
void fill(Collection& c)
{
    QFile mp3(VASTREL_TEST_DATA "/mpeg/mpeg1-layer3-128k-44100.mp3");
    QVERIFY(mp3.open(QIODevice::ReadOnly));
    QByteArray bosco;
    for (int i = 1; i <= 80; ++i)
        bosco += "riga " + QByteArray::number(i) + " del bosco\r\n";
    QByteArray eco;
    for (int i = 1; i <= 40; ++i)
        eco += "eco" + QByteArray::number(i) + ' ';
    c.album("[A] Uno")
        .text("01 - Alfa.txt",
              "Alfa prima\r\nseconda riga di Alfa\r\n" + kSide + "Accordo Re\r\nAccordo La7\r\n")
        .track("01 - Alfa.mp3", mp3.readAll())
        .text("02 - Bosco.txt", bosco)
        .text("03 - Cielo.txt", "Cielo\r\n\r\nun cielo grande come il mare aperto\r\nmi\r\n" +
                                    kSide +
                                    "Accordo Mi\r\nAccordo Sol\r\nAccordo Do\r\nAccordo Fa\r\n")
        .text("Nota.txt", "Nota di Uno\r\n");
    c.album("[B] Due").text("01 - Eco.txt", eco + "\r\n").text("Nota.txt", "Nota di Due\r\n");
}

// Each page as pdftotext lays it out, its lines with runs of blanks made one.
QList<QStringList> pagesOf(const QString& pdf)
{
    QProcess p;
    p.start("pdftotext", {"-layout", pdf, "-"});
    p.waitForFinished();
    QList<QStringList> pages;
    for (const QString& page : QString::fromUtf8(p.readAllStandardOutput()).split('\f')) {
        QStringList lines;
        for (const QString& line : page.split('\n')) {
            if (!line.trimmed().isEmpty())
                lines.append(line);
        }
        if (!lines.isEmpty())
            pages.append(lines);
    }
    return pages;
}

} // namespace

class TestSongbook : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        Beeper::setSound([] {});
    }

    void prints_data()
    {
        QTest::addColumn<bool>("preview"); // Ctrl+Shift+P, else Ctrl+P
        QTest::addColumn<QList<int>>("albums");
        QTest::addColumn<QList<int>>("tracks");
        QTest::addColumn<QString>("intro");
        QTest::addColumn<QString>("file"); // under a temporary folder
        // The first line of every page; "" when nothing is printed.
        QTest::addColumn<QStringList>("heads");
        QTest::addColumn<QStringList>("contains");
        const QString songbook = "songbook.pdf";
        QTest::newRow("three songs, one over two pages")
            << false << QList<int>{0} << QList<int>{0, 1, 2} << "" << songbook
            << QStringList{"Indice", "01 - Alfa [A] 0:04", "02 - Bosco [A]",
                           "02 - Bosco [A] (segue)", "03 - Cielo [A]"}
            << QStringList{"riga 1 del", "riga 80 del", "Accordo Fa"};
        QTest::newRow("one song in the preview, no contents")
            << true << QList<int>{0} << QList<int>{0} << "" << songbook
            << QStringList{"01 - Alfa [A] 0:04"} << QStringList{"Alfa prima", "Accordo La7"};
        QTest::newRow("a line wider than the page wraps")
            << false << QList<int>{1} << QList<int>{0} << "" << songbook
            << QStringList{"01 - Eco [B]"} << QStringList{"eco1 eco2", "eco40"};
        QTest::newRow("album notes: one document")
            << false << QList<int>{0, 1} << QList<int>{} << "" << songbook << QStringList{"[A]"}
            << QStringList{"Nota di Uno", "[B]", "Nota di Due"};
        QTest::newRow("introduction in RTF")
            << true << QList<int>{} << QList<int>{}
            << "{\\rtf1\\ansi {\\b Benvenuti} nella collezione\\par}" << songbook
            << QStringList{"Benvenuti nella collezione"} << QStringList{};
        QTest::newRow("nothing to print: a beep") << false << QList<int>{} << QList<int>{} << ""
                                                  << songbook << QStringList{} << QStringList{};
        QTest::newRow("a file that cannot be written: a message")
            << false << QList<int>{0} << QList<int>{0} << ""
            << "missing/" + songbook << QStringList{} << QStringList{};
    }

    void prints()
    {
        QFETCH(bool, preview);
        QFETCH(QList<int>, albums);
        QFETCH(QList<int>, tracks);
        QFETCH(QString, intro);
        QFETCH(QString, file);
        QFETCH(QStringList, heads);
        QFETCH(QStringList, contains);
        if (QStandardPaths::findExecutable("pdftotext").isEmpty())
            QSKIP("pdftotext (poppler-utils) is missing");
        Collection c;
        fill(c);
        MainWindowFixture m(c);
        m.session().setIntroduction(intro);
        m.window().selectShowFilter(vastrel::catalogue::ShowFilter::Everything);
        m.window().Form_Activate();
        for (int album : albums)
            clickCheckBox(m.ui().lstAlbum, album, Qt::ControlModifier);
        for (int track : tracks)
            clickCheckBox(m.ui().lstBrani, track, Qt::ControlModifier);
        const QTemporaryDir out;
        m.dialogs.pdf = out.filePath(file);
        Beeper::resetCount();
        QTest::keyClick(m.window().windowHandle(), Qt::Key_P,
                        Qt::ControlModifier | (preview ? Qt::ShiftModifier : Qt::NoModifier));

        const bool nothing = albums.isEmpty() && intro.isEmpty();
        QCOMPARE(Beeper::count(), nothing ? 1 : 0);
        QCOMPARE(m.dialogs.prints + m.dialogs.previews, nothing ? 0 : 1);
        QCOMPARE(m.dialogs.messages.size(), heads.isEmpty() && !nothing ? 1 : 0);
        QCOMPARE(QFile::exists(m.dialogs.pdf), !heads.isEmpty());
        const QList<QStringList> pages = pagesOf(m.dialogs.pdf);
        QStringList shownHeads;
        QString text;
        for (int i = 0; i < pages.size(); ++i) {
            shownHeads.append(pages[i].first().simplified());
            text += pages[i].join('\n');
            QCOMPARE(pages[i].last().simplified(),
                     QString("Pagina %1 di %2").arg(i + 1).arg(pages.size()));
            // The chords start at one column on every line of a page.
            QSet<qsizetype> chordColumns;
            for (const QString& line : pages[i]) {
                if (line.contains("Accordo"))
                    chordColumns.insert(line.indexOf("Accordo"));
            }
            QVERIFY(chordColumns.size() <= 1);
        }
        QCOMPARE(shownHeads, heads);
        // The contents name each song with the page it starts on.
        if (!pages.isEmpty() && shownHeads.first() == "Indice") {
            for (const QString& entry : pages.first().mid(1, tracks.size())) {
                const QStringList words = entry.simplified().split(' ');
                const int page = words.last().toInt();
                QVERIFY(page >= 2 && page <= pages.size());
                QVERIFY(shownHeads[page - 1].startsWith(words.mid(0, words.size() - 1).join(' ')));
            }
        }
        for (const QString& part : contains)
            QVERIFY2(text.contains(part), qPrintable(part));
    }
};

QTEST_MAIN(TestSongbook)
#include "TestSongbook.moc"
