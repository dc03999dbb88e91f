// The main window from the keyboard: the key table on the real window, the access keys, the
// tab order, and the About picture.

#include "ui/frmInfo.h"
#include "ui/ImageControl.h"
#include "ui/TextPane.h"
#include "support/Collection.h"
#include "support/ListClicks.h"
#include "support/MainWindowFixture.h"

#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

using vastrel::ui::frmInfo;
using vastrel::ui::CheckList;
using vastrel::ui::frmVL;

namespace {

// "Ctrl+Alt+E", "F11", "Escape": one key with its modifiers.
std::pair<Qt::Key, Qt::KeyboardModifiers> parseKey(const QString& text)
{
    QStringList parts = text.split('+');
    const QString key = parts.takeLast();
    Qt::KeyboardModifiers modifiers;
    for (const QString& m : parts)
        modifiers |= m == "Shift"  ? Qt::ShiftModifier
                     : m == "Ctrl" ? Qt::ControlModifier
                                   : Qt::AltModifier;
    if (key == "Escape")
        return {Qt::Key_Escape, modifiers};
    if (key.startsWith('F') && key.size() > 1)
        return {Qt::Key(Qt::Key_F1 + key.mid(1).toInt() - 1), modifiers};
    return {Qt::Key(Qt::Key_A + (key[0].unicode() - 'A')), modifiers};
}

void collection(Collection& c)
{
    c.album("[A] Uno").text("01 - Alfa.txt", "alfa e beta\r\n").track("01 - Alfa.mp3");
    c.text("02 - Bosco.txt", "bosco\r\n").track("02 - Bosco.mp3");
    c.text("03 - Cielo.txt", "cielo\r\n").track("03 - Cielo.mp3");
    c.picture("a.jpg", "x");
    c.album("[B] Due").text("01 - Dora.txt").track("01 - Dora.mp3");
}

// The real main window with its About window, one album and one track checked, and the
// focus on the album list.
struct Window : MainWindowFixture
{
    explicit Window(const Collection& c)
        : MainWindowFixture(c), about(state, dialogs, QIcon()), closer(new QObject)
    {
        window().setAboutWindow(&about);
        window().selectShowFilter(2);
        window().Form_Activate();
        window().resize(600, 420);
        window().activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&window()));
        clickCheckBox(ui().lstAlbum, 0);
        clickCheckBox(ui().lstBrani, 0);
        ui().lstAlbum->setFocus();
        // The close question is always answered "no".
        dialogs.messageAnswers = QList<bool>(100, false);
    }

    // Closes the About window as soon as it is shown modally, noting what the user saw. The
    // window lets events run once before it shows the About window, so this looks a while.
    void closeAboutWhenShown(int tries = 50)
    {
        QTimer::singleShot(tries == 50 ? 0 : 10, closer.get(), [this, tries] {
            auto* modal = qobject_cast<frmInfo*>(QApplication::activeModalWidget());
            if (!modal) {
                if (tries > 0)
                    closeAboutWhenShown(tries - 1);
                return;
            }
            ++aboutShowings;
            aboutFrame = modal->frameGeometry();
            infoPictureVisible = ui().imgInfo->isVisible();
            QTest::mouseClick(modal->findChild<QPushButton*>("cmdOK"), Qt::LeftButton);
        });
    }

    void type(const QString& keys)
    {
        for (const QString& k : keys.split(' ')) {
            const auto [key, modifiers] = parseKey(k);
            closeAboutWhenShown();
            QWidget* target = QApplication::focusWidget();
            QTest::keyClick(target ? target : &window(), key, modifiers);
        }
    }

    // What the user can see change, by name.
    QMap<QString, QString> snapshot()
    {
        const auto count = [](const CheckList* list) {
            return QString::number(list->rows()->checkedCount());
        };
        return {{"albums", count(ui().lstAlbum)},
                {"albums tip", ui().cmdSelAlbum->toolTip()},
                {"tracks", count(ui().lstBrani)},
                {"tracks tip", ui().cmdSelBrani->toolTip()},
                {"order", ui().chkOrdinaAZ->isChecked() ? "AZ" : "cron"},
                {"pane", QString::number(state.paneMode)},
                {"half", ui().imgEC[1]->isVisible() ? "half" : "full"},
                {"played", QString::number(opener.opened.size())},
                {"asked", QString::number(dialogs.inputs.size())},
                {"close question", QString::number(dialogs.messages.size())},
                {"about", QString::number(aboutShowings)},
                {"selection", QString::number(ui().txtBrani->selectionLength())},
                {"clipboard", QGuiApplication::clipboard()->text()}};
    }

    frmInfo about;
    std::unique_ptr<QObject> closer;
    int aboutShowings = 0;
    QRect aboutFrame;
    bool infoPictureVisible = true;
};

QWidget* focused()
{
    return QApplication::focusWidget();
}

bool holdsFocus(const QWidget* control)
{
    const QWidget* f = focused();
    return f && (f == control || control->isAncestorOf(f));
}

} // namespace

class TestKeyboard : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { QGuiApplication::clipboard()->clear(); }

    // Each row types keys on the real window and names what changes; nothing else may.
    void commands_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QStringList>("changes");
        const auto row = [](const char* keys, QStringList changes) {
            QTest::newRow(keys) << QString::fromLatin1(keys) << changes;
        };
        row("F1", {"albums", "albums tip"});
        row("Shift+F1", {"albums tip"});
        row("F2", {"played"});
        row("Ctrl+F2", {});
        row("F3", {"tracks", "tracks tip"});
        row("Alt+F3", {"tracks tip"});
        row("F4", {"asked"});
        row("Shift+F4", {});
        row("Ctrl+F4", {});
        row("Alt+Shift+F4", {});
        row("F5", {"order"});
        row("Ctrl+F5", {});
        row("F6", {"selection"});
        row("F6 F7", {"selection", "clipboard"});
        row("F7", {});
        row("F8", {"asked"});
        row("F9", {});
        row("Shift+F6", {});
        row("Alt+F8", {});
        row("F10", {"pane"});
        row("Alt+F10", {});
        row("F11", {"half"});
        row("Shift+F11", {"half"});
        row("F11 Ctrl+F11", {});
        row("F12", {"about"});
        row("Ctrl+F12", {"about"});
        row("Alt+I", {"about"});
        row("Shift+I", {"about"});
        row("I", {});
        row("Escape", {"close question"});
        row("Shift+Escape", {});
        row("Ctrl+Escape", {});
        row("Alt+Escape", {});
        for (const char* letter : {"C", "X", "Q", "E", "Z"}) {
            for (const char* prefix : {"Shift+", "Ctrl+", "Alt+", "Ctrl+Alt+"})
                QTest::newRow(QByteArray(prefix) + letter)
                    << QString::fromLatin1(QByteArray(prefix) + letter)
                    << QStringList{"close question"};
            QTest::newRow(letter) << QString::fromLatin1(letter) << QStringList();
        }
    }

    void commands()
    {
        QFETCH(QString, keys);
        QFETCH(QStringList, changes);
        Collection c;
        collection(c);
        Window w(c);
        const auto before = w.snapshot();
        w.type(keys);
        const auto after = w.snapshot();
        for (auto it = before.cbegin(); it != before.cend(); ++it) {
            const bool changed = after[it.key()] != it.value();
            QVERIFY2(changed == changes.contains(it.key()),
                     qPrintable(it.key() + ": " + it.value() + " -> " + after[it.key()]));
        }
        QVERIFY(w.window().isVisible());
    }

    void escapeAsksBeforeClosing()
    {
        Collection c;
        collection(c);
        Window w(c);
        w.type("Escape");
        QCOMPARE(w.dialogs.messages.size(), 1);
        QCOMPARE(w.dialogs.messages[0].title, QString("Vastrel - Chiudi"));
        QCOMPARE(w.dialogs.messages[0].text, QString("Chiudere \"Vastrel - by Korvi\"?"));
        QVERIFY(w.window().isVisible());
    }

    // A key the table consumes never reaches the focused list: plain C does not search the
    // titles of the track list, B does.
    void consumedKeysNeverReachTheList_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<bool>("reaches");
        QTest::newRow("B") << "B" << true;
        QTest::newRow("Alt+F4") << "Alt+F4" << true;
        QTest::newRow("Ctrl+Y") << "Ctrl+Y" << true;
        for (const char* consumed : {"C", "X", "Q", "E", "Z", "I", "Shift+Escape", "Alt+Shift+F4",
                                     "Ctrl+F2", "F9", "Alt+F10"})
            QTest::newRow(consumed) << QString::fromLatin1(consumed) << false;
    }

    void consumedKeysNeverReachTheList()
    {
        QFETCH(QString, keys);
        QFETCH(bool, reaches);
        Collection c;
        collection(c);
        Window w(c);
        w.ui().chkOrdinaAZ->click(); // titles first: "Alfa", "Bosco", "Cielo", "Dora"
        CheckList* tracks = w.ui().lstBrani;
        tracks->setFocus();
        tracks->setListIndex(0);
        QSignalSpy seen(tracks, &CheckList::keyDown);
        w.type(keys);
        const int key = parseKey(keys).first;
        const auto ofTheKey = std::count_if(seen.cbegin(), seen.cend(), [key](const auto& args) {
            return args.at(0).toInt() == key;
        });
        QCOMPARE(ofTheKey, reaches ? 1 : 0);
        if (keys == "B")
            QCOMPARE(tracks->listIndex(), 1);
        else
            QCOMPARE(tracks->listIndex(), 0);
        QVERIFY(w.dialogs.messages.isEmpty());
    }

    // The access keys of the labels move the focus to the control each label names.
    void accessKeys_data()
    {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("control");
        QTest::newRow("Alt+A") << "Alt+A"
                               << "lblAlbum"
                               << "lstAlbum";
        QTest::newRow("Alt+B") << "Alt+B"
                               << "lblBrani"
                               << "lstBrani";
        QTest::newRow("Alt+M") << "Alt+M"
                               << "lblMostra"
                               << "cboMostra";
        QTest::newRow("Alt+T") << "Alt+T"
                               << "lblRTF"
                               << "txtBrani";
    }

    void accessKeys()
    {
        QFETCH(QString, keys);
        QFETCH(QString, label);
        QFETCH(QString, control);
        Collection c;
        collection(c);
        Window w(c);
        const auto* l = w.window().findChild<QLabel*>(label);
        const QChar letter = keys.back();
        QVERIFY2(l->text().contains(u'&' + letter, Qt::CaseInsensitive), qPrintable(l->text()));
        w.ui().cmdCopertina->setFocus();
        w.type(keys);
        QVERIFY2(holdsFocus(w.window().findChild<QWidget*>(control)),
                 focused() ? focused()->objectName().toLatin1().constData() : "no focus");
        QCOMPARE(w.aboutShowings, 0);
    }

    // Alt+I is both the picture list's access key and a key of the table: the table wins,
    // the About window opens and the focus stays where it was.
    void altIOpensTheAboutWindowAndKeepsTheFocus()
    {
        Collection c;
        collection(c);
        Window w(c);
        QVERIFY(w.ui().lblJPEG->text().startsWith("&Immagin"));
        QVERIFY(w.ui().lstJPEG->isVisible());
        w.ui().lstBrani->setFocus();
        w.type("Alt+I");
        QCOMPARE(w.aboutShowings, 1);
        // The window's own focus; which window is active afterwards is the platform's.
        QCOMPARE(w.window().focusWidget(), static_cast<QWidget*>(w.ui().lstBrani));
    }

    // Tab and Shift+Tab go through the visible, enabled controls in the designed order.
    void tabOrder_data()
    {
        QTest::addColumn<int>("pane");
        QTest::newRow("texts and pictures") << 0;
        QTest::newRow("texts only") << 1;
        QTest::newRow("pictures only") << 3;
    }

    void tabOrder()
    {
        QFETCH(int, pane);
        Collection c;
        collection(c);
        Window w(c);
        while (w.state.paneMode != pane)
            QTest::mouseClick(w.ui().cmdCopertina, Qt::LeftButton);
        const QStringList order = {"lstAlbum",     "lstBrani",    "cboMostra",     "cmdSelAlbum",
                                   "cmdSuona",     "cmdSelBrani", "cmdCercaBrano", "chkOrdinaAZ",
                                   "cmdSelTesto",  "cmdCopia",    "cmdCercaTesto", "cmdCercaAvanti",
                                   "cmdCopertina", "lstJPEG",     "txtBrani"};
        QStringList expected;
        for (const QString& name : order) {
            const auto* control = w.window().findChild<QWidget*>(name);
            if (control->isVisible() && control->isEnabled())
                expected.append(name);
        }
        QVERIFY(expected.size() >= 10);
        // The name of the control that holds the focus (a view inside the text pane counts
        // as the pane).
        const auto holder = [&] {
            for (const QString& name : order) {
                if (holdsFocus(w.window().findChild<QWidget*>(name)))
                    return name;
            }
            return focused() ? "other: " + focused()->objectName() : QString("none");
        };
        w.ui().lstAlbum->setFocus();
        QStringList forwards = {holder()};
        for (int i = 1; i < expected.size() + 1; ++i) {
            QTest::keyClick(focused(), Qt::Key_Tab);
            forwards.append(holder());
        }
        QCOMPARE(forwards, expected + QStringList{expected.front()});
        QStringList backwards = {holder()};
        for (int i = 1; i < expected.size() + 1; ++i) {
            QTest::keyClick(focused(), Qt::Key_Backtab, Qt::ShiftModifier);
            backwards.prepend(holder());
        }
        QCOMPARE(backwards, expected + QStringList{expected.front()});
    }

    // Where the About window goes: centred over the main window, not above its client area,
    // kept on the screen.
    void aboutPosition_data()
    {
        QTest::addColumn<QRect>("main");
        QTest::addColumn<QSize>("about");
        QTest::addColumn<QSize>("screen");
        QTest::addColumn<QPoint>("at");
        const QSize screen(1024, 768);
        QTest::newRow("centred") << QRect(100, 100, 800, 600) << QSize(400, 300) << screen
                                 << QPoint(300, 250);
        QTest::newRow("larger than the main window")
            << QRect(100, 100, 300, 200) << QSize(500, 400) << screen << QPoint(104, 124);
        QTest::newRow("near the right edge")
            << QRect(900, 100, 400, 300) << QSize(300, 200) << screen << QPoint(724, 150);
        QTest::newRow("near the bottom edge")
            << QRect(100, 600, 400, 300) << QSize(300, 200) << screen << QPoint(150, 568);
        QTest::newRow("wider than the screen")
            << QRect(100, 100, 400, 300) << QSize(1200, 200) << screen << QPoint(0, 150);
        QTest::newRow("taller than the screen")
            << QRect(100, 100, 400, 300) << QSize(300, 900) << screen << QPoint(150, 0);
        QTest::newRow("main window off the left edge")
            << QRect(-300, 100, 400, 300) << QSize(300, 200) << screen << QPoint(0, 150);
        // Halves go to the even neighbour: 50.5 -> 50, 51.5 -> 52.
        QTest::newRow("half pixel down")
            << QRect(100, 100, 401, 303) << QSize(300, 200) << screen << QPoint(150, 152);
        QTest::newRow("half pixel up")
            << QRect(100, 100, 403, 301) << QSize(300, 200) << screen << QPoint(152, 150);
    }

    void aboutPosition()
    {
        QFETCH(QRect, main);
        QFETCH(QSize, about);
        QFETCH(QSize, screen);
        QFETCH(QPoint, at);
        QCOMPARE(frmVL::aboutPosition(main, about, screen, 4, 23), at);
    }

    // The About picture opens the About window with any button, hidden while it is open;
    // near the screen's right edge the About window ends at that edge.
    void theAboutPictureNearTheRightEdge_data()
    {
        QTest::addColumn<int>("button");
        QTest::newRow("left button") << int(Qt::LeftButton);
        QTest::newRow("right button") << int(Qt::RightButton);
    }

    void theAboutPictureNearTheRightEdge()
    {
        QFETCH(int, button);
        Collection c;
        collection(c);
        Window w(c);
        w.window().resize(532, 326);
        w.window().move(800, 200);
        QCOMPARE(w.window().frameGeometry().topLeft(), QPoint(800, 200));
        const QString checkedBefore = w.current(w.ui().lstAlbum);
        // The first showing, before the About window has a frame, and a later one.
        for (int showing = 1; showing <= 2; ++showing) {
            w.closeAboutWhenShown();
            QTest::mousePress(w.ui().imgInfo, Qt::MouseButton(button));
            QCOMPARE(w.aboutShowings, showing);
            QVERIFY(!w.infoPictureVisible);
            QVERIFY(w.ui().imgInfo->isVisible());
            QCOMPARE(w.aboutFrame.right() + 1, w.state.screen.width());
            QVERIFY(w.aboutFrame.left() < 800);
            QCOMPARE(w.aboutFrame.topLeft(),
                     frmVL::aboutPosition(w.window().frameGeometry(), w.aboutFrame.size(),
                                          w.state.screen, w.state.borderWidth,
                                          w.state.captionHeight));
        }
        // Back from the About window the lists are as they were.
        QCOMPARE(w.current(w.ui().lstAlbum), checkedBefore);
        QCOMPARE(w.ui().lstAlbum->rows()->checkedCount(), 1);
    }

    void anAboutWindowWiderThanTheScreenStartsAtItsCorner()
    {
        Collection c;
        collection(c);
        Window w(c);
        w.state.screen = QSize(320, 240);
        w.window().move(40, 30);
        w.type("F12");
        QCOMPARE(w.aboutShowings, 1);
        QVERIFY(w.aboutFrame.width() > 320);
        QCOMPARE(w.aboutFrame.topLeft(), QPoint(0, 0));
    }
};

QTEST_MAIN(TestKeyboard)
#include "TestKeyboard.moc"
