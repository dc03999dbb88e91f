#include "catalogue/Collation.h"

#include <QTest>

using vastrel::catalogue::Collation;
using vastrel::catalogue::ListRow;

class TestCollation : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void sortsLikeAPersonWould_data()
    {
        QTest::addColumn<QStringList>("sorted");
        QTest::newRow("case is ignored") << QStringList{"alfa", "Beta", "gamma", "Zeta"};
        QTest::newRow("years") << QStringList{"[1979] Uno", "[1983] due", "[2001] Tre"};
        QTest::newRow("accents sort with their letter")
            << QStringList{"Citta", "Città", "Cittadella", "perche", "perché", "Perchè bis"};
        QTest::newRow("punctuation before digits before letters")
            << QStringList{"[Live] X", "_nota", "01 Alba", "Alba"};
        QTest::newRow("a blank sorts before every letter")
            << QStringList{"Alfa", "Alfa B", "AlfaB"};
        QTest::newRow("prefix first") << QStringList{"Mare", "Mareggiata"};
    }

    void sortsLikeAPersonWould()
    {
        QFETCH(QStringList, sorted);
        QStringList shuffled = sorted;
        std::reverse(shuffled.begin(), shuffled.end());
        std::sort(shuffled.begin(), shuffled.end(),
                  [](const QString& a, const QString& b) { return Collation::less(a, b); });
        QCOMPARE(shuffled, sorted);
    }

    void caseOnlyBreaksTies()
    {
        QVERIFY(Collation::compare(u"abc", u"ABC") != 0);
        QVERIFY(Collation::compare(u"abc", u"ABD") < 0);
        QVERIFY(Collation::compare(u"ABC", u"abd") < 0);
    }

    void rowsCompareAsTheirWholeTexts_data()
    {
        QTest::addColumn<QString>("fieldA");
        QTest::addColumn<QString>("pathA");
        QTest::addColumn<QString>("fieldB");
        QTest::addColumn<QString>("pathB");

        // Equal display texts fall back to the row paths.
        QTest::newRow("same title, paths decide") << "Alba  [1979]"
                                                  << "[1979] B/Testi/x.txt"
                                                  << "alba  [1979]"
                                                  << "[1979] A/Testi/x.txt";
        QTest::newRow("titles decide first") << "Alba  [1983]"
                                             << "[1983] Z/Testi/a.txt"
                                             << "Zeta  [1979]"
                                             << "[1979] A/Testi/z.txt";
        QTest::newRow("trailing blanks are padding") << "Alba"
                                                     << "p/2"
                                                     << "Alba  "
                                                     << "p/1";
    }

    void rowsCompareAsTheirWholeTexts()
    {
        QFETCH(QString, fieldA);
        QFETCH(QString, pathA);
        QFETCH(QString, fieldB);
        QFETCH(QString, pathB);
        const ListRow a(fieldA, pathA), b(fieldB, pathB);
        const int expected = Collation::compare(a.text(), b.text());
        QCOMPARE(Collation::compare(a, b), expected);
        QCOMPARE(Collation::compare(b, a), -expected);
        QVERIFY(expected != 0);
    }

    void rowTextIsFieldPaddedThenPath()
    {
        const ListRow row(QString(700, u'x'), "a/Testi/b.txt");
        QCOMPARE(row.text().size(), 666 + 13);
        QCOMPARE(row.text().mid(666), QString("a/Testi/b.txt"));
        QCOMPARE(row.field().size(), 666);
        const ListRow padded(u"Alba  [1979]  ", "p");
        QCOMPARE(padded.text(), QString("Alba  [1979]") + QString(654, u' ') + "p");
        QCOMPARE(padded.title(), QString("Alba  [1979]"));
        QVERIFY(ListRow(u"Alba  ", "p") == ListRow(u"Alba", "p"));
    }
};

QTEST_GUILESS_MAIN(TestCollation)
#include "TestCollation.moc"
