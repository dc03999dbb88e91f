// Malformed collections opened in the real program: every album is checked, every track,
// every picture; the pane modes and the size switch are cycled; everything is checked at
// once and played; the window is closed. Nothing may crash or block, nothing may be written,
// and where the rules say how a failure shows (a beep, "Nessun Testo Disponibile.", the
// empty picture, the notes' and pictures' messages), it shows so. Each interaction works on
// bounded input; a hang is caught by the test's time limit.

#include "ui/CheckList.h"
#include "ui/ImageControl.h"
#include "ui/TextPane.h"
#include "ui/frmVL.h"
#include "platform/Beeper.h"
#include "support/AsOtherUser.h"
#include "support/HostileCollection.h"
#include "support/ListClicks.h"
#include "support/RunningProgram.h"
#include "support/TreeSnapshot.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <unistd.h>

using vastrel::ui::CheckList;
using vastrel::ui::MainControls;
using vastrel::platform::Beeper;
using namespace Hostile;

namespace {

constexpr char kExploreArgument[] = "--explore-as-other-user";

// At most this many albums, tracks and pictures are clicked one by one; "select all"
// takes the rest.
constexpr int kClicksPerList = 24;

class Explorer
{
public:
    Explorer(const Case& k, const QString& root) : m_case(k), m_root(root) {}
    QStringList run();

private:
    const MainControls& ui() { return m_program->window().controls(); }
    void click(QWidget* w, Qt::MouseButton b = Qt::LeftButton) { QTest::mouseClick(w, b); }
    void check(bool condition, const QString& what)
    {
        if (!condition)
            m_problems.append(what);
    }
    void checkHas(const QString& text, const QString& part, const char* where)
    {
        check(part.isEmpty() || text.contains(part),
              QStringLiteral("%1 lacks \"%2\": \"%3\"")
                  .arg(QLatin1StringView(where), part, text.left(300)));
    }
    void browseAlbum(int row);
    void browsePictures(bool hostile);
    void browseTracks(bool hostile, bool healthy);
    static QList<int> someRows(int count);

    const Case& m_case;
    QString m_root;
    std::unique_ptr<RunningProgram> m_program;
    QStringList m_problems;
};

// The first rows and the last ones, so that a huge list is still browsed at both ends.
QList<int> Explorer::someRows(int count)
{
    QList<int> rows;
    for (int i = 0; i < count; ++i) {
        if (i < kClicksPerList - 4 || i >= count - 4)
            rows.append(i);
    }
    return rows;
}

void Explorer::browsePictures(bool hostile)
{
    CheckList* list = ui().lstJPEG;
    const Expectation& e = m_case.expect;
    if (hostile && e.pictures == Pictures::NoRows) {
        check(list->rows()->count() == 0, "pictures were listed");
        check(ui().lblJPEG->text() == kNoPicture, "no \"" + kNoPicture + "\"");
    }
    for (int k : someRows(list->rows()->count())) {
        Beeper::resetCount();
        clickRowText(list, k);
        if (!hostile || e.pictures == Pictures::Unchecked)
            continue;
        const QString tag = m_program->window().pictureTag();
        const QString row = QStringLiteral("picture row %1: ").arg(k);
        if (e.pictures == Pictures::AllFail) {
            check(Beeper::count() == 1, row + "no beep");
            check(tag == u"[Vuoto]", row + "not the empty picture: " + tag);
            check(list->listIndex() == -1, row + "still selected");
        } else if (e.pictures == Pictures::AllShown) {
            check(Beeper::count() == 0, row + "a beep");
            check(tag == m_root + list->rows()->row(k).path(), row + "not shown: " + tag);
        }
    }
}

void Explorer::browseTracks(bool hostile, bool healthy)
{
    const Expectation& e = m_case.expect;
    CheckList* list = ui().lstBrani;
    if (hostile && e.tracks >= 0)
        check(list->rows()->count() == e.tracks,
              QStringLiteral("%1 track rows").arg(list->rows()->count()));
    if (!ui().cmdSelBrani->isEnabled())
        return;
    Beeper::resetCount();
    checkEveryRow(ui().cmdSelBrani, u" Seleziona Tutti i Brani ");
    const int beeps = Beeper::count();
    const QString pane = ui().txtBrani->plainText();
    const QString caption = ui().lblBrani->text();
    if (hostile) {
        if (e.beeps >= 0)
            check(beeps == e.beeps, QStringLiteral("%1 beeps for the tracks").arg(beeps));
        checkHas(pane, e.paneHas, "the pane");
        check(caption.endsWith(e.captionEnds), "the track counter reads " + caption);
        if (!e.playlistHas.isEmpty()) {
            click(ui().cmdSuona);
            const QByteArray played =
                m_program->opener.contents.value(m_program->opener.contents.size() - 1);
            check(played.contains(e.playlistHas), "the playlist: " + QString::fromUtf8(played));
        }
    }
    if (healthy) {
        check(beeps == 0, "the healthy album beeps");
        checkHas(pane, kHealthyText, "the healthy album's pane");
        check(caption.endsWith(u"[0:00:02]"), "the healthy album's counter: " + caption);
    }
    for (int j : someRows(list->rows()->count()))
        clickCheckBox(list, j);
}

// The album alone: its notes, its pictures, its tracks all at once and one by one.
void Explorer::browseAlbum(int row)
{
    const QString name = ui().lstAlbum->rows()->row(row).field();
    const bool hostile = name == kAlbum;
    clickCheckBox(ui().lstAlbum, row);
    if (hostile)
        checkHas(ui().txtBrani->plainText(), m_case.expect.notesHas, "the album notes");
    browsePictures(hostile);
    browseTracks(hostile, name == kHealthyAlbum);
}

QStringList Explorer::run()
{
    m_program = std::make_unique<RunningProgram>(m_root);
    check(m_program->started(), "the program did not start");
    check(m_program->module().state().collectionRoot == m_root, "another collection was opened");
    if (!m_problems.isEmpty())
        return m_problems;
    ui().cboMostra->setFocus();
    for (Qt::Key k : {Qt::Key_Up, Qt::Key_Up, Qt::Key_Down, Qt::Key_Down})
        QTest::keyClick(ui().cboMostra, k);
    const QList<vastrel::catalogue::ListRow>& albums = ui().lstAlbum->rows()->rows();
    const bool listed = std::any_of(albums.cbegin(), albums.cend(),
                                    [](const auto& r) { return r.field() == kAlbum; });
    check(listed == m_case.expect.listed, listed ? "the album is listed" : "the album is missing");
    for (int row : someRows(int(albums.size())))
        browseAlbum(row);
    for (int i = 0; i < 4; ++i)
        click(ui().cmdCopertina);
    click(ui().imgEC[0]);
    click(ui().imgEC[1]);
    checkEveryRow(ui().cmdSelAlbum, u" Seleziona Tutti gli Album ");
    checkEveryRow(ui().cmdSelBrani, u" Seleziona Tutti i Brani ");
    checkHas(ui().txtBrani->plainText(), kHealthyText, "the pane of everything");
    click(ui().cmdSuona);
    click(ui().cmdSelAlbum, Qt::RightButton);
    click(ui().cmdSelAlbum);
    checkHas(ui().txtBrani->plainText(), m_case.expect.introductionHas, "the introduction");
    m_program->dialogs.messageAnswers = {true};
    m_program->window().close();
    check(!m_program->window().isVisible(), "the window did not close");
    check(m_program->window().mousePointer() == 0, "a busy pointer was left");
    return m_problems;
}

} // namespace

class TestHostileCollections : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void opensAndBrowsesWithoutHarm_data()
    {
        QTest::addColumn<int>("index");
        const QList<Case> all = cases();
        for (int i = 0; i < all.size(); ++i)
            QTest::newRow(all[i].name.constData()) << i;
    }

    void opensAndBrowsesWithoutHarm()
    {
        QFETCH(int, index);
        const Case k = cases().at(index);
        if (k.needsRoot && ::geteuid() != 0)
            QSKIP("devices can only be made by root");
        Collection c;
        k.build(c);
        const QByteArrayList before = TreeSnapshot::take(c.root());
        QStringList problems;
        if (k.asOtherUser) {
            switch (runSelfAsOtherUser(
                {QLatin1String(kExploreArgument), QString::number(index), c.root()})) {
            case ChildRun::Passed:
                break;
            case ChildRun::Failed:
                problems.append("browsing as another user found problems (above)");
                break;
            case ChildRun::CannotStart:
                TreeSnapshot::setWritable(c.root(), true);
                QSKIP("another user may not run this test program where it was built");
            }
        } else {
            problems = Explorer(k, c.root()).run();
        }
        const QByteArray changed = TreeSnapshot::difference(before, TreeSnapshot::take(c.root()));
        TreeSnapshot::setWritable(c.root(), true);
        QVERIFY2(problems.isEmpty(), qPrintable(problems.join('\n')));
        QVERIFY2(changed.isEmpty(), changed.constData());
    }

    void thereAreEnoughCases() { QVERIFY(cases().size() >= 50); }
};

// Browsing as another user runs in a fresh process of this program (AsOtherUser.h).
int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (argc == 4 && qstrcmp(argv[1], kExploreArgument) == 0) {
        const Case k = cases().at(QByteArray(argv[2]).toInt());
        const QStringList problems = Explorer(k, QString::fromLocal8Bit(argv[3])).run();
        for (const QString& p : problems)
            qWarning("%s", qPrintable(p));
        return problems.isEmpty() ? 0 : 1;
    }
    TestHostileCollections test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}
#include "TestHostileCollections.moc"
