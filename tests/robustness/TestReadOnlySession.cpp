// The collection is never written: a session that gives every command of the main window,
// from the start-up sequence to the close, over a copy of the sample collection, leaves the
// copy byte for byte as it was and creates nothing in it, after every step. The second run
// does the same as another user over a copy whose files and folders are all read-only.

#include "mainwindow/CheckList.h"
#include "mainwindow/ImageControl.h"
#include "mainwindow/TextPane.h"
#include "mainwindow/frmVL.h"
#include "support/AsOtherUser.h"
#include "support/ListClicks.h"
#include "support/RunningProgram.h"
#include "support/TreeSnapshot.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <functional>

namespace {

constexpr char kSession[] = "--session-as-other-user";

QStringList session(const QString& root)
{
    const QByteArrayList before = TreeSnapshot::take(root);
    RunningProgram p({"/ROOT:" + root});
    if (!p.started() || p.startUpClicks() != 1)
        return {"the program did not start as a user starts it"};
    const auto& ui = p.window().controls();
    auto& answers = p.dialogs;
    const auto click = [](QWidget* w, Qt::MouseButton b = Qt::LeftButton) {
        QTest::mouseClick(w, b);
    };
    const auto key = [&](Qt::Key k, Qt::KeyboardModifiers m = {}) {
        QWidget* focused = QApplication::focusWidget();
        QTest::keyClick(focused ? focused : &p.window(), k, m);
    };
    const QList<std::pair<const char*, std::function<void()>>> steps{
        {"the show filters and both orders",
         [&] {
             ui.cboMostra->setFocus();
             for (Qt::Key k : {Qt::Key_Up, Qt::Key_Up, Qt::Key_Down, Qt::Key_Down})
                 key(k);
             click(ui.chkOrdinaAZ);
             click(ui.chkOrdinaAZ);
         }},
        {"every album and track alone, added, played with Shift",
         [&] {
             for (QListView* list : {ui.lstAlbum, ui.lstBrani}) {
                 for (Qt::KeyboardModifier m : {Qt::NoModifier, Qt::ControlModifier})
                     for (int i = 0; i < list->model()->rowCount(); ++i)
                         clickCheckBox(list, i, m);
                 clickCheckBox(list, 0);
                 clickCheckBox(list, 1, Qt::ShiftModifier);
             }
         }},
        {"select all, switch, deselect all, Backspace",
         [&] {
             for (QPushButton* b : {ui.cmdSelAlbum, ui.cmdSelBrani, ui.cmdSelAlbum})
                 for (Qt::MouseButton m :
                      {Qt::LeftButton, Qt::RightButton, Qt::LeftButton, Qt::RightButton})
                     click(b, m);
             QTest::keyClick(ui.lstBrani, Qt::Key_Backspace);
             QTest::keyClick(ui.lstAlbum, Qt::Key_Backspace);
         }},
        {"searches, find next, select and copy",
         [&] {
             answers.inputAnswers = {"a", "nessun titolo così", "", "a", "nessun testo così"};
             for (QPushButton* b : {ui.cmdCercaBrano, ui.cmdCercaBrano, ui.cmdCercaBrano,
                                    ui.cmdCercaTesto, ui.cmdCercaAvanti, ui.cmdCercaAvanti,
                                    ui.cmdCercaTesto, ui.cmdSelTesto, ui.cmdCopia})
                 click(b);
         }},
        {"play, also with an opener that fails, and the pictures",
         [&] {
             click(ui.cmdSuona);
             p.opener.succeed = false;
             click(ui.cmdSuona);
             p.opener.succeed = true;
             for (int k = 0; k < ui.lstJPEG->rows()->count(); ++k)
                 clickRowText(ui.lstJPEG, k);
             QTest::keyClick(ui.lstJPEG, Qt::Key_Return);
         }},
        {"every pane mode, both sizes, the About window",
         [&] {
             for (QWidget* w :
                  std::initializer_list<QWidget*>{ui.cmdCopertina, ui.cmdCopertina, ui.cmdCopertina,
                                                  ui.cmdCopertina, ui.imgEC[0], ui.imgEC[1]})
                 click(w);
             QTest::mousePress(ui.imgInfo, Qt::LeftButton);
         }},
        {"every function key",
         [&] {
             ui.lstBrani->setFocus();
             for (int f = 0; f < 24; ++f)
                 key(Qt::Key(Qt::Key_F1 + f % 12), f < 12 ? Qt::NoModifier : Qt::ShiftModifier);
             key(Qt::Key_I, Qt::AltModifier);
         }},
        {"Escape, the close refused, then the close",
         [&] {
             answers.messageAnswers = {false, true};
             key(Qt::Key_Escape);
             p.window().close();
         }},
    };
    QStringList problems;
    for (const auto& [name, act] : steps) {
        act();
        const QByteArray changed = TreeSnapshot::difference(before, TreeSnapshot::take(root));
        if (!changed.isEmpty() || p.window().mousePointer() != 0)
            problems.append(QString::fromLatin1(name) +
                            " changed the collection or left a busy pointer:\n" + changed);
    }
    // The session did give the commands.
    if (p.opener.opened.size() < 2 || answers.inputs.size() < 5 || p.aboutShowings() < 2 ||
        answers.messages.size() < 3 || QGuiApplication::clipboard()->text().isEmpty() ||
        p.window().isVisible())
        problems.append("the session did not play, search, copy, show About and close");
    return problems;
}

} // namespace

class TestReadOnlySession : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void aWholeSessionChangesNothing_data()
    {
        QTest::addColumn<bool>("readOnly");
        QTest::newRow("the sample collection") << false;
        QTest::newRow("read-only, as another user") << true;
    }

    void aWholeSessionChangesNothing()
    {
        QFETCH(bool, readOnly);
        QTemporaryDir place;
        const QString root = place.path() + "/Collezione/";
        QCOMPARE(QProcess::execute("cp", {"-R", VASTREL_EXAMPLES, root.chopped(1)}), 0);
        QProcess::execute("chmod", {"-R", readOnly ? "a+rX,a-w" : "a+rX", place.path()});
        QVERIFY(TreeSnapshot::take(root).size() > 60);
        QStringList problems;
        if (!readOnly) {
            problems = session(root);
        } else {
            // As root, nothing would stop a write: run where the rights are checked.
            const ChildRun run = runSelfAsOtherUser({kSession, root});
            QProcess::execute("chmod", {"-R", "u+w", place.path()});
            if (run == ChildRun::CannotStart)
                QSKIP("another user may not run this test program where it was built");
            if (run == ChildRun::Failed)
                problems.append("the session as another user found problems (above)");
        }
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
    }
};

// The session as another user runs in a fresh process of this program (AsOtherUser.h).
int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc == 3 && qstrcmp(argv[1], kSession) == 0) {
        const QStringList problems = session(QString::fromLocal8Bit(argv[2]));
        for (const QString& problem : problems)
            qWarning("%s", qPrintable(problem));
        return problems.isEmpty() ? 0 : 1;
    }
    TestReadOnlySession test;
    return QTest::qExec(&test, argc, argv);
}
#include "TestReadOnlySession.moc"
