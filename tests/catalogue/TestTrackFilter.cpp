#include "catalogue/TrackFilter.h"
#include "platform/DirectoryCache.h"
#include "support/AsOtherUser.h"
#include "support/Collection.h"

#include <QFile>
#include <QTest>
#include <sys/stat.h>

using vastrel::catalogue::TrackFilter;
using vastrel::platform::DirectoryCache;

class TestTrackFilter : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void shownAndTag_data()
    {
        QTest::addColumn<QStringList>("brani");
        QTest::addColumn<QByteArray>("marker"); // content of 05 Canzone.VL when listed
        QTest::addColumn<int>("filter");
        QTest::addColumn<bool>("shown");
        QTest::addColumn<QString>("tag");

        const QByteArray line = "[1979] Altro Album\\Brani\\05 Canzone.mp3\r\n";
        QTest::newRow("0: marker") << QStringList{"05 Canzone.VL"} << line << 0 << true << "[1979]";
        QTest::newRow("0: marker in lower case")
            << QStringList{"05 canzone.vl"} << line << 0 << true << "[1979]";
        QTest::newRow("0: no marker") << QStringList{"05 Canzone.mp3"} << line << 0 << false << "";
        QTest::newRow("1: track file listed first")
            << QStringList{"05 Canzone.mp3", "05 Canzone.VL"} << line << 1 << true << "[1979]";
        QTest::newRow("1: marker listed first")
            << QStringList{"05 Canzone.wav", "05 Canzone.VL"} << line << 1 << false << "";
        QTest::newRow("1: only a marker")
            << QStringList{"05 Canzone.VL"} << line << 1 << false << "";
        QTest::newRow("1: nothing at all") << QStringList{} << line << 1 << true << "";
        QTest::newRow("1: other track's marker")
            << QStringList{"05 Canzone2.VL"} << line << 1 << true << "";
        QTest::newRow("2: marker tag read")
            << QStringList{"05 Canzone.VL"} << line << 2 << true << "[1979]";
        QTest::newRow("leading backslash gives no tag")
            << QStringList{"05 Canzone.VL"} << QByteArray("\\[1979] A\\Brani\\x.mp3") << 2 << true
            << "";
        QTest::newRow("no bracket gives no tag")
            << QStringList{"05 Canzone.VL"} << QByteArray("Altro\\x.mp3") << 2 << true << "";
        QTest::newRow("forward slashes")
            << QStringList{"05 Canzone.VL"} << QByteArray("[Live] A/Brani/x.mp3\n") << 2 << true
            << "[Live]";
        QTest::newRow("empty marker")
            << QStringList{"05 Canzone.VL"} << QByteArray() << 0 << true << "";
        QTest::newRow("binary marker")
            << QStringList{"05 Canzone.VL"} << QByteArray("\x00\xFF[12]\x01", 6) << 2 << true << "";
        QTest::newRow("windows-1252 tag")
            << QStringList{"05 Canzone.VL"} << QByteArray("[Citt\xE0] x") << 2 << true << "[Città]";
    }

    void shownAndTag()
    {
        QFETCH(QStringList, brani);
        QFETCH(QByteArray, marker);
        QFETCH(int, filter);
        QFETCH(bool, shown);
        QFETCH(QString, tag);
        Collection c;
        c.album("[1983] Album").text("05 Canzone.txt").folder("[1983] Album/Brani");
        for (const QString& f : brani)
            c.track(f, f.endsWith("VL", Qt::CaseInsensitive) ? marker : QByteArray("x"));
        DirectoryCache cache;
        const auto r =
            TrackFilter::test(c.path("[1983] Album/Brani/05 Canzone.txt"), filter, cache);
        QCOMPARE(r.shown, shown);
        QCOMPARE(r.markerTag, tag);
    }

    void markersThatCannotBeReadGiveNoTag_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("folder") << "folder";
        QTest::newRow("fifo") << "fifo";
        QTest::newRow("broken link") << "link";
        QTest::newRow("unreadable") << "closed";
    }

    void markersThatCannotBeReadGiveNoTag()
    {
        QFETCH(QString, kind);
        Collection c;
        c.album("[1983] Album").text("x.txt").track("y.mp3");
        const QString marker = c.path("[1983] Album/Brani/x.VL");
        const QByteArray m = QFile::encodeName(marker);
        if (kind == "folder")
            c.folder("[1983] Album/Brani/x.VL");
        else if (kind == "fifo")
            QVERIFY(::mkfifo(m.constData(), 0644) == 0);
        else if (kind == "link")
            QVERIFY(::symlink("/nowhere", m.constData()) == 0);
        else {
            c.marker("x.VL", "[1979] A\\Brani\\x.mp3");
            ::chmod(m.constData(), 0);
        }
        const QString q = c.path("[1983] Album/Brani/x.txt");
        QVERIFY(asOtherUser([&] {
            DirectoryCache cache;
            const auto r = TrackFilter::test(q, 2, cache);
            return r.shown && r.markerTag.isEmpty();
        }));
    }

    void hugeMarkerWithoutLineEndIsReadBounded()
    {
        Collection c;
        c.album("[1983] Album").text("x.txt").track("x.VL", "[1979]" + QByteArray(6 << 20, 'x'));
        DirectoryCache cache;
        QCOMPARE(TrackFilter::markerFirstLine(c.path("[1983] Album/Brani/x.VL"), cache).size(),
                 TrackFilter::kMaxMarkerLine);
        QCOMPARE(TrackFilter::test(c.path("[1983] Album/Brani/x.txt"), 0, cache).markerTag,
                 QString("[1979]"));
    }

    void shortPathDoesNotCrash()
    {
        DirectoryCache cache;
        QVERIFY(TrackFilter::test("ab", 0, cache).shown == false);
        QVERIFY(TrackFilter::test(QString(), 1, cache).shown);
    }
};

QTEST_GUILESS_MAIN(TestTrackFilter)
#include "TestTrackFilter.moc"
