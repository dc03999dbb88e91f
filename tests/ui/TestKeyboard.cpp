// The main window from the keyboard: the key table on the real window, the access keys, the
// tab order, and the About picture.

#include "support/Collection.h"
#include "support/ListClicks.h"
#include "support/MainWindowFixture.h"
#include "ui/ImageControl.h"
#include "ui/TextPane.h"
#include "ui/frmInfo.h"

#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

using vastrel::ui::CheckList;
using vastrel::ui::frmInfo;
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
    if (key == "Return")
        return {Qt::Key_Return, modifiers};
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
// focus on the album list. The main window is wider than the About window, which can so
// stand centred over it.
struct Window : MainWindowFixture
{
    explicit Window(const Collection& c)
        : MainWindowFixture(c, QSize(1600, 1000)), about(dialogs, QIcon()), closer(new QObject)
    {
        window().setAboutWindow(&about);
        window().selectShowFilter(vastrel::catalogue::ShowFilter::Everything);
        window().Form_Activate();
        window().setGeometry(100, 100, 1200, 700);
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

    // Keys as the keyboard delivers them: to the window, which hands them to its focus.
    void type(const QString& keys)
    {
        for (const QString& k : keys.split(' ')) {
            // "@name" gives the focus to the control of that name.
            if (k.startsWith('@')) {
                window().findChild<QWidget*>(k.mid(1))->setFocus();
                continue;
            }
            const auto [key, modifiers] = parseKey(k);
            closeAboutWhenShown();
            QTest::keyClick(window().windowHandle(), key, modifiers);
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
                {"pane", QString::number(int(state().paneMode))},
                {"half", ui().imgEC[1]->isVisible() ? "half" : "full"},
                {"played", QString::number(opener.opened.size())},
                {"asked", QString::number(dialogs.inputs.size())},
                {"close question", QString::number(dialogs.messages.size())},
                {"about", QString::number(aboutShowings)},
                {"printed", QString::number(dialogs.prints)},
                {"previewed", QString::number(dialogs.previews)},
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
        const auto row = [](const char* keys, const QStringList& changes) {
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
        row("@chkOrdinaAZ Return", {"played"});
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
        row("Ctrl+P", {"printed"});
        row("Ctrl+Shift+P", {"previewed"});
        row("Alt+P", {});
        row("Ctrl+Alt+P", {});
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
        // The About window stood centred over the main window, frames included, while the
        // About picture was hidden; the picture is back.
        if (changes.contains("about")) {
            QCOMPARE(w.aboutFrame.center(), w.window().frameGeometry().center());
            QVERIFY(!w.infoPictureVisible);
        }
        QVERIFY(w.ui().imgInfo->isVisible());
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
                                     "Ctrl+F2", "F9", "Alt+F10", "Ctrl+P"})
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
        tracks->rows()->setCurrentRow(0);
        QSignalSpy seen(tracks, &CheckList::keyDown);
        w.type(keys);
        const int key = parseKey(keys).first;
        const auto ofTheKey = std::count_if(seen.cbegin(), seen.cend(), [key](const auto& args) {
            return args.at(0).toInt() == key;
        });
        QCOMPARE(ofTheKey, reaches ? 1 : 0);
        if (keys == "B")
            QCOMPARE(tracks->rows()->currentRow(), 1);
        else
            QCOMPARE(tracks->rows()->currentRow(), 0);
        QVERIFY(w.dialogs.messages.isEmpty());
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
        while (int(w.state().paneMode) != pane)
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
};

QTEST_MAIN(TestKeyboard)
#include "TestKeyboard.moc"
