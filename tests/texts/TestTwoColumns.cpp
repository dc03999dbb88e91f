#include "platform/TextDecoder.h"
#include "texts/TextPaneState.h"
#include "texts/TextSplit.h"
#include "texts/TwoColumns.h"

#include <QTest>

using vastrel::platform::TextDecoder;
using vastrel::texts::TextPaneState;
using vastrel::texts::TextSplit;
using vastrel::texts::TwoColumns;

namespace {

QString pad(const QString& s, qsizetype width)
{
    return s + QString(width - s.size(), ' ');
}

QString blanks(qsizetype n)
{
    return QString(n, ' ');
}

// The separator line without the line break that precedes it.
const QString kSep = blanks(16) + "-+----+---------+----+-";

const QString kPrima = "Prima riga del testo, abbastanza lunga da dover andare a capo qui";
const QString kParole = "uno due tre quattro cinque sei sette otto nove dieci";

} // namespace

class TestTwoColumns : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void tronca_data()
    {
        QTest::addColumn<QString>("a");
        QTest::addColumn<int>("l");
        QTest::addColumn<QString>("cut");
        QTest::newRow("cut after a word") << "uno due t" << 8 << "uno due";
        QTest::newRow("no blank: hard cut") << "unoduetre" << 8 << "unoduetr";
        QTest::newRow("blank in place l + 1") << "uno due " << 8 << "uno due";
        QTest::newRow("fits: trailing blanks go") << "uno  " << 8 << "uno";
        QTest::newRow("fits exactly") << "unoduetr" << 8 << "unoduetr";
        QTest::newRow("cut drops the blanks before it") << "a   bcdefgh" << 8 << "a";
        QTest::newRow("last word dropped even if short") << "uno duetre" << 9 << "uno";
        QTest::newRow("empty") << "" << 8 << "";
    }

    void tronca()
    {
        QFETCH(QString, a);
        QFETCH(int, l);
        QFETCH(QString, cut);
        QCOMPARE(TwoColumns::Tronca(a, l), cut);
    }

    void affianca_data()
    {
        QTest::addColumn<QString>("A");
        QTest::addColumn<QString>("B");
        QTest::addColumn<bool>("narrow");
        QTest::addColumn<QString>("out");

        QTest::newRow("two lines") << "Verso uno\r\nVerso due\r\n"
                                   << "Nota A\r\nNota B\r\n"
                                   << false << "Verso uno   Nota A\r\nVerso due   Nota B\r\n";

        const QString A = kPrima + "\r\n  Seconda\r\n";
        const QString B = "Accordi: La Re Mi\r\n";
        QTest::newRow("65 characters wrap at 44")
            << A << B << false
            << pad("Prima riga del testo, abbastanza lunga da", 44) + "  Accordi: La Re Mi\r\n" +
                   pad("  dover andare a capo qui", 44) + "\r\n" + pad("  Seconda", 46) + "\r\n";
        QTest::newRow("65 characters wrap at 34 on a narrow screen")
            << A << B << true
            << pad("Prima riga del testo, abbastanza", 34) + "  Accordi: La Re Mi\r\n" +
                   "  lunga da dover andare a capo qui\r\n" + pad("  Seconda", 36) + "\r\n";

        const QString cell44 = QString(20, 'a') + ' ' + QString(23, 'b');
        const QString cell45 = QString(20, 'a') + ' ' + QString(24, 'b');
        QTest::newRow("44 characters fit") << cell44 + "\r\n"
                                           << "n\r\n"
                                           << false << cell44 + "  n\r\n";
        QTest::newRow("45 characters wrap")
            << cell45 + "\r\n"
            << "n\r\n"
            << false
            << pad(QString(20, 'a'), 44) + "  n\r\n" + pad("  " + QString(24, 'b'), 44) + "\r\n";

        QTest::newRow("4 leading blanks: first after 4, continuation after 6")
            << blanks(4) + kParole + "\r\n"
            << "b\r\n"
            << false
            << pad("    uno due tre quattro cinque sei sette", 44) + "  b\r\n" +
                   pad("      otto nove dieci", 44) + "\r\n";
        QTest::newRow("right cell wraps with its own indentation, left column blank")
            << "x\r\n"
            << blanks(4) + kParole + "\r\n"
            << false
            << pad("x", 44) + "      uno due tre quattro cinque sei sette\r\n" + blanks(44) +
                   "        otto nove dieci\r\n";
        QTest::newRow("indentation at most W - 15")
            << blanks(40) + "parola finale lunga abbastanza\r\n"
            << "b\r\n"
            << false
            << pad(blanks(29) + "parola finale", 44) + "  b\r\n" + pad(blanks(31) + "lunga", 44) +
                   "\r\n" + pad(blanks(31) + "abbastanza", 44) + "\r\n";

        QTest::newRow("a long word is cut hard at the column width")
            << QString(100, 'x') + "\r\n"
            << "n\r\n"
            << false
            << QString(44, 'x') + "  n\r\n" + "  " + QString(42, 'x') + "\r\n" +
                   pad("  " + QString(14, 'x'), 44) + "\r\n";
        QTest::newRow("a long cell of blanks only takes one line")
            << blanks(50) + "\r\n"
            << "n\r\n"
            << false << blanks(44) + "  n\r\n";

        QTest::newRow("empty line beside a line of the side block")
            << "Uno\r\n\r\nTre\r\n"
            << "b1\r\nb2\r\n"
            << false << "Uno   b1\r\n      b2\r\nTre   \r\n";
        QTest::newRow("side block shorter than the text")
            << "Uno\r\nDue\r\nTre\r\n"
            << "n\r\n"
            << false << "Uno   n\r\nDue   \r\nTre   \r\n";
        QTest::newRow("last lines without a line break are laid out")
            << "Uno\r\nDue"
            << "n1\r\nn2" << false << "Uno   n1\r\nDue   n2\r\n";
        QTest::newRow("a text of one line without a line break") << "Solo"
                                                                 << "Nota\r\n"
                                                                 << false << "Solo   Nota\r\n";
        QTest::newRow("side block only, empty text") << ""
                                                     << "Nota\r\n"
                                                     << false << "       Nota\r\n";
    }

    void affianca()
    {
        QFETCH(QString, A);
        QFETCH(QString, B);
        QFETCH(bool, narrow);
        QFETCH(QString, out);
        QCOMPARE(TwoColumns::Affianca(A, B, narrow), out);
    }

    // W is the widest cell of either part, capped at 44 (gap 2) and at 34 on a narrow
    // screen; a fitting row shows it as the place where the right column starts.
    void columnWidthAndGap_data()
    {
        QTest::addColumn<int>("widestLeft");
        QTest::addColumn<int>("widestRight");
        QTest::addColumn<bool>("narrow");
        QTest::addColumn<int>("rightStart");
        QTest::newRow("40: W 40, gap 3") << 40 << 1 << false << 43;
        QTest::newRow("40 narrow: W 34, gap 3") << 40 << 1 << true << 37;
        QTest::newRow("43: W 43, gap 3") << 43 << 1 << false << 46;
        QTest::newRow("44: W 44, gap 2") << 44 << 1 << false << 46;
        QTest::newRow("50: W 44, gap 2") << 50 << 1 << false << 46;
        QTest::newRow("50 narrow: W 34, gap 2") << 50 << 1 << true << 36;
        QTest::newRow("34 narrow: not capped") << 34 << 1 << true << 37;
        QTest::newRow("the side block's widest line counts") << 5 << 50 << false << 46;
        QTest::newRow("short lines") << 3 << 2 << false << 6;
    }

    void columnWidthAndGap()
    {
        QFETCH(int, widestLeft);
        QFETCH(int, widestRight);
        QFETCH(bool, narrow);
        QFETCH(int, rightStart);
        const QString A = QString(widestLeft, 'w') + "\r\nab\r\n";
        const QString B = QString(widestRight, 'v') + "\r\ncd\r\n";
        const QStringList lines = TwoColumns::Affianca(A, B, narrow).split("\r\n");
        // The second output line from the end is the fitting row "ab" / "cd".
        QCOMPARE(lines.last(), QString());
        QCOMPARE(lines[lines.size() - 2], pad("ab", rightStart) + "cd");
    }

    void aLongSideBlockIsShownWhole()
    {
        QString B;
        for (int k = 1; k <= 500; ++k)
            B += QStringLiteral("riga %1\r\n").arg(k);
        const QStringList lines =
            TwoColumns::Affianca("a1\r\na2\r\na3\r\n", B, false).split("\r\n");
        QCOMPARE(lines.size(), 501);
        QCOMPARE(lines[0], "a1" + blanks(9) + "riga 1");
        QCOMPARE(lines[2], "a3" + blanks(9) + "riga 3");
        QCOMPARE(lines[3], blanks(11) + "riga 4");
        QCOMPARE(lines[499], blanks(11) + "riga 500");
    }

    // Nothing of a 100,000-character word is lost: every piece is at most the column wide.
    void aVeryLongWordBesideASideBlock()
    {
        QString word;
        for (int i = 0; i < 100000; ++i)
            word += QChar(u'a' + i % 26);
        const QStringList lines = TwoColumns::Affianca(word, "nota\r\n", false).split("\r\n");
        QCOMPARE(lines.size(), 1 + 1 + (100000 - 44 + 41) / 42);
        QCOMPARE(lines[0], word.left(44) + "  nota");
        QString joined;
        for (qsizetype i = 0; i + 1 < lines.size(); ++i) {
            const QString left = lines[i].left(44);
            QVERIFY(lines[i].size() == 44 || i == 0);
            joined += left.trimmed();
        }
        QCOMPARE(joined, word);
    }

    void split_data()
    {
        QTest::addColumn<QString>("content");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("side");
        QTest::newRow("no separator") << "Uno\r\nDue\r\n"
                                      << "Uno\r\nDue\r\n"
                                      << "";
        QTest::newRow("empty line, separator, side block")
            << "Uno\r\nDue\r\n\r\n" + kSep + "\r\nNota 1\r\nNota 2\r\n"
            << "Uno\r\nDue"
            << "Nota 1\r\nNota 2\r\n";
        QTest::newRow("two empty lines: the text ends with its line break")
            << "Uno\r\n\r\n\r\n" + kSep + "\r\nNota\r\n"
            << "Uno\r\n"
            << "Nota\r\n";
        QTest::newRow("no empty line: two characters of the text go")
            << "Uno\r\nDue\r\n" + kSep + "\r\nNota\r\n"
            << "Uno\r\nD"
            << "Nota\r\n";
        QTest::newRow("file starts with CR LF and the separator") << "\r\n" + kSep + "\r\nNota\r\n"
                                                                  << ""
                                                                  << "Nota\r\n";
        QTest::newRow("one character before the line break") << "x\r\n" + kSep + "\r\nNota\r\n"
                                                             << ""
                                                             << "Nota\r\n";
        QTest::newRow("separator twice: the first counts")
            << "Uno\r\n\r\n" + kSep + "\r\nNota\r\n\r\n" + kSep + "\r\nAltro\r\n"
            << "Uno"
            << "Nota\r\n\r\n" + kSep + "\r\nAltro\r\n";
        QTest::newRow("file that is only the separator line") << kSep + "\r\n"
                                                              << kSep + "\r\n"
                                                              << "";
        QTest::newRow("ends with the separator line") << "Uno\r\n\r\n" + kSep << "Uno"
                                                      << "";
        QTest::newRow("ends with the separator line and its line break")
            << "Uno\r\n\r\n" + kSep + "\r\n"
            << "Uno"
            << "";
        QTest::newRow("15 blanks are no separator") << "Uno\r\n\r\n" + kSep.mid(1) + "\r\nNota\r\n"
                                                    << "Uno\r\n\r\n" + kSep.mid(1) + "\r\nNota\r\n"
                                                    << "";
        QTest::newRow("17 blanks are no separator") << "Uno\r\n\r\n " + kSep + "\r\nNota\r\n"
                                                    << "Uno\r\n\r\n " + kSep + "\r\nNota\r\n"
                                                    << "";
    }

    void split()
    {
        QFETCH(QString, content);
        QFETCH(QString, text);
        QFETCH(QString, side);
        const TextSplit::Parts parts = TextSplit::split(content);
        QCOMPARE(parts.text, text);
        QCOMPARE(parts.side, side);
    }

    // Files saved with LF line ends are split like the others once decoded.
    void splitAfterDecoding_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("side");
        const QByteArray sep = kSep.toLatin1();
        QTest::newRow("LF only") << "Uno\nDue\n\n" + sep + "\nNota\n"
                                 << "Uno\r\nDue"
                                 << "Nota\r\n";
        QTest::newRow("LF only, starting with the separator") << "\n" + sep + "\nNota\n"
                                                              << ""
                                                              << "Nota\r\n";
        QTest::newRow("windows-1252 with CR LF") << "Perch\xE9\r\n\r\n" + sep + "\r\nLa Re\r\n"
                                                 << "Perch\u00E9"
                                                 << "La Re\r\n";
    }

    void splitAfterDecoding()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        QFETCH(QString, side);
        const TextSplit::Parts parts = TextSplit::split(TextDecoder::decode(bytes));
        QCOMPARE(parts.text, text);
        QCOMPARE(parts.side, side);
    }

    void tracksCaption_data()
    {
        QTest::addColumn<int>("checked");
        QTest::addColumn<int>("rows");
        QTest::addColumn<qint64>("seconds");
        QTest::addColumn<int>("unknown");
        QTest::addColumn<QString>("caption");
        QTest::newRow("3723 s") << 3 << 12 << qint64(3723) << 0
                                << "&Brani Selezionati: 3 (su 12)  [1:02:03]";
        QTest::newRow("59 s and two unknown")
            << 3 << 12 << qint64(59) << 2 << "&Brani Selezionati: 3 (su 12)  [0:00:59 + 2x???]";
        QTest::newRow("nothing checked")
            << 0 << 12 << qint64(0) << 0 << "&Brani Selezionati: 0 (su 12)  [0:00:00]";
        QTest::newRow("only unknown")
            << 1 << 1 << qint64(0) << 1 << "&Brani Selezionati: 1 (su 1)  [0:00:00 + 1x???]";
        QTest::newRow("a day less a second")
            << 9 << 9 << qint64(86399) << 0 << "&Brani Selezionati: 9 (su 9)  [23:59:59]";
        QTest::newRow("hours are not padded nor wrapped")
            << 2000 << 2100 << qint64(360000) << 12
            << "&Brani Selezionati: 2000 (su 2100)  [100:00:00 + 12x???]";
    }

    void tracksCaption()
    {
        QFETCH(int, checked);
        QFETCH(int, rows);
        QFETCH(qint64, seconds);
        QFETCH(int, unknown);
        QFETCH(QString, caption);
        QCOMPARE(TextPaneState::tracksCaption(checked, rows, seconds, unknown), caption);
    }
};

QTEST_GUILESS_MAIN(TestTwoColumns)
#include "TestTwoColumns.moc"
