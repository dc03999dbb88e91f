#include "platform/TextDecoder.h"
#include "texts/TextLines.h"
#include "texts/TextSplit.h"
#include "texts/TwoColumns.h"

#include <QTest>

using vastrel::platform::TextDecoder;
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
        auto row = [](const char* name, const QString& A, const QString& B, const QString& out,
                      bool narrow = false) { QTest::newRow(name) << A << B << narrow << out; };
        const QString A = kPrima + "\r\n  Seconda\r\n";
        row("65 characters wrap at 44", A, "Accordi: La Re Mi\r\n",
            pad("Prima riga del testo, abbastanza lunga da", 44) + "  Accordi: La Re Mi\r\n" +
                pad("  dover andare a capo qui", 44) + "\r\n" + pad("  Seconda", 46) + "\r\n");
        row("65 characters wrap at 34 on a narrow screen", A, "n\r\n",
            pad("Prima riga del testo, abbastanza", 34) + "  n\r\n" +
                "  lunga da dover andare a capo qui\r\n" + pad("  Seconda", 36) + "\r\n",
            true);
        row("4 leading blanks: first after 4, continuation after 6", blanks(4) + kParole + "\r\n",
            "b\r\n",
            pad("    uno due tre quattro cinque sei sette", 44) + "  b\r\n" +
                pad("      otto nove dieci", 44) + "\r\n");
        row("a long word is cut hard at the column width", QString(100, 'x') + "\r\n", "n\r\n",
            QString(44, 'x') + "  n\r\n" + "  " + QString(42, 'x') + "\r\n" +
                pad("  " + QString(14, 'x'), 44) + "\r\n");
        row("empty line beside a line of the side block", "Uno\r\n\r\nTre\r\n", "b1\r\nb2\r\n",
            "Uno   b1\r\n      b2\r\nTre   \r\n");
    }

    void affianca()
    {
        QFETCH(QString, A);
        QFETCH(QString, B);
        QFETCH(bool, narrow);
        QFETCH(QString, out);
        QCOMPARE(TwoColumns::Affianca(A, B, narrow), out);
    }

    void split_data()
    {
        QTest::addColumn<QString>("content");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("side");
        auto row = [](const char* name, const QString& content, const QString& text,
                      const QString& side) { QTest::newRow(name) << content << text << side; };
        const QString sep = kSep + "\r\n";
        row("no separator", "Uno\r\nDue\r\n", "Uno\r\nDue\r\n", "");
        row("empty line, separator, side block", "Uno\r\nDue\r\n\r\n" + sep + "N 1\r\nN 2\r\n",
            "Uno\r\nDue", "N 1\r\nN 2\r\n");
        row("ends with the separator line", "Uno\r\n\r\n" + sep, "Uno", "");
        // Files saved with LF line ends are split like the others once decoded.
        row("LF only", "Uno\nDue\n\n" + kSep + "\nN\n", "Uno\r\nDue", "N\r\n");
        row("15 blanks are no separator", "Uno\r\n\r\n" + sep.mid(1) + "N\r\n",
            "Uno\r\n\r\n" + sep.mid(1) + "N\r\n", "");
    }

    void split()
    {
        QFETCH(QString, content);
        QFETCH(QString, text);
        QFETCH(QString, side);
        const TextSplit::Parts parts = TextSplit::split(TextDecoder::decode(content.toLatin1()));
        QCOMPARE(parts.text, text);
        QCOMPARE(parts.side, side);
    }

    // Notes wrap at word boundaries; the blank at a break stands for the line break.
    void wrap_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("columns");
        QTest::addColumn<QString>("lines"); // joined with "|"
        QTest::addColumn<int>("widest");
        QTest::newRow("at the last blank that fits")
            << "alba sul porto, alba leggera" << 14 << "alba sul|porto, alba|leggera" << 11;
        QTest::newRow("a blank where the line is full")
            << "alba sul porto" << 8 << "alba sul|porto" << 8;
        QTest::newRow("a longer word keeps its own line")
            << "a supercalifragilistico b" << 6 << "a|supercalifragilistico|b" << 21;
        QTest::newRow("a blank at the end makes no empty line")
            << "supercali " << 4 << "supercali " << 10;
        QTest::newRow("a tab takes its columns") << "\tuno due" << 10 << "\tuno|due" << 11;
        QTest::newRow("line breaks stay") << "uno due\ntre" << 3 << "uno|due|tre" << 3;
    }

    void wrap()
    {
        QFETCH(QString, text);
        QFETCH(int, columns);
        QFETCH(QString, lines);
        QFETCH(int, widest);
        vastrel::texts::TextLines t;
        t.setText(text, 3);
        t.setWrapColumns(columns);
        QStringList shown;
        for (int i = 0; i < t.lineCount(); ++i)
            shown.append(t.line(i).toString());
        QCOMPARE(shown.join('|'), lines);
        QCOMPARE(t.widestColumns(), widest);
    }
};

QTEST_GUILESS_MAIN(TestTwoColumns)
#include "TestTwoColumns.moc"
