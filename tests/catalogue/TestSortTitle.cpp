#include "catalogue/SortTitle.h"

#include <QTest>

using vastrel::catalogue::SortTitle;

class TestSortTitle : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void sortTitle_data()
    {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("sortTitle");

        // The worked examples.
        QTest::newRow("07 - Titolo") << "07 - Titolo"
                                     << "Titolo";
        QTest::newRow("07.  Titolo") << "07.  Titolo"
                                     << "Titolo";
        QTest::newRow("07)  Titolo") << "07)  Titolo"
                                     << "Titolo";
        QTest::newRow("[A1] Titolo") << "[A1] Titolo"
                                     << "Titolo";
        QTest::newRow("7 - Titolo") << "7 - Titolo"
                                    << "7 - Titolo";
        QTest::newRow("Titolo") << "Titolo"
                                << "Titolo";
        QTest::newRow("00 - Intro") << "00 - Intro"
                                    << "Intro";

        // Bracket tag: 1 to 5 characters between the brackets, the rest trimmed of blanks.
        QTest::newRow("tag without blank") << "[A1]Titolo"
                                           << "Titolo";
        QTest::newRow("tag, blanks on both sides") << "[A1]   Titolo  "
                                                   << "Titolo";
        QTest::newRow("tag of 5 characters") << "[12345] Titolo"
                                             << "Titolo";
        QTest::newRow("6 characters between brackets") << "[123456] Titolo"
                                                       << "[123456] Titolo";
        QTest::newRow("empty brackets") << "[] - Titolo"
                                        << "[] - Titolo";
        QTest::newRow("only a tag") << "[A1]"
                                    << "[A1]";
        QTest::newRow("tag and blanks") << "[A1]   "
                                        << "";
        QTest::newRow("tag and a number: only the tag goes") << "[A1] 07 - Titolo"
                                                             << "07 - Titolo";
        QTest::newRow("tag trims blanks only, not tabs") << "[A1]\tTitolo"
                                                         << "\tTitolo";
        QTest::newRow("tag not at the start") << "Titolo [A1]"
                                              << "Titolo [A1]";

        // Track number: 6 characters at least.
        QTest::newRow("exactly 6 characters") << "01 - X"
                                              << "X";
        QTest::newRow("5 characters") << "01 - "
                                      << "01 - ";
        QTest::newRow("6 characters, nothing after the separator") << "01 -  "
                                                                   << "";
        QTest::newRow("blanks after the separator trimmed") << "01 -    Titolo  "
                                                            << "Titolo";
        QTest::newRow("tab after the separator kept") << "01 - \tTitolo"
                                                      << "\tTitolo";

        // The first two characters read as a number.
        QTest::newRow("leading blank: ' 1' reads as 1") << " 1 - X"
                                                        << "X";
        QTest::newRow("leading blank: ' 0' reads as 0") << " 0 - X"
                                                        << " 0 - X";
        QTest::newRow("leading tab: read as 1") << "\t1 - X"
                                                << "X";
        QTest::newRow("negative") << "-1 - X"
                                  << "-1 - X";
        QTest::newRow("plus sign") << "+1 - X"
                                   << "X";
        QTest::newRow("decimal point: .5") << ".5 - X"
                                           << "X";
        QTest::newRow("0 and a letter") << "0A - X"
                                        << "X";
        QTest::newRow("digit and a letter") << "1A - X"
                                            << "X";
        QTest::newRow("&H without digits") << "&H - X"
                                           << "&H - X";
        QTest::newRow("&O without digits") << "&O - X"
                                           << "&O - X";
        QTest::newRow("letters") << "AB - Titolo"
                                 << "AB - Titolo";
        QTest::newRow("fullwidth digits are no number")
            << QString::fromUtf8("０７ - X") << QString::fromUtf8("０７ - X");
        QTest::newRow("three digits") << "100 - Titolo"
                                      << "100 - Titolo";

        // Characters 3 to 5: a substring of " - |.  |)  ".
        QTest::newRow("no blank before the dash") << "07- Titolo"
                                                  << "07- Titolo";
        QTest::newRow("no blank after the dash") << "07 -Titolo"
                                                 << "07 -Titolo";
        QTest::newRow("point and one blank") << "07. Titolo"
                                             << "07. Titolo";
        QTest::newRow("parenthesis and one blank") << "07) Titolo"
                                                   << "07) Titolo";
        QTest::newRow("en dash") << QString::fromUtf8("07 – Titolo")
                                 << QString::fromUtf8("07 – Titolo");
        QTest::newRow("'- |' spans two choices") << "07- |Titolo"
                                                 << "Titolo";
        QTest::newRow("'  |' spans two choices") << "07  |Titolo"
                                                 << "Titolo";
        QTest::newRow("empty") << ""
                               << "";
    }

    void sortTitle()
    {
        QFETCH(QString, title);
        QFETCH(QString, sortTitle);
        QCOMPARE(SortTitle::of(title), sortTitle);
    }
};

QTEST_GUILESS_MAIN(TestSortTitle)
#include "TestSortTitle.moc"
