// At the music stand: the pane's text zoom from the main window's keys and the wheel, and the
// reading view, opened with Ctrl+L and driven with its keys on the real windows.

#include "platform/Beeper.h"
#include "support/Collection.h"
#include "support/ListClicks.h"
#include "support/MainWindowFixture.h"
#include "ui/PlainTextView.h"
#include "ui/TextPane.h"
#include "ui/frmLeggio.h"

#include <QApplication>
#include <QKeySequence>
#include <QTest>
#include <QTextEdit>
#include <QTextFragment>

using vastrel::platform::Beeper;
using vastrel::ui::frmLeggio;

namespace {

const QByteArray kSide = "\r\n                -+----+---------+----+-\r\n";
const QString kRtf = "{\\rtf1\\ansi {\\fs24 Benvenuti} nella collezione\\par}";

// One album: a song with chords, one of 80 short lines, a short one; its note.
void fill(Collection& c)
{
    QByteArray bosco;
    for (int i = 1; i <= 80; ++i)
        bosco += "riga " + QByteArray::number(i) + " del bosco\r\n";
    c.album("[A] Uno")
        .text("01 - Alfa.txt", "Alfa prima\r\nseconda riga\r\n" + kSide + "Re La\r\nMi7\r\n")
        .text("02 - Bosco.txt", bosco)
        .text("03 - Cielo.txt", "Cielo\r\n")
        .text("Nota.txt", "Nota di Uno\r\n");
}

// The main window with the three songs checked ("tracks"), the album alone ("notes"), an
// introduction in RTF and nothing checked ("rtf"), or nothing at all ("nothing").
struct Stand : MainWindowFixture
{
    Stand(const Collection& c, const QString& shows) : MainWindowFixture(c)
    {
        if (shows == "rtf")
            session().setIntroduction(kRtf);
        window().selectShowFilter(vastrel::catalogue::ShowFilter::Everything);
        window().Form_Activate();
        window().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window()));
        if (shows == "tracks" || shows == "notes")
            clickCheckBox(ui().lstAlbum, 0);
        if (shows == "tracks") {
            for (int track : {0, 1, 2})
                clickCheckBox(ui().lstBrani, track, Qt::ControlModifier);
        }
        ui().txtBrani->setSelection(2, 5);
        dialogs.messageAnswers = QList<bool>(10, false);
    }

    frmLeggio* reading() { return window().findChild<frmLeggio*>(); }

    // "Ctrl+L PgDown", "@lstBrani Ctrl++", "Wheel:120" (turned with Ctrl over the pane),
    // each to the active window as the keyboard sends it.
    void type(const QString& keys)
    {
        for (const QString& k : keys.split(' ', Qt::SkipEmptyParts)) {
            if (k.startsWith('@')) {
                window().findChild<QWidget*>(k.mid(1))->setFocus();
            } else if (k.startsWith("Wheel:")) {
                QWidget* view = ui().txtBrani->findChild<vastrel::ui::PlainTextView*>()->viewport();
                QWheelEvent wheel(QPointF(5, 5), view->mapToGlobal(QPointF(5, 5)), {},
                                  QPoint(0, k.mid(6).toInt()), Qt::NoButton, Qt::ControlModifier,
                                  Qt::NoScrollPhase, false);
                QApplication::sendEvent(view, &wheel);
            } else {
                const QKeyCombination key = QKeySequence(k)[0];
                QWidget* target = reading() ? static_cast<QWidget*>(reading()) : &window();
                QTest::keyClick(target->windowHandle(), key.key(), key.keyboardModifiers());
            }
        }
    }

    // What the user can see of the main window.
    QStringList snapshot()
    {
        const QWidget* focus = QApplication::focusWidget();
        return {focus ? focus->objectName() + focus->parentWidget()->objectName() : "",
                QString::number(ui().txtBrani->selectionStart()),
                QString::number(ui().txtBrani->selectionLength()),
                QString::number(ui().txtBrani->plainText().size()),
                QString::number(ui().txtBrani->pointSize()),
                QString::number(ui().txtBrani->geometry().width()),
                QString::number(window().width()),
                QString::number(opener.opened.size()),
                QString::number(dialogs.messages.size())};
    }
};

// The lines of the song on show in the reading view.
QString shown(const frmLeggio& reading)
{
    const auto& pages = reading.layout()->songPages(reading.place().song());
    const int page = reading.place().page();
    return pages.lines()
        .mid(pages.firstLine(page), pages.endLine(page) - pages.firstLine(page))
        .join('\n');
}

} // namespace

class TestReadingView : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        Beeper::setSound([] {});
    }

    // The pane's text in percent of its size from the keys, wherever the focus is, and the
    // wheel with Ctrl; nothing else of the window changes, nothing plays or closes.
    void paneZoom_data()
    {
        QTest::addColumn<QString>("shows");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<int>("percent");
        QTest::newRow("Ctrl++") << "tracks"
                                << "Ctrl++" << 110;
        QTest::newRow("Ctrl+Shift++") << "tracks"
                                      << "Ctrl+Shift++" << 110;
        QTest::newRow("Ctrl+=") << "tracks"
                                << "Ctrl+=" << 110;
        QTest::newRow("Ctrl+- on the track list") << "tracks"
                                                  << "@lstBrani Ctrl+-" << 90;
        QTest::newRow("Ctrl+0 on the pane") << "tracks"
                                            << "@txtBrani Ctrl++ Ctrl++ Ctrl+0" << 100;
        QTest::newRow("no larger than 400") << "tracks" << QString("Ctrl++ ").repeated(15) << 400;
        QTest::newRow("wheel, two notches up") << "tracks"
                                               << "Wheel:240" << 125;
        QTest::newRow("wheel, half notches add up") << "tracks"
                                                    << "Wheel:-60 Wheel:-60" << 90;
        QTest::newRow("an RTF note") << "rtf"
                                     << "Ctrl++ Ctrl++" << 125;
        QTest::newRow("plain + and - are no zoom keys") << "tracks"
                                                        << "@lstBrani + -" << 100;
    }

    void paneZoom()
    {
        QFETCH(QString, shows);
        QFETCH(QString, keys);
        QFETCH(int, percent);
        Collection c;
        fill(c);
        Stand s(c, shows);
        QStringList before = s.snapshot();
        s.type(keys);
        QStringList after = s.snapshot();
        QCOMPARE(after.takeAt(4).toDouble(), 9.0 * percent / 100);
        before.removeAt(4);
        if (keys.startsWith('@'))
            before[0] = after[0];
        QCOMPARE(after, before);
        QCOMPARE(s.state().textZoom, percent);
        if (shows == "rtf") {
            const QTextEdit* rich = s.ui().txtBrani->findChild<QTextEdit*>();
            QCOMPARE(rich->document()->begin().begin().fragment().charFormat().fontPointSize(),
                     12.0 * percent / 100);
        }
    }

    // Keys typed into the reading view opened with Ctrl+L: the footer they leave, text of the
    // page on show and text that it does not show. An empty footer: the view is closed.
    void keys_data()
    {
        QTest::addColumn<QString>("shows");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("footer");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("hidden");
        const auto row = [](const char* shows, const char* keys, const char* footer,
                            const char* shown = "", const char* hidden = "\t") {
            QTest::newRow(keys) << shows << keys << footer << shown << hidden;
        };
        row("tracks", "", "Brano 1 di 3 - pagina 1 di 1", "Re La");
        row("tracks", "PgDown", "Brano 2 di 3 - pagina 1 di 7", "riga 12 ", "riga 13 ");
        row("tracks", "Space Right Down", "Brano 2 di 3 - pagina 3 di 7", "riga 25 ");
        row("tracks", "N N N", "Brano 3 di 3 - pagina 1 di 1", "Cielo");
        row("tracks", "End PgUp", "Brano 2 di 3 - pagina 7 di 7", "riga 80 ");
        row("tracks", "End Backspace Left Up", "Brano 2 di 3 - pagina 5 di 7");
        row("tracks", "N Down Home", "Brano 1 di 3 - pagina 1 di 1");
        row("tracks", "N Down Down P", "Brano 1 di 3 - pagina 1 di 1");
        row("tracks", "N Down Down +", "Brano 2 di 3 - pagina 3 di 8", "riga 25 ");
        row("tracks", "N Down Down - -", "Brano 2 di 3 - pagina 2 di 6", "riga 25 ");
        row("tracks", "N Down Down + 0", "Brano 2 di 3 - pagina 3 di 7", "riga 25 ");
        row("tracks", "C", "Brano 1 di 3 - pagina 1 di 1", "seconda riga", "Re La");
        row("tracks", "C C", "Brano 1 di 3 - pagina 1 di 1", "Re La");
        row("tracks", "Return F2 F10 Shift+Esc L", "Brano 1 di 3 - pagina 1 di 1");
        row("tracks", "Esc", "");
        row("tracks", "PgDown Ctrl+L", "");
        row("notes", "", "Pagina 1 di 1");
        row("rtf", "PgDown", "Pagina 1 di 1");
    }

    void keys()
    {
        QFETCH(QString, shows);
        QFETCH(QString, keys);
        QFETCH(QString, footer);
        QFETCH(QString, shown);
        QFETCH(QString, hidden);
        Collection c;
        fill(c);
        Stand s(c, shows);
        s.ui().lstBrani->setFocus();
        const QStringList before = s.snapshot();
        s.type("Ctrl+L");
        QVERIFY(s.reading() && s.reading()->isVisible());
        QVERIFY(s.reading()->isFullScreen());
        QCOMPARE(s.reading()->windowModality(), Qt::ApplicationModal);
        s.type(keys);
        if (footer.isEmpty()) {
            QTRY_VERIFY(!s.reading());
            QCOMPARE(s.snapshot(), before);
            return;
        }
        const frmLeggio& reading = *s.reading();
        QCOMPARE(reading.place().footer(), footer);
        QVERIFY(s.opener.opened.isEmpty() && s.dialogs.messages.isEmpty());
        if (shows == "tracks") {
            QVERIFY2(shown.isEmpty() || ::shown(reading).contains(shown), qPrintable(shown));
            QVERIFY(!::shown(reading).contains(hidden));
        }
    }

    // With nothing in the pane, Ctrl+L beeps and opens nothing.
    void nothingToRead()
    {
        Collection c;
        fill(c);
        Stand s(c, "nothing");
        Beeper::resetCount();
        s.type("Ctrl+L");
        QCOMPARE(Beeper::count(), 1);
        QVERIFY(!s.reading());
    }

    // The view takes the desktop's colours, dark ones too, and hides the resting pointer
    // until it moves.
    void coloursAndPointer()
    {
        Collection c;
        fill(c);
        Stand s(c, "tracks");
        const QPalette light = QApplication::palette();
        QPalette dark = light;
        dark.setColor(QPalette::Base, QColor(20, 20, 30));
        dark.setColor(QPalette::Text, QColor(230, 230, 200));
        QApplication::setPalette(dark);
        s.type("Ctrl+L");
        const QImage screen = s.reading()->grab().toImage();
        QApplication::setPalette(light);
        QCOMPARE(screen.pixelColor(1, 1), dark.color(QPalette::Base));
        bool inked = false;
        for (int y = 0; y < screen.height() && !inked; ++y) {
            for (int x = 0; x < screen.width() && !inked; ++x)
                inked = screen.pixelColor(x, y) == dark.color(QPalette::Text);
        }
        QVERIFY(inked);
        QTRY_COMPARE_WITH_TIMEOUT(s.reading()->cursor().shape(), Qt::BlankCursor,
                                  frmLeggio::kIdlePointerMs + 2000);
        QTest::mouseMove(s.reading()->windowHandle(), QPoint(50, 50));
        QTRY_COMPARE(s.reading()->cursor().shape(), Qt::ArrowCursor);
    }
};

QTEST_MAIN(TestReadingView)
#include "TestReadingView.moc"
