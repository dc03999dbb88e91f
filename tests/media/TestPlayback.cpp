#include "platform/Beeper.h"
#include "platform/DesktopOpener.h"
#include "platform/PrivateTempFolder.h"
#include "support/AsOtherUser.h"
#include "support/Collection.h"
#include "support/PictureFiles.h"
#include "support/TrackWindow.h"

#include <QDir>
#include <QFile>
#include <QPushButton>
#include <sys/stat.h>

using vastrel::platform::Beeper;
using vastrel::platform::Dialogs;

namespace {

const QString kPlaylistName = "Vastrel PlayList.m3u";

// Two tracks with files and a picture.
void twoTracks(Collection& c)
{
    c.album("[1979] Uno")
        .text("01 - Alba.txt", "Alba\r\n")
        .text("02 - Sera.txt", "Sera\r\n")
        .track("01 - Alba.mp3", "aaaaaa")
        .track("02 - Sera.mp3", "ssssss")
        .picture("copertina.jpg", PictureFiles::solid(QSize(8, 8), Qt::darkRed));
}

QByteArray bytesOf(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QByteArray line(const Collection& c, const QString& relative)
{
    return QFile::encodeName(c.path(relative)) + "\r\n";
}

// A stand-in for the desktop's opener, first on PATH: it writes its arguments, its working
// folder and a copy of the file it was given beside itself, and exits with the given code.
class FakeXdgOpen
{
public:
    explicit FakeXdgOpen(int exitCode) : m_oldPath(qgetenv("PATH"))
    {
        QFile script(m_bin.path() + "/xdg-open");
        if (!script.open(QIODevice::WriteOnly))
            qWarning("cannot write the fake opener");
        script.write("#!/bin/sh\n"
                     "here=$(dirname \"$0\")\n"
                     "{ printf 'argc=%s\\n' \"$#\"\n"
                     "  for a in \"$@\"; do printf 'arg=%s\\n' \"$a\"; done\n"
                     "  printf 'cwd=%s\\n' \"$(pwd)\"; } >> \"$here/calls\"\n"
                     "cat \"$1\" > \"$here/copy\"\n"
                     "exit " +
                     QByteArray::number(exitCode) + "\n");
        script.close();
        script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                              QFile::ReadOther | QFile::ExeOther);
        qputenv("PATH", QFile::encodeName(m_bin.path()) + ':' + m_oldPath);
    }
    ~FakeXdgOpen() { qputenv("PATH", m_oldPath); }

    QString calls() const { return QString::fromUtf8(bytesOf(m_bin.path() + "/calls")); }
    QByteArray copy() const { return bytesOf(m_bin.path() + "/copy"); }

private:
    QTemporaryDir m_bin;
    QByteArray m_oldPath;
};

} // namespace

class TestPlayback : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { Beeper::resetCount(); }

    // Enter plays when a list has the focus; the text pane and the picture list keep Enter
    // for themselves; a focused button is pressed instead. F2 plays wherever the focus is.
    void enterKey_data()
    {
        QTest::addColumn<QString>("focus");
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("plays");
        QTest::addColumn<int>("checkedAfter");
        QTest::newRow("track list") << "lstBrani" << int(Qt::Key_Return) << true << 1;
        QTest::newRow("track list, keypad Enter") << "lstBrani" << int(Qt::Key_Enter) << true << 1;
        QTest::newRow("album list") << "lstAlbum" << int(Qt::Key_Return) << true << 1;
        QTest::newRow("text pane") << "txtBrani" << int(Qt::Key_Return) << false << 1;
        QTest::newRow("picture list") << "lstJPEG" << int(Qt::Key_Return) << false << 1;
        QTest::newRow("select-all button pressed")
            << "cmdSelBrani" << int(Qt::Key_Return) << false << 2;
        QTest::newRow("play button pressed") << "cmdSuona" << int(Qt::Key_Return) << true << 1;
        QTest::newRow("F2 on the track list") << "lstBrani" << int(Qt::Key_F2) << true << 1;
        QTest::newRow("F2 in the text pane") << "txtBrani" << int(Qt::Key_F2) << true << 1;
    }

    void enterKey()
    {
        QFETCH(QString, focus);
        QFETCH(int, key);
        QFETCH(bool, plays);
        QFETCH(int, checkedAfter);
        Collection c;
        twoTracks(c);
        TrackWindow w(c);
        clickCheckBox(w.albums(), 0);
        clickCheckBox(w.tracks(), 0);
        QWidget* target = w.window().findChild<QWidget*>(focus);
        QVERIFY(target);
        target->setFocus();
        QVERIFY(target->hasFocus() || target->focusProxy()->hasFocus());
        const bool paneOrPictures = focus == "txtBrani" || focus == "lstJPEG";
        QCOMPARE(w.ui().cmdSuona->isDefault(), !paneOrPictures);

        QTest::keyClick(QApplication::focusWidget(), Qt::Key(key));
        QCOMPARE(w.opener.opened.size(), plays ? 1 : 0);
        QCOMPARE(w.checkedRows(w.tracks()).size(), checkedAfter);
        QVERIFY(w.dialogs.messages.isEmpty());
        if (plays)
            QVERIFY(w.tracks()->hasFocus());

        // The focus back on a list: Enter plays again.
        w.albums()->setFocus();
        QVERIFY(w.ui().cmdSuona->isDefault());
        QTest::keyClick(w.albums(), Qt::Key_Return);
        QCOMPARE(w.opener.opened.size(), plays ? 2 : 1);
    }

    void enterWithNothingCheckedDoesNothing()
    {
        Collection c;
        twoTracks(c);
        TrackWindow w(c);
        clickCheckBox(w.albums(), 0);
        QVERIFY(!w.ui().cmdSuona->isEnabled());
        w.tracks()->setFocus();
        QTest::keyClick(w.tracks(), Qt::Key_Return);
        QVERIFY(w.opener.opened.isEmpty());
        QCOMPARE(Beeper::count(), 0);
    }

    // Checked tracks none of which has a file: a beep, no file, no opener, no message.
    void nothingToPlayOnlyBeeps()
    {
        Collection c;
        c.album("[1979] Uno").text("01 - Alba.txt").text("02 - Sera.txt");
        TrackWindow w(c);
        clickCheckBox(w.albums(), 0);
        w.ui().cmdSelBrani->click();
        QVERIFY(w.ui().cmdSuona->isEnabled());
        QCOMPARE(w.window().playlistText(), QString());
        Beeper::resetCount();
        w.albums()->setFocus();
        w.ui().cmdSuona->click();
        QCOMPARE(Beeper::count(), 1);
        QVERIFY(w.opener.opened.isEmpty());
        QVERIFY(w.dialogs.messages.isEmpty());
        QVERIFY(!QFile::exists(w.window().tempFolder() + kPlaylistName));
        QVERIFY(w.tracks()->hasFocus());
    }

    // Paths with blanks and accents are written as UTF-8; a name that is not valid UTF-8
    // keeps its own bytes, so the player finds the file.
    void playlistFileBytes()
    {
        Collection c;
        const QByteArray album = "[1979] Citt\xC3\xA0 aperta";
        const QByteArrayList names = {"01 - Canzone con spazi", "02 - Perch\xC3\xA9 cos\xC3\xAC",
                                      "03 - caf\xE9", "04 - \xE6\x97\xA5\xE6\x9C\xAC"};
        for (const QByteArray& name : names) {
            c.rawFile(album + "/Testi/" + name + ".txt", "testo\r\n");
            c.rawFile(album + "/Brani/" + name + ".mp3", "abcdef");
        }
        const QByteArray before = c.fingerprint();
        TrackWindow w(c);
        clickCheckBox(w.albums(), 0);
        QCOMPARE(w.tracks()->rows()->count(), 4);
        w.ui().cmdSelBrani->click();
        w.ui().cmdSuona->click();

        QByteArray expected;
        for (const QByteArray& name : names)
            expected += QFile::encodeName(c.root()) + album + "/Brani/" + name + ".mp3\r\n";
        expected += "\r\n";
        const QString folder = w.window().tempFolder();
        QCOMPARE(folder, vastrel::platform::PrivateTempFolder::locate(w.systemTemp()));
        QCOMPARE(w.opener.opened, QStringList{folder + kPlaylistName});
        QCOMPARE(w.opener.workingFolders, QStringList{folder});
        QCOMPARE(w.opener.contents[0], expected);
        QVERIFY(w.dialogs.messages.isEmpty());
        QVERIFY(w.tracks()->hasFocus());

        // A later play overwrites the file whole.
        clickCheckBox(w.tracks(), 2);
        clickCheckBox(w.tracks(), 2);
        QCOMPARE(w.checkedRows(w.tracks()), QList<int>{2});
        w.ui().cmdSuona->click();
        QCOMPARE(bytesOf(folder + kPlaylistName),
                 QFile::encodeName(c.root()) + album + "/Brani/03 - caf\xE9.mp3\r\n\r\n");
        QCOMPARE(c.fingerprint(), before);
    }

    // The playlist cannot be written: nothing is said, and the opener is asked all the same.
    void unwritablePlaylist_data()
    {
        QTest::addColumn<QString>("problem");
        QTest::newRow("temporary folder vanished") << "vanished";
        QTest::newRow("a folder where the playlist goes") << "folder";
    }

    void unwritablePlaylist()
    {
        QFETCH(QString, problem);
        Collection c;
        twoTracks(c);
        TrackWindow w(c);
        clickCheckBox(w.albums(), 0);
        clickCheckBox(w.tracks(), 0);
        const QString folder = w.window().tempFolder();
        if (problem == "vanished")
            QVERIFY(QDir(folder).removeRecursively());
        else
            QVERIFY(QDir().mkdir(folder + kPlaylistName));
        w.ui().cmdSuona->click();
        QCOMPARE(w.opener.opened, QStringList{folder + kPlaylistName});
        QVERIFY(w.dialogs.messages.isEmpty());
        QCOMPARE(QFileInfo(folder + kPlaylistName).isDir(), problem == "folder");
        QVERIFY(w.tracks()->hasFocus());
    }

    // A folder that became read-only keeps the previous playlist, and the opener gets it.
    void readOnlyTemporaryFolder()
    {
        Collection c;
        twoTracks(c);
        TrackWindow w(c);
        clickCheckBox(w.albums(), 0);
        clickCheckBox(w.tracks(), 0);
        w.ui().cmdSuona->click();
        const QString folder = w.window().tempFolder();
        const QByteArray first = bytesOf(folder + kPlaylistName);
        QCOMPARE(first, line(c, "[1979] Uno/Brani/01 - Alba.mp3") + "\r\n");

        const QByteArray f = QFile::encodeName(folder);
        QVERIFY(::chmod((f + kPlaylistName.toUtf8()).constData(), 0400) == 0);
        QVERIFY(::chmod(f.constData(), 0500) == 0);
        clickCheckBox(w.tracks(), 1);
        const bool asked = asOtherUser([&] {
            w.ui().cmdSuona->click();
            return w.opener.opened.size() == 2 && w.dialogs.messages.isEmpty();
        });
        QVERIFY(::chmod(f.constData(), 0700) == 0);
        QVERIFY(asked);
        QCOMPARE(bytesOf(folder + kPlaylistName), first);
    }

    void openerFailureIsReported()
    {
        Collection c;
        twoTracks(c);
        TrackWindow w(c);
        clickCheckBox(w.albums(), 0);
        clickCheckBox(w.tracks(), 1);
        w.opener.succeed = false;
        w.albums()->setFocus();
        w.ui().cmdSuona->click();
        const QString playlist = w.window().tempFolder() + kPlaylistName;
        QCOMPARE(w.dialogs.messages.size(), 1);
        const auto& m = w.dialogs.messages[0];
        QVERIFY(m.icon == Dialogs::Icon::Critical);
        QVERIFY(!m.withCancel);
        QCOMPARE(m.title, QString("Vastrel - Suona i Brani Selezionati"));
        QCOMPARE(m.text, "ATTENZIONE! Impossibile Aprire il File:\r\n\r\n" + playlist);
        QCOMPARE(w.opener.contents[0], line(c, "[1979] Uno/Brani/02 - Sera.mp3") + "\r\n");
        QVERIFY(w.tracks()->hasFocus());
        QCOMPARE(w.checkedRows(w.tracks()), QList<int>{1});
    }

    // The real opener runs the "xdg-open" it finds first on PATH.
    void desktopOpenerEndToEnd_data()
    {
        QTest::addColumn<int>("exitCode");
        QTest::newRow("opener succeeds") << 0;
        QTest::newRow("opener fails") << 1;
    }

    void desktopOpenerEndToEnd()
    {
        QFETCH(int, exitCode);
        FakeXdgOpen fake(exitCode);
        vastrel::platform::DesktopOpener opener;
        Collection c;
        twoTracks(c);
        TrackWindow w(c, QSize(1024, 768), &opener);
        clickCheckBox(w.albums(), 0);
        w.ui().cmdSelBrani->click();
        w.tracks()->setFocus();
        QTest::keyClick(w.tracks(), Qt::Key_Return);

        QString folder = w.window().tempFolder();
        const QString playlist = folder + kPlaylistName;
        folder.chop(1);
        QCOMPARE(fake.calls(), "argc=1\narg=" + playlist + "\ncwd=" + folder + "\n");
        const QByteArray expected = line(c, "[1979] Uno/Brani/01 - Alba.mp3") +
                                    line(c, "[1979] Uno/Brani/02 - Sera.mp3") + "\r\n";
        QCOMPARE(fake.copy(), expected);
        QCOMPARE(bytesOf(playlist), expected);
        if (exitCode == 0) {
            QVERIFY(w.dialogs.messages.isEmpty());
        } else {
            QCOMPARE(w.dialogs.messages.size(), 1);
            QVERIFY(w.dialogs.messages[0].icon == Dialogs::Icon::Critical);
            QCOMPARE(w.dialogs.messages[0].title, QString("Vastrel - Suona i Brani Selezionati"));
            QCOMPARE(w.dialogs.messages[0].text,
                     "ATTENZIONE! Impossibile Aprire il File:\r\n\r\n" + playlist);
        }
        QVERIFY(w.tracks()->hasFocus());
    }
};

QTEST_MAIN(TestPlayback)
#include "TestPlayback.moc"
