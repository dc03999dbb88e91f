#include "catalogue/BracketTag.h"

#include <QTest>

using vastrel::catalogue::BracketTag;

class TestBracketTag : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void tags_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("tag");
        QTest::addColumn<bool>("albumFolder");

        QTest::newRow("year") << "[1979] Titolo"
                              << "[1979]" << true;
        QTest::newRow("one letter") << "[A] Uno"
                                    << "[A]" << true;
        QTest::newRow("five characters") << "[Live1] Concerto"
                                         << "[Live1]" << true;
        QTest::newRow("six characters") << "[Live12] Concerto"
                                        << "" << false;
        QTest::newRow("Varie") << "[Varie]"
                               << "[Varie]" << true;
        QTest::newRow("long") << "[Collezione completa]"
                              << "" << false;
        QTest::newRow("empty brackets") << "[] Vuoto"
                                        << "" << false;
        QTest::newRow("bracket at four, first at two") << "[]x] Prova"
                                                       << "" << true;
        QTest::newRow("no opening bracket") << "1979] Titolo"
                                            << "" << false;
        QTest::newRow("no closing bracket") << "[1979 Titolo"
                                            << "" << false;
        QTest::newRow("only the tag") << "[12]"
                                      << "[12]" << true;
        QTest::newRow("short name") << "["
                                    << "" << false;
        QTest::newRow("empty") << ""
                               << "" << false;
        QTest::newRow("leading blank") << " [1979] X"
                                       << "" << false;
        QTest::newRow("marker line with separator") << "\\[1979] A\\Brani\\x.mp3"
                                                    << "" << false;
        QTest::newRow("marker line") << "[1979] A\\Brani\\x.mp3"
                                     << "[1979]" << true;
    }

    void tags()
    {
        QFETCH(QString, name);
        QFETCH(QString, tag);
        QFETCH(bool, albumFolder);
        QCOMPARE(BracketTag::of(name), tag);
        QCOMPARE(BracketTag::isAlbumFolderName(name), albumFolder);
    }
};

QTEST_GUILESS_MAIN(TestBracketTag)
#include "TestBracketTag.moc"
