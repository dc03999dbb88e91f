// The collection is never written: a session that gives every command of the main window,
// from the start-up sequence to the close, over a copy of the sample collection, leaves the
// copy byte for byte as it was and creates nothing in it. The second run does the same as
// another user over a copy whose files and folders are all read-only.

#include "ui/CheckList.h"
#include "ui/ImageControl.h"
#include "ui/TextPane.h"
#include "ui/frmVL.h"
#include "media/TempCleanup.h"
#include "support/AsOtherUser.h"
#include "support/ListClicks.h"
#include "support/RunningProgram.h"
#include "support/TreeSnapshot.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFileInfo>
#include <QPushButton>
#include <QSet>
#include <QTest>
#include <functional>
#include <sys/stat.h>

using vastrel::ui::CheckList;
using vastrel::ui::MainControls;

namespace {

constexpr char kSessionArgument[] = "--session-as-other-user";

// One scripted session over the collection at root. Every step drives the real widgets
// (clicks, keys, the scripted dialogs' answers); after each one the tree must be as it was.
// The session answers with what went wrong, so that it can run in another process.
class Session
{
public:
    explicit Session(const QString& root) : m_root(root), m_before(TreeSnapshot::take(root)) {}

    QStringList run();

private:
    struct Step
    {
        const char* name;
        std::function<void()> act;
    };
    QList<Step> steps();
    const MainControls& ui() { return m_program->window().controls(); }
    void click(QWidget* w, Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mouseClick(w, button);
    }
    void key(Qt::Key k, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    void keyOn(QWidget* w, Qt::Key k, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
    void forEachRow(CheckList* list, const std::function<void(int)>& act);
    void selectEverything();
    void check(bool condition, const QString& what);
    void checkWhatWasDone();

    QString m_root;
    QByteArrayList m_before;
    std::unique_ptr<RunningProgram> m_program;
    QStringList m_problems;
    QSet<int> m_filters, m_paneModes;
    QSet<bool> m_orders, m_halfModes;
};

void Session::check(bool condition, const QString& what)
{
    if (!condition)
        m_problems.append(what);
}

void Session::keyOn(QWidget* w, Qt::Key k, Qt::KeyboardModifiers modifiers)
{
    QTest::keyClick(w, k, modifiers);
}

// A key as the user types it: to the control that has the focus.
void Session::key(Qt::Key k, Qt::KeyboardModifiers modifiers)
{
    QWidget* focused = QApplication::focusWidget();
    keyOn(focused ? focused : &m_program->window(), k, modifiers);
}

void Session::forEachRow(CheckList* list, const std::function<void(int)>& act)
{
    for (int i = 0; i < list->rows()->count(); ++i)
        act(i);
}

// Every album and every track checked, through the select-all buttons in select mode.
void Session::selectEverything()
{
    checkEveryRow(ui().cmdSelAlbum, u" Seleziona Tutti gli Album ");
    checkEveryRow(ui().cmdSelBrani, u" Seleziona Tutti i Brani ");
}

QList<Session::Step> Session::steps()
{
    auto& d = m_program->dialogs;
    auto& w = m_program->window();
    return {
        {"the show filters from the keyboard",
         [&] {
             ui().cboMostra->setFocus();
             for (Qt::Key k : {Qt::Key_Up, Qt::Key_Up, Qt::Key_Down, Qt::Key_Down})
                 key(k);
         }},
        {"every album alone",
         [&] { forEachRow(ui().lstAlbum, [&](int i) { clickCheckBox(ui().lstAlbum, i); }); }},
        {"albums added with Ctrl",
         [&] {
             forEachRow(ui().lstAlbum,
                        [&](int i) { clickCheckBox(ui().lstAlbum, i, Qt::ControlModifier); });
         }},
        {"every track alone",
         [&] { forEachRow(ui().lstBrani, [&](int i) { clickCheckBox(ui().lstBrani, i); }); }},
        {"tracks added with Ctrl",
         [&] {
             forEachRow(ui().lstBrani, [&](int i) {
                 clickRowText(ui().lstBrani, i, Qt::ControlModifier);
                 clickCheckBox(ui().lstBrani, i, Qt::ControlModifier);
             });
         }},
        {"Shift on a track plays it",
         [&] {
             clickCheckBox(ui().lstBrani, 0);
             clickCheckBox(ui().lstBrani, 1, Qt::ShiftModifier);
         }},
        {"Shift on an album plays all its tracks",
         [&] {
             clickCheckBox(ui().lstAlbum, 0);
             clickCheckBox(ui().lstAlbum, 1, Qt::ShiftModifier);
         }},
        {"both orders",
         [&] {
             click(ui().chkOrdinaAZ);
             click(ui().chkOrdinaAZ);
             click(ui().chkOrdinaAZ);
         }},
        {"select all, switch, deselect all: albums",
         [&] {
             for (Qt::MouseButton b : {Qt::LeftButton, Qt::RightButton, Qt::LeftButton,
                                       Qt::RightButton, Qt::LeftButton, Qt::RightButton})
                 click(ui().cmdSelAlbum, b);
         }},
        {"select all, switch, deselect all: tracks",
         [&] {
             for (Qt::MouseButton b : {Qt::LeftButton, Qt::RightButton, Qt::LeftButton,
                                       Qt::RightButton, Qt::LeftButton})
                 click(ui().cmdSelBrani, b);
         }},
        {"Backspace inverts both lists",
         [&] {
             keyOn(ui().lstBrani, Qt::Key_Backspace);
             keyOn(ui().lstAlbum, Qt::Key_Backspace);
             keyOn(ui().lstAlbum, Qt::Key_Backspace);
             keyOn(ui().lstBrani, Qt::Key_Backspace);
         }},
        {"title search: found, not found, cancelled",
         [&] {
             d.inputAnswers = {"a", "nessun titolo così", ""};
             for (int i = 0; i < 3; ++i)
                 click(ui().cmdCercaBrano);
         }},
        {"text search and find next",
         [&] {
             selectEverything();
             d.inputAnswers = {"a"};
             click(ui().cmdCercaTesto);
             for (int i = 0; i < 3; ++i)
                 click(ui().cmdCercaAvanti);
             d.inputAnswers = {"nessun testo così"};
             click(ui().cmdCercaTesto);
             d.inputAnswers = {"e"};
             click(ui().cmdCercaTesto);
         }},
        {"select and copy text",
         [&] {
             click(ui().cmdSelTesto);
             click(ui().cmdCopia);
         }},
        {"play", [&] { click(ui().cmdSuona); }},
        {"play with an opener that fails",
         [&] {
             m_program->opener.succeed = false;
             click(ui().cmdSuona);
             m_program->opener.succeed = true;
         }},
        {"the picture list",
         [&] {
             forEachRow(ui().lstJPEG, [&](int k) { clickRowText(ui().lstJPEG, k); });
             keyOn(ui().lstJPEG, Qt::Key_Up);
             keyOn(ui().lstJPEG, Qt::Key_Return);
         }},
        {"every pane mode",
         [&] {
             for (int i = 0; i < 4; ++i) {
                 click(ui().cmdCopertina);
                 m_paneModes.insert(m_program->module().state().paneMode);
             }
         }},
        {"the size switch both ways",
         [&] {
             click(ui().imgEC[0]);
             m_halfModes.insert(ui().imgEC[1]->isVisible());
             click(ui().imgEC[1]);
             m_halfModes.insert(ui().imgEC[1]->isVisible());
             ui().txtBrani->setFocus();
             key(Qt::Key_Insert);
             m_halfModes.insert(ui().imgEC[1]->isVisible());
             click(ui().imgEC[1]);
         }},
        {"the About window", [&] { QTest::mousePress(ui().imgInfo, Qt::LeftButton); }},
        {"every function key",
         [&] {
             ui().lstBrani->setFocus();
             for (int f = 0; f < 12; ++f)
                 key(Qt::Key(Qt::Key_F1 + f));
             for (int f = 0; f < 12; ++f)
                 key(Qt::Key(Qt::Key_F1 + f), Qt::ShiftModifier);
             key(Qt::Key_I, Qt::AltModifier);
             ui().lstBrani->setFocus();
             key(Qt::Key_Return);
         }},
        {"everything checked, then the introduction",
         [&] {
             selectEverything();
             click(ui().cmdSuona);
             click(ui().cmdSelAlbum, Qt::RightButton);
             click(ui().cmdSelAlbum);
         }},
        {"Escape, and the close refused",
         [&] {
             d.messageAnswers = {false};
             key(Qt::Key_Escape);
         }},
        {"close",
         [&] {
             d.messageAnswers = {true};
             w.close();
         }},
    };
}

QStringList Session::run()
{
    m_program = std::make_unique<RunningProgram>(m_root);
    check(m_program->started(), "the program did not start");
    check(m_program->module().state().collectionRoot == m_root, "another collection was opened");
    check(m_program->startUpClicks() == 1,
          QStringLiteral("the start-up window was dismissed %1 times")
              .arg(m_program->startUpClicks()));
    if (!m_problems.isEmpty())
        return m_problems;
    auto& w = m_program->window();
    QObject::connect(ui().cboMostra, &QComboBox::currentIndexChanged,
                     [this](int i) { m_filters.insert(i); });
    QObject::connect(ui().chkOrdinaAZ, &QPushButton::toggled,
                     [this](bool az) { m_orders.insert(az); });
    for (const Step& step : steps()) {
        step.act();
        const QByteArray changed = TreeSnapshot::difference(m_before, TreeSnapshot::take(m_root));
        check(changed.isEmpty(),
              QStringLiteral("%1 changed the collection:\n%2")
                  .arg(QLatin1StringView(step.name), QString::fromUtf8(changed)));
        check(w.mousePointer() == 0,
              QStringLiteral("%1 left a busy pointer").arg(QLatin1StringView(step.name)));
    }
    checkWhatWasDone();
    return m_problems;
}

// The session did give every command.
void Session::checkWhatWasDone()
{
    const ScriptedDialogs& d = m_program->dialogs;
    const RecordingOpener& o = m_program->opener;
    auto messagesTitled = [&](const QString& title) {
        return std::count_if(d.messages.cbegin(), d.messages.cend(),
                             [&](const auto& m) { return m.title == title; });
    };
    auto inputsTitled = [&](const QString& prefix) {
        return std::count_if(d.inputs.cbegin(), d.inputs.cend(),
                             [&](const auto& i) { return i.title.startsWith(prefix); });
    };
    check(m_filters == QSet<int>{0, 1, 2}, "not every show filter was chosen");
    check(m_orders == QSet<bool>{false, true}, "not both orders were chosen");
    check(m_paneModes == QSet<int>{0, 1, 2, 3}, "not every pane mode was shown");
    check(m_halfModes == QSet<bool>{false, true}, "the size switch did not go both ways");
    check(o.opened.size() >= 4, "the opener was asked fewer than four times");
    check(!o.contents.isEmpty() && o.contents.constFirst().contains(".mp3"),
          "the first playlist named no track");
    check(messagesTitled("Vastrel - Suona i Brani Selezionati") == 1,
          "the failing opener was not reported once");
    check(inputsTitled("Vastrel - Cerca tra i Titoli dei Brani") >= 3,
          "the title search was not asked");
    check(inputsTitled("Vastrel - Cerca tra ") - inputsTitled("Vastrel - Cerca tra i Titoli") >= 3,
          "the text search was not asked");
    check(messagesTitled("Vastrel - Cerca tra i Titoli dei Brani") == 1,
          "the title not found was not reported once");
    check(!QGuiApplication::clipboard()->text().isEmpty(), "nothing was copied");
    check(m_program->aboutShowings() >= 3, "the About window was not shown three times");
    check(messagesTitled("Vastrel - Chiudi") == 2, "the close question was not asked twice");
    check(!m_program->window().isVisible(), "the window did not close");
    const QString tempFolder = m_program->window().tempFolder();
    check(!tempFolder.isEmpty() && !tempFolder.startsWith(m_root), "no private temporary folder");
    check(!QFileInfo::exists(vastrel::media::TempCleanup::playlistPath(tempFolder)),
          "the close left the playlist");
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
        ::chmod(QFile::encodeName(place.path()).constData(), 0755);
        const QString root = place.path() + "/Collezione/";
        QVERIFY(TreeSnapshot::copy(VASTREL_EXAMPLES, root));
        if (readOnly)
            TreeSnapshot::setWritable(root, false);
        const QByteArrayList before = TreeSnapshot::take(root);
        QVERIFY(before.size() > 60);

        QStringList problems;
        if (readOnly) {
            // Run where the rights are checked: as root, nothing would stop a write.
            switch (runSelfAsOtherUser({QLatin1String(kSessionArgument), root})) {
            case ChildRun::Passed:
                break;
            case ChildRun::Failed:
                problems.append("the session as another user found problems (above)");
                break;
            case ChildRun::CannotStart:
                TreeSnapshot::setWritable(root, true);
                QSKIP("another user may not run this test program where it was built");
            }
        } else {
            problems = Session(root).run();
        }
        const QByteArray changed = TreeSnapshot::difference(before, TreeSnapshot::take(root));
        TreeSnapshot::setWritable(root, true);
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
        QVERIFY2(changed.isEmpty(), changed.constData());
    }
};

// The session as another user runs in a fresh process of this program (AsOtherUser.h).
int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc == 3 && qstrcmp(argv[1], kSessionArgument) == 0) {
        const QStringList problems = Session(QString::fromLocal8Bit(argv[2])).run();
        for (const QString& p : problems)
            qWarning("%s", qPrintable(p));
        return problems.isEmpty() ? 0 : 1;
    }
    TestReadOnlySession test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}
#include "TestReadOnlySession.moc"
