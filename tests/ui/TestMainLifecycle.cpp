#include "media/TempCleanup.h"
#include "platform/PrivateTempFolder.h"
#include "support/Collection.h"
#include "support/ListClicks.h"
#include "support/MainWindowFixture.h"
#include "ui/Application.h"
#include "ui/ImageControl.h"
#include "ui/TextPane.h"
#include "ui/WidgetDialogs.h"
#include "ui/frmInfo.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

using vastrel::ui::CheckList;
using vastrel::ui::frmVL;

namespace {

void buildAlbums(Collection& c)
{
    c.album("[1979] Uno").text("01 - A.txt").track("01 - A.mp3");
    c.album("[1983] Due").text("01 - B.txt").track("01 - B.mp3");
}

// The files an earlier run may have left in the private temporary folder.
QString seedTemp(const QString& systemTemp)
{
    QString folder = vastrel::platform::PrivateTempFolder::locate(systemTemp);
    for (const char* name :
         {"Vastrel PlayList.m3u", "~vl1.tmp", "~VL2.TMP", "altro.tmp", "~nota.txt"}) {
        QFile f(folder + QString::fromLatin1(name));
        if (!f.open(QIODevice::WriteOnly))
            qWarning("cannot seed %s", name);
    }
    return folder;
}

vastrel::ui::Application* application()
{
    return static_cast<vastrel::ui::Application*>(QCoreApplication::instance());
}

QStringList left(const QString& folder)
{
    QStringList names = QDir(folder).entryList(QDir::Files);
    names.sort();
    return names;
}

} // namespace

class TestMainLifecycle : public QObject
{
    Q_OBJECT

private Q_SLOTS:

    void closeAsksOnlyWhenAlbumsAreListed()
    {
        Collection empty;
        MainWindowFixture f(empty);
        f.window().selectShowFilter(vastrel::catalogue::ShowFilter::Everything);
        QVERIFY(f.window().close());
        QVERIFY(f.dialogs.messages.isEmpty());
    }

    // After a logout that the user cancelled, closes ask and clean up as usual.
    void cancelKeepsTheWindowAndOkClosesAndCleans()
    {
        Collection c;
        buildAlbums(c);
        MainWindowFixture f(c);
        f.window().selectShowFilter(vastrel::catalogue::ShowFilter::Everything);
        application()->setMainWindow(&f.window());
        application()->sessionEnding();
        clickCheckBox(f.ui().lstAlbum, 1);
        const QString folder = f.session().tempFolder();
        seedTemp(f.systemTemp());

        f.dialogs.messageAnswers = {false};
        QVERIFY(!f.window().close());
        QVERIFY(f.window().isVisible());
        QCOMPARE(f.dialogs.messages.size(), 1);
        QCOMPARE(f.dialogs.messages[0].title, QString("Vastrel - Chiudi"));
        QCOMPARE(f.dialogs.messages[0].text, QString("Chiudere \"Vastrel - by Korvi\"?"));
        QVERIFY(f.dialogs.messages[0].withCancel);
        QVERIFY(f.dialogs.messages[0].icon == vastrel::platform::Dialogs::Icon::Question);
        QCOMPARE(f.checked(f.ui().lstAlbum), QStringList({"[1983] Due"}));
        QCOMPARE(left(folder).size(), 5);

        f.window().setWindowTitle("Vastrel.jpg: Vastrel - by Korvi");
        f.dialogs.messageAnswers = {true};
        QVERIFY(f.window().close());
        QCOMPARE(f.dialogs.messages[1].text,
                 QString("Chiudere \"Vastrel.jpg: Vastrel - by Korvi\"?"));
        QCOMPARE(left(folder), QStringList({"altro.tmp", "~nota.txt"}));
    }

    // The desktop that asked to end the session terminates the program.
    void sessionEndClosesWithoutQuestionOrCleanUp()
    {
        Collection c;
        buildAlbums(c);
        MainWindowFixture f(c);
        f.window().selectShowFilter(vastrel::catalogue::ShowFilter::Everything);
        const QString folder = seedTemp(f.systemTemp());
        application()->setMainWindow(&f.window());
        application()->sessionEnding();
        QEvent quit(QEvent::Quit);
        QCoreApplication::sendEvent(qApp, &quit);
        QVERIFY(!f.window().isVisible());
        QVERIFY(f.dialogs.messages.isEmpty());
        QCOMPARE(left(folder).size(), 5);
        // The quit is remembered while no event loop runs, and would end every later modal
        // box at once; a loop that runs and ends takes it away.
        QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
        QCoreApplication::exec();
    }

    // The real boxes of the run show Qt's own texts in Italian.
    void theBoxesSpeakItalian_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QStringList>("texts");
        QTest::newRow("message") << "message" << QStringList{"OK"};
        QTest::newRow("close question") << "question" << QStringList{"Annulla", "OK"};
        QTest::newRow("input box") << "input" << QStringList{"Annulla", "OK"};
        QTest::newRow("menu of a text box")
            << "menu" << QStringList{"&Copia\tCtrl+C", "Seleziona tutto\tCtrl+A"};
    }

    void theBoxesSpeakItalian()
    {
        QFETCH(QString, box);
        QFETCH(QStringList, texts);
        vastrel::ui::WidgetDialogs dialogs;
        QStringList seen;
        if (box == "menu") {
            QPlainTextEdit edit("testo");
            const std::unique_ptr<QMenu> menu(edit.createStandardContextMenu());
            for (const QAction* action : menu->actions())
                seen.append(action->text());
            for (const QString& text : texts)
                QVERIFY2(seen.contains(text), qPrintable(seen.join(" | ")));
            return;
        }
        QTimer::singleShot(0, [&seen] {
            auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            for (const QAbstractButton* button : modal->findChildren<QAbstractButton*>())
                seen.append(button->text());
            modal->reject();
        });
        using Icon = vastrel::platform::Dialogs::Icon;
        if (box == "message")
            dialogs.message(nullptr, Icon::Information, "Vastrel - Prova", "Testo", false);
        else if (box == "question")
            dialogs.message(nullptr, Icon::Question, "Vastrel - Chiudi", "Chiudere?", true);
        else
            dialogs.input(nullptr, "Vastrel - Cerca", "Testo:", "", QPoint(10, 10));
        seen.sort();
        QCOMPARE(seen, texts);
    }

    void activationClearsTheCurrentAlbumUnlessBackFromAbout()
    {
        Collection c;
        buildAlbums(c);
        MainWindowFixture f(c);
        f.window().selectShowFilter(vastrel::catalogue::ShowFilter::Everything);
        clickRowText(f.ui().lstAlbum, 1);
        QCOMPARE(f.current(f.ui().lstAlbum), QString("[1983] Due"));
        vastrel::ui::frmInfo about(f.dialogs, QIcon());
        f.window().setAboutWindow(&about);
        std::function<void()> closeWhenShown = [&] {
            if (about.isVisible())
                about.reject();
            else
                QTimer::singleShot(10, &about, closeWhenShown);
        };
        closeWhenShown();
        QTest::mouseClick(f.ui().imgInfo, Qt::LeftButton);
        QCOMPARE(f.current(f.ui().lstAlbum), QString("[1983] Due"));
        const auto busy = f.session().busy(vastrel::browser::Pointer::Busy);
        f.window().Form_Activate();
        QCOMPARE(f.current(f.ui().lstAlbum), QString());
        QCOMPARE(f.session().pointer(), vastrel::browser::Pointer::Default);
    }
};

// The program's own application, which hears the session end.
int main(int argc, char* argv[])
{
    vastrel::ui::Application app(argc, argv);
    app.setAttribute(Qt::AA_Use96Dpi, true);
    TestMainLifecycle test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}
#include "TestMainLifecycle.moc"
