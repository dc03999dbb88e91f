#include "platform/Wildcard.h"

#include <QTest>

using vastrel::platform::Wildcard;

class TestWildcard : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void patterns_data()
    {
        QTest::addColumn<QString>("pattern");
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("matches");

        QTest::newRow("extension") << "*.txt"
                                   << "01 - Alba.txt" << true;
        QTest::newRow("extension any case") << "*.txt"
                                            << "NOTA.TXT" << true;
        QTest::newRow("marker lower case") << "*.VL"
                                           << "x.vl" << true;
        QTest::newRow("other extension") << "*.txt"
                                         << "a.txt.bak" << false;
        QTest::newRow("star dot star takes no extension") << "*.*"
                                                          << "LEGGIMI" << true;
        QTest::newRow("name dot star takes the bare name") << "Canzone.*"
                                                           << "canzone" << true;
        QTest::newRow("name dot star") << "Canzone.*"
                                       << "Canzone.mp3" << true;
        QTest::newRow("name dot star, other name") << "Canzone.*"
                                                   << "Canzone2.mp3" << false;
        QTest::newRow("several patterns, second") << "*.jpg;*.gif;*.bmp"
                                                  << "retro.GIF" << true;
        QTest::newRow("several patterns, none") << "*.jpg;*.gif;*.bmp"
                                                << "retro.png" << false;
        QTest::newRow("question mark") << "?.txt"
                                       << "a.txt" << true;
        QTest::newRow("question mark needs one") << "?.txt"
                                                 << ".txt" << false;
        QTest::newRow("tilde temp") << "~*.tmp"
                                    << "~vl123.TMP" << true;
        QTest::newRow("tilde temp needs tilde") << "~*.tmp"
                                                << "vl123.tmp" << false;
        QTest::newRow("star backtracking") << "*a*b"
                                           << "xaxxab" << true;
        QTest::newRow("accented letters ignore case") << "*È.txt"
                                                      << "perchè.txt" << true;
    }

    void patterns()
    {
        QFETCH(QString, pattern);
        QFETCH(QString, name);
        QFETCH(bool, matches);
        QCOMPARE(Wildcard(pattern).matches(name), matches);
    }

    void literalNamesAreNotPatterns_data()
    {
        QTest::addColumn<QString>("literal");
        QTest::addColumn<bool>("anythingAfter");
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("matches");

        QTest::newRow("star in a name") << "a*b.VL" << false << "axxb.VL" << false;
        QTest::newRow("star in a name, itself") << "a*b.VL" << false << "A*B.vl" << true;
        QTest::newRow("semicolon in a name") << "a;b.VL" << false << "a;b.vl" << true;
        QTest::newRow("question mark in a name") << "a?.VL" << false << "ab.VL" << false;
        QTest::newRow("stem with anything after")
            << "05 Canzone." << true << "05 canzone.mp3" << true;
        QTest::newRow("stem takes the bare name") << "05 Canzone." << true << "05 Canzone" << true;
        QTest::newRow("stem, longer name") << "05 Canzone." << true << "05 Canzoneb.mp3" << false;
    }

    void literalNamesAreNotPatterns()
    {
        QFETCH(QString, literal);
        QFETCH(bool, anythingAfter);
        QFETCH(QString, name);
        QFETCH(bool, matches);
        QCOMPARE(Wildcard::literal(literal, anythingAfter).matches(name), matches);
    }

    void hostileNameDoesNotExplode()
    {
        const QString name(100000, u'a');
        QVERIFY(!Wildcard(u"*a*a*a*a*a*b").matches(name));
    }
};

QTEST_GUILESS_MAIN(TestWildcard)
#include "TestWildcard.moc"
