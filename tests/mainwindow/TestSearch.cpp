#include "mainwindow/PlainTextView.h"
#include "platform/Beeper.h"
#include "support/Collection.h"
#include "support/TrackWindow.h"

#include <QClipboard>
#include <QLabel>
#include <QPushButton>

using vastrel::platform::Beeper;
using vastrel::platform::Dialogs;

namespace {

const QString kTitleSearch = "Vastrel - Cerca tra i Titoli dei Brani";
const QString kPrompt = "Stringa da Cercare:";

QString notFound(const QString& s)
{
    return "La Stringa Cercata (\"" + s + "\") NON \u00C8 Stata Trovata.";
}

// Tracks without track files, each with the text "Testo <n>".
const QStringList kTitles = {
    "01 - Amore mio",
    "02 - Sole",
    "03 - L'AMORE perduto",
    "04 - Girasole",
    "05 - Solenne",
    "06 - Isola",
    "07 - Citt\u00E0 vuota",
    "08 - CITT\u00C0 piena",
    "09 - Canzone (live)",
    "10 - a*b",
    "11 - 100%1",
    "12 - back\\slash",
};

void titles(Collection& c)
{
    c.album("[1979] Uno");
    for (qsizetype i = 0; i < kTitles.size(); ++i)
        c.text(kTitles[i] + ".txt", QByteArray("Testo ") + QByteArray::number(i) + "\r\n");
}

QString textsOf(const QList<int>& rows)
{
    QStringList parts;
    for (int r : rows)
        parts.append(QStringLiteral("Testo %1\n").arg(r));
    return parts.join("\n\n\n\n");
}

// One album with one track whose text is the given one, checked.
struct PaneWindow : TrackWindow
{
    static const Collection& make(Collection& c, const QByteArray& text)
    {
        c.album("[1979] Uno").text("01 - Testo.txt", text).text("02 - Altro.txt", "sera\r\n");
        return c;
    }
    PaneWindow(Collection& c, const QByteArray& text) : TrackWindow(make(c, text))
    {
        clickCheckBox(albums(), 0);
        clickCheckBox(tracks(), 0);
    }
    vastrel::mainwindow::PlainTextView* view() const
    {
        return ui().txtBrani->findChild<vastrel::mainwindow::PlainTextView*>();
    }
    QPair<int, int> selection() const
    {
        return {ui().txtBrani->selectionStart(), ui().txtBrani->selectionLength()};
    }
    void searchText(const QString& answer)
    {
        dialogs.inputAnswers.append(answer);
        window().cmdCercaTesto_Click();
    }
    // cmdCercaTesto, cmdCopia, cmdSelTesto: 'x' enabled, '-' disabled.
    QString buttons() const
    {
        QString s;
        for (QPushButton* b : {ui().cmdCercaTesto, ui().cmdCopia, ui().cmdSelTesto})
            s += b->isEnabled() ? 'x' : '-';
        return s;
    }
};

using Selection = QPair<int, int>;

} // namespace

class TestSearch : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { Beeper::resetCount(); }

    void titleSearch_data()
    {
        QTest::addColumn<QString>("searched");
        QTest::addColumn<QList<int>>("found");
        QTest::newRow("lower case, any case, inside words") << "sole" << QList<int>{1, 3, 4};
        QTest::newRow("upper case") << "AMORE" << QList<int>{0, 2};
        QTest::newRow("accented, lower case") << "citt\u00E0" << QList<int>{6, 7};
        QTest::newRow("accented, upper case") << "CITT\u00C0" << QList<int>{6, 7};
        QTest::newRow("a blank inside") << "e mio" << QList<int>{0};
        QTest::newRow("parenthesis") << "(" << QList<int>{8};
        QTest::newRow("asterisk") << "*" << QList<int>{9};
        QTest::newRow("format marker") << "%1" << QList<int>{10};
        QTest::newRow("backslash") << "\\" << QList<int>{11};
        QTest::newRow("the bracket tag is part of the title")
            << "[1979]" << QList<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11};
    }

    // Every title that holds the string is checked, every other one unchecked, in one
    // rebuild; the pane shows exactly those texts.
    void titleSearch()
    {
        QFETCH(QString, searched);
        QFETCH(QList<int>, found);
        Collection c;
        titles(c);
        TrackWindow w(c);
        clickCheckBox(w.albums(), 0);
        QCOMPARE(w.tracks()->rows()->count(), kTitles.size());
        w.check(w.tracks(), {5, 6});
        clickRowText(w.tracks(), 5);
        Beeper::resetCount();

        w.dialogs.inputAnswers = {searched};
        w.ui().cmdCercaBrano->click();
        QCOMPARE(w.checkedRows(w.tracks()), found);
        QCOMPARE(w.pane(), textsOf(found));
        QCOMPARE(Beeper::count(), int(found.size()));
        QVERIFY(w.dialogs.messages.isEmpty());
        QVERIFY(w.opener.opened.isEmpty());
        QCOMPARE(w.tracks()->listIndex(), 5);
        QVERIFY(w.tracks()->hasFocus());
        QCOMPARE(w.state.modifierState, 0);

        QCOMPARE(w.dialogs.inputs.size(), 1);
        const auto& in = w.dialogs.inputs[0];
        QCOMPARE(in.title, kTitleSearch);
        QCOMPARE(in.prompt, kPrompt);
        QCOMPARE(in.defaultText, QString());
        const QPoint corner = w.window().geometry().topLeft() +
                              w.tracks()->mapTo(&w.window(), QPoint(0, 0)) + QPoint(2, 2);
        QCOMPARE(in.topLeft, corner);
    }

    void titleSearchCancelAndNotFound()
    {
        Collection c;
        titles(c);
        TrackWindow w(c);
        clickCheckBox(w.albums(), 0);
        w.dialogs.inputAnswers = {"sole", "", "nessuno"};
        w.ui().cmdCercaBrano->click();
        QCOMPARE(w.checkedRows(w.tracks()), QList<int>({1, 3, 4}));

        // Cancel (or OK on an empty field): marks and string stay.
        w.ui().cmdCercaBrano->click();
        QCOMPARE(w.dialogs.inputs[1].defaultText, QString("sole"));
        QCOMPARE(w.checkedRows(w.tracks()), QList<int>({1, 3, 4}));
        QVERIFY(w.dialogs.messages.isEmpty());
        QVERIFY(w.tracks()->hasFocus());

        // Not found: the message, and no track is left checked.
        w.ui().cmdCercaBrano->click();
        QCOMPARE(w.dialogs.inputs[2].defaultText, QString("sole"));
        QCOMPARE(w.checkedRows(w.tracks()), QList<int>{});
        QCOMPARE(w.dialogs.messages.size(), 1);
        QVERIFY(w.dialogs.messages[0].icon == Dialogs::Icon::Information);
        QCOMPARE(w.dialogs.messages[0].title, kTitleSearch);
        QCOMPARE(w.dialogs.messages[0].text, notFound("nessuno"));
        QVERIFY(!w.dialogs.messages[0].withCancel);
        QCOMPARE(w.ui().lblRTF->text(), QString("No&te degli Album Selezionati:"));
        QCOMPARE(w.ui().cmdSelBrani->toolTip(), QString(" Seleziona Tutti i Brani "));
        QVERIFY(!w.ui().cmdSuona->isEnabled());

        w.ui().cmdCercaBrano->click();
        QCOMPARE(w.dialogs.inputs[3].defaultText, QString("nessuno"));
    }

    // The search checks rows as with Ctrl: a Shift click before it does not make it play.
    void titleSearchNeverPlays()
    {
        Collection c;
        titles(c);
        c.track("02 - Sole.mp3", "abcdef");
        TrackWindow w(c);
        clickCheckBox(w.albums(), 0);
        clickCheckBox(w.tracks(), 1, Qt::ShiftModifier);
        QCOMPARE(w.opener.opened.size(), 1);
        w.dialogs.inputAnswers = {"sole"};
        w.ui().cmdCercaBrano->click();
        QCOMPARE(w.checkedRows(w.tracks()), QList<int>({1, 3, 4}));
        QCOMPARE(w.opener.opened.size(), 1);
        QCOMPARE(w.state.modifierState, 0);
    }

    void textSearchDialogFollowsThePane_data()
    {
        QTest::addColumn<QString>("intro");
        QTest::addColumn<int>("albums");
        QTest::addColumn<int>("tracks");
        QTest::addColumn<QString>("title");
        QTest::newRow("introduction") << "Benvenuti.\r\n"
                                      << 0 << 0 << "Vastrel - Cerca tra le Note Introduttive ";
        QTest::newRow("album notes")
            << "" << 1 << 0 << "Vastrel - Cerca tra le Note degli Album Selezionati ";
        QTest::newRow("texts") << "" << 1 << 1
                               << "Vastrel - Cerca tra i Testi dei Brani Selezionati ";
    }

    void textSearchDialogFollowsThePane()
    {
        QFETCH(QString, intro);
        QFETCH(int, albums);
        QFETCH(int, tracks);
        QFETCH(QString, title);
        Collection c;
        titles(c);
        TrackWindow w(c);
        w.state.introNotes = intro;
        w.window().Form_Activate();
        if (albums)
            clickCheckBox(w.albums(), 0);
        if (tracks)
            clickCheckBox(w.tracks(), 0);
        QVERIFY(w.ui().cmdCercaTesto->isEnabled());
        w.dialogs.inputAnswers = {"zzz"};
        w.ui().cmdCercaTesto->click();
        QCOMPARE(w.dialogs.inputs.size(), 1);
        QCOMPARE(w.dialogs.inputs[0].title, title);
        QCOMPARE(w.dialogs.inputs[0].prompt, kPrompt);
        const QPoint corner = w.window().geometry().topLeft() +
                              w.ui().txtBrani->mapTo(&w.window(), QPoint(0, 0)) + QPoint(3, 3);
        QCOMPARE(w.dialogs.inputs[0].topLeft, corner);
        QCOMPARE(w.dialogs.messages.size(), 1);
        QCOMPARE(w.dialogs.messages[0].title, title);
        QCOMPARE(w.dialogs.messages[0].text, notFound("zzz"));
        QVERIFY(w.dialogs.messages[0].icon == Dialogs::Icon::Information);
    }

    // A three-letter word twice, searched in upper case from the start: 1-3, 5-7, 1-3.
    void findNextWrapsAround()
    {
        Collection c;
        PaneWindow w(c, "tre tre");
        QCOMPARE(w.selection(), Selection(0, 0));
        w.searchText("TRE");
        QCOMPARE(w.selection(), Selection(0, 3));
        QCOMPARE(w.ui().txtBrani->selectedText(), QString("tre"));
        QVERIFY(w.ui().cmdCercaAvanti->isEnabled());
        w.ui().cmdCercaAvanti->click();
        QCOMPARE(w.selection(), Selection(4, 3));
        w.ui().cmdCercaAvanti->click();
        QCOMPARE(w.selection(), Selection(0, 3));
        QVERIFY(w.dialogs.messages.isEmpty());
        QVERIFY(w.ui().txtBrani->hasFocus());
        QCOMPARE(w.window().mousePointer(), 0);
    }

    // The selected match is skipped by one character only: overlapping matches are found.
    void overlappingMatches()
    {
        Collection c;
        PaneWindow w(c, "aaaa");
        w.searchText("AA");
        QCOMPARE(w.selection(), Selection(0, 2));
        w.ui().cmdCercaAvanti->click();
        QCOMPARE(w.selection(), Selection(1, 2));
        w.ui().cmdCercaAvanti->click();
        QCOMPARE(w.selection(), Selection(2, 2));
        w.ui().cmdCercaAvanti->click();
        QCOMPARE(w.selection(), Selection(0, 2));
        // A selection that is not the string: the search starts at its first character.
        w.ui().txtBrani->setSelection(1, 3);
        w.ui().cmdCercaAvanti->click();
        QCOMPARE(w.selection(), Selection(1, 2));
        QVERIFY(w.dialogs.messages.isEmpty());
    }

    void aSingleOccurrenceIsSelectedAgain()
    {
        Collection c;
        PaneWindow w(c, "uno\r\ndue\r\ntre\r\n");
        w.searchText("Due");
        QCOMPARE(w.selection(), Selection(4, 3));
        w.ui().cmdCercaAvanti->click();
        QCOMPARE(w.selection(), Selection(4, 3));
        QVERIFY(w.dialogs.messages.isEmpty());
        // Found again after the text was rebuilt.
        clickCheckBox(w.tracks(), 1, Qt::ControlModifier);
        w.ui().cmdCercaAvanti->click();
        QCOMPARE(w.selection(), Selection(4, 3));
    }

    void notFoundLeavesTheSelection()
    {
        Collection c;
        PaneWindow w(c, "uno due tre");
        w.searchText("due");
        w.searchText("quattro");
        QCOMPARE(w.selection(), Selection(4, 3));
        QCOMPARE(w.dialogs.messages.size(), 1);
        QCOMPARE(w.dialogs.messages[0].title,
                 QString("Vastrel - Cerca tra i Testi dei Brani Selezionati "));
        QCOMPARE(w.dialogs.messages[0].text, notFound("quattro"));
        QCOMPARE(w.dialogs.inputs[1].defaultText, QString("due"));
    }

    void cancelChangesNothing()
    {
        Collection c;
        PaneWindow w(c, "uno due tre");
        w.searchText("");
        QVERIFY(!w.ui().cmdCercaAvanti->isEnabled());
        QCOMPARE(w.ui().cmdCercaAvanti->toolTip(), QString(" Cerca la Prossima Occorrenza "));
        QVERIFY(w.ui().txtBrani->hasFocus());
        w.searchText("tre");
        w.searchText("");
        QCOMPARE(w.selection(), Selection(8, 3));
        QCOMPARE(w.dialogs.inputs[2].defaultText, QString("tre"));
        QVERIFY(w.dialogs.messages.isEmpty());
        w.ui().cmdCercaAvanti->click();
        QCOMPARE(w.selection(), Selection(8, 3));
    }

    void findNextTooltip_data()
    {
        QTest::addColumn<QString>("searched");
        QTest::addColumn<QString>("tip");
        const QString head = " Cerca la Prossima Occorrenza di \"";
        QTest::newRow("short") << "tre" << head + "tre\" ";
        const QString s28 = "abcdefghijklmnopqrstuvwxyz01";
        QTest::newRow("28 characters: 64, whole") << s28 << head + s28 + "\" ";
        QTest::newRow("29 characters: 61 and dots") << s28 + "2" << head + s28.left(27) + "...";
        QTest::newRow("1000 characters") << QString(1000, 'q') << head + QString(27, 'q') + "...";
    }

    void findNextTooltip()
    {
        QFETCH(QString, searched);
        QFETCH(QString, tip);
        Collection c;
        PaneWindow w(c, "uno due tre");
        w.searchText(searched);
        QCOMPARE(w.ui().cmdCercaAvanti->toolTip(), tip);
        QVERIFY(tip.size() <= 64);
    }

    // Search strings are plain text: no pattern or format characters, accents matched
    // without regard to case but not to the accent.
    void textSearchIsLiteral_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("searched");
        QTest::addColumn<int>("start");
        const QByteArray signs = "a (b) c*d 100%1 e\\f [g] .h ^$";
        QTest::newRow("(") << signs << "(" << 2;
        QTest::newRow("*") << signs << "*" << 7;
        QTest::newRow("%1") << signs << "%1" << 13;
        QTest::newRow("\\") << signs << "\\" << 17;
        QTest::newRow("[g]") << signs << "[g]" << 20;
        QTest::newRow(".h") << signs << ".h" << 24;
        QTest::newRow("^$") << signs << "^$" << 27;
        QTest::newRow("%1 absent") << signs << "%1x" << -1;
        QTest::newRow(".* absent") << signs << ".*" << -1;
        const QByteArray accents = "Perch\xC3\xA9 la CITT\xC3\x80 \xC3\xA8 viva";
        QTest::newRow("citt\u00E0") << accents << "citt\u00E0" << 10;
        QTest::newRow("PERCH\u00C9") << accents << "PERCH\u00C9" << 0;
        QTest::newRow("\u00C8 is not \u00E9") << accents << "\u00C8" << 16;
        const QByteArray longLine = "inizio " + QByteArray(1000, 'q') + " fine";
        QTest::newRow("1000 characters") << longLine << QString(1000, 'q') << 7;
        QTest::newRow("1000 characters absent") << longLine << QString(1001, 'q') << -1;
    }

    void textSearchIsLiteral()
    {
        QFETCH(QByteArray, text);
        QFETCH(QString, searched);
        QFETCH(int, start);
        Collection c;
        PaneWindow w(c, text);
        w.searchText(searched);
        if (start < 0) {
            QCOMPARE(w.selection(), Selection(0, 0));
            QCOMPARE(w.dialogs.messages.size(), 1);
            QCOMPARE(w.dialogs.messages[0].text, notFound(searched));
        } else {
            QCOMPARE(w.selection(), Selection(start, int(searched.size())));
            QVERIFY(w.dialogs.messages.isEmpty());
        }
    }

    // cmdCercaAvanti stays enabled: on an empty pane it finds nothing and says so.
    void findNextOnAnEmptyPane()
    {
        Collection c;
        PaneWindow w(c, "uno due");
        w.searchText("due");
        clickCheckBox(w.albums(), 0);
        QCOMPARE(w.pane(), QString());
        QVERIFY(w.ui().cmdCercaAvanti->isEnabled());
        w.ui().cmdCercaAvanti->click();
        QCOMPARE(w.dialogs.messages.size(), 1);
        QCOMPARE(w.dialogs.messages[0].title, QString("Vastrel - Cerca "));
        QCOMPARE(w.dialogs.messages[0].text, notFound("due"));
    }

    void copyPutsTheSelectionOnTheClipboard()
    {
        Collection c;
        PaneWindow w(c, "riga uno\r\nriga due\r\n");
        QGuiApplication::clipboard()->setText("prima");
        QTest::keyClick(w.view(), Qt::Key_End, Qt::ShiftModifier);
        QVERIFY(w.ui().cmdCopia->isEnabled());
        w.ui().cmdCopia->click();
        QCOMPARE(QGuiApplication::clipboard()->text(), QString("riga uno"));
        QVERIFY(w.ui().txtBrani->hasFocus());
        w.ui().cmdSelTesto->click();
        w.ui().cmdCopia->click();
        QCOMPARE(QGuiApplication::clipboard()->text(), QString("riga uno\nriga due\n"));
    }

    void selectAllOnAnEmptyPane()
    {
        Collection c;
        titles(c);
        TrackWindow w(c);
        QCOMPARE(w.pane(), QString());
        w.window().cmdSelTesto_Click();
        QCOMPARE(w.ui().txtBrani->selectionLength(), 0);
        for (QPushButton* b : {w.ui().cmdCercaTesto, w.ui().cmdCopia, w.ui().cmdSelTesto})
            QVERIFY(!b->isEnabled());
    }

    // The three text buttons follow the pane and its selection after each event.
    void textButtonsFollowThePane()
    {
        Collection c;
        PaneWindow w(c, "riga uno\r\nriga due\r\n");
        QCOMPARE(w.buttons(), QString("x-x"));
        w.ui().cmdSelTesto->click();
        QCOMPARE(w.selection(), Selection(0, 18));
        QCOMPARE(w.buttons(), QString("xx-"));
        QVERIFY(w.ui().txtBrani->hasFocus());
        // A click into the text: a caret, no selection.
        QTest::mouseClick(w.view()->viewport(), Qt::LeftButton, {}, QPoint(30, 5));
        QCOMPARE(w.ui().txtBrani->selectionLength(), 0);
        QCOMPARE(w.buttons(), QString("x-x"));
        // A selection made with the keyboard.
        QTest::keyClick(w.view(), Qt::Key_Down, Qt::ShiftModifier);
        QCOMPARE(w.buttons(), QString("xxx"));
        QTest::keyClick(w.view(), Qt::Key_Left);
        QCOMPARE(w.buttons(), QString("x-x"));
        // A double-click selects a word.
        QTest::mouseDClick(w.view()->viewport(), Qt::LeftButton, {}, QPoint(8, 5));
        QVERIFY(w.ui().txtBrani->selectionLength() > 0);
        QCOMPARE(w.buttons(), QString("xxx"));
        // Select all by the pane's own keys counts as all selected.
        QTest::keyClick(w.view(), Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(w.buttons(), QString("xx-"));
        // A match found leaves cmdCopia as it was until the next event in the pane.
        QTest::mouseClick(w.view()->viewport(), Qt::LeftButton, {}, QPoint(30, 5));
        w.searchText("due");
        QCOMPARE(w.selection(), Selection(14, 3));
        QCOMPARE(w.buttons(), QString("x-x"));
        QTest::keyClick(w.view(), Qt::Key_Shift);
        QCOMPARE(w.buttons(), QString("xxx"));
        // A rebuild: new text, no selection.
        clickCheckBox(w.tracks(), 1, Qt::ControlModifier);
        QCOMPARE(w.buttons(), QString("x-x"));
        // Nothing to show.
        clickCheckBox(w.albums(), 0);
        QCOMPARE(w.buttons(), QString("---"));
    }
};

QTEST_MAIN(TestSearch)
#include "TestSearch.moc"
