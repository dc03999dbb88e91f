// Benchmarks of the program's interactions, each next to its file-system floor measured in
// the same run. Usage: vastrel_bench [--albums N[,N...]] [--only TEXT[|TEXT...]] [--audio]
// [--share-latency MS [--share-untyped]]
// (--audio: the track files are real-sized VBR MP3 and FLAC files instead of small MPEG ones;
// --share-latency: through a simulated network share answering each request after MS ms,
// 3,000 albums unless --albums says otherwise; --share-untyped: its listings leave the entries'
// types out)
// For scripts/check-share: vastrel_bench --make-collection FOLDER [--albums N] leaves a
// collection in FOLDER, and vastrel_bench --collection FOLDER runs the share's workloads on
// the collection there, as a real network client serves it.

#include "BareWalk.h"
#include "BenchWindow.h"
#include "ShareMount.h"
#include "SyntheticCollection.h"
#include "Workload.h"
#include "browser/WindowLimits.h"
#include "catalogue/ShowFilter.h"
#include "platform/DesktopOpener.h"
#include "platform/WorkPool.h"
#include "startup/ModVL.h"
#include "ui/TextPane.h"
#include "ui/WidgetDialogs.h"
#include "ui/frmLeggio.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <optional>

namespace {

using vastrel::browser::Pointer;
using List = vastrel::browser::BrowsingSession::List;

// Above this many albums the workloads that list every track (over a million rows) are left
// out, and each workload runs fewer times.
constexpr int kTrackWorkloadsUpTo = 10000;
constexpr int kLargeRuns = 3;

// The value after name, or a null string.
QString option(const QStringList& args, const QString& name)
{
    const qsizetype i = args.indexOf(name);
    return i >= 0 && i + 1 < args.size() ? args.at(i + 1) : QString();
}

QList<int> sizesOption(const QStringList& args, const QList<int>& sizes)
{
    const QString given = option(args, QStringLiteral("--albums"));
    if (given.isNull())
        return sizes;
    QList<int> chosen;
    for (const QString& n : given.split(u','))
        chosen.append(n.toInt());
    return chosen;
}

// The start-up window is dismissed as soon as it shows, as a user clicking it at once.
void dismissStartUpWindow()
{
    QTimer::singleShot(0, [] {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal && modal->objectName() == u"frmStartUp")
            modal->hide();
        else
            dismissStartUpWindow();
    });
}

QList<Workload> albumWorkloads(BenchWindow& w, const QByteArray& root, const QString& size)
{
    QList<Workload> list;
    for (int filter : {0, 1, 2}) {
        list.append(
            {QStringLiteral("Aggiorna, filter %1").arg(filter) + size,
             [root, filter](int threads) { BareWalk::albumRefresh(root, filter, threads); },
             [&w] { w.window().Aggiorna(); },
             [&w, filter] { w.setShowFilterQuietly(vastrel::catalogue::showFilterAt(filter)); }});
    }
    const QList<QByteArray> fifty = w.albums(50);
    // From "Tutto" to "Solo Originali", which lists every Brani folder as the floor does.
    list.append({QStringLiteral("show-filter change, 50 albums checked") + size,
                 [root, fifty](int threads) {
                     BareWalk::albumRefresh(root, 1, threads);
                     BareWalk::checkedAlbums(root, fifty, threads);
                 },
                 [&w] { w.ui().cboMostra->setCurrentIndex(1); },
                 [&w] {
                     w.setShowFilterQuietly(vastrel::catalogue::ShowFilter::Everything);
                     w.setAlbumsQuietly(50, true);
                 }});
    return list;
}

QList<Workload> trackWorkloads(BenchWindow& w, const QByteArray& root, const QString& size,
                               int albums)
{
    QList<Workload> list;
    const QList<QByteArray> all = w.albums(albums);
    list.append({QStringLiteral("check every album (cmdSelAlbum)") + size,
                 [root, all](int threads) { BareWalk::checkedAlbums(root, all, threads); },
                 [&w] { w.session().selectAll(List::Albums); },
                 [&w] {
                     w.setShowFilterQuietly(vastrel::catalogue::ShowFilter::Everything);
                     w.setAlbumsQuietly(0, false);
                     w.session().switchSelectMode(List::Albums);
                 }});
    list.append({QStringLiteral("title search over every track") + size,
                 {},
                 [&w] { w.window().cmdCercaBrano_Click(); },
                 [] {}});
    const QList<QByteArray> twoHundred = w.albums(200);
    list.append(
        {QStringLiteral("check every track of 200 albums (cmdSelBrani)"),
         [root, twoHundred](int threads) { BareWalk::checkedTracks(root, twoHundred, threads); },
         [&w] { w.session().selectAll(List::Tracks); },
         [&w] {
             w.listAlbums(200);
             w.session().switchSelectMode(List::Tracks);
         }});
    const QList<QByteArray> oneAlbum = w.albums(1);
    list.append(
        {QStringLiteral("plain click on one track, 2,000 listed"),
         [root, oneAlbum](int threads) { BareWalk::checkedTracks(root, oneAlbum, threads); },
         [&w] { w.session().tracks().setChecked(0, true); },
         [&w] {
             w.listAlbums(167);
             w.setTracksQuietly(false);
         }});
    return list;
}

// About 3 MB of track texts as a rebuild gathers them, four line breaks apart, with chord
// blocks whose columns are tabs.
QString threeMegabytePane()
{
    QByteArray pane;
    for (int t = 0; pane.size() < 3'000'000; ++t) {
        if (!pane.isEmpty())
            pane += "\r\n\r\n\r\n\r\n";
        pane += SyntheticCollection::lyrics(1200, t % 3 == 0).replace("   ", "\t");
    }
    return QString::fromLatin1(pane);
}

// The pane filled as after a rebuild, its length read as the window reads it, and the pane
// painted on a window of the size the layout is made for.
Workload paneWorkload(BenchWindow& w)
{
    using vastrel::browser::WindowLimits;
    const QString pane = threeMegabytePane();
    // One character for each CR LF.
    const qsizetype shown = pane.size() - pane.count(QStringLiteral("\r\n"));
    return {QStringLiteral("fill the text pane with 3 MB of plain text"),
            {},
            [&w, pane, shown] {
                w.ui().txtBrani->setContent(pane);
                if (w.ui().txtBrani->plainText().size() != shown)
                    qFatal("the pane does not hold the text");
                w.ui().txtBrani->repaint();
            },
            [&w] {
                w.window().resize(WindowLimits::kMinClientWidth,
                                  WindowLimits::kMinClientHeightFull);
                w.ui().txtBrani->setContent(QString());
            }};
}

// 200 checked tracks of 17 albums printed into a PDF file: from the key to the file written.
Workload songbookWorkload(BenchWindow& w, const QString& pdf)
{
    return {QStringLiteral("songbook of 200 tracks to PDF"),
            {},
            [&w, pdf] {
                w.window().trigger(vastrel::browser::Command::Print);
                if (!QFile::exists(pdf))
                    qFatal("no songbook was printed");
            },
            [&w, pdf] {
                QFile::remove(pdf);
                w.listAlbums(17);
                w.checkTracks(200);
            },
            3};
}

// Ctrl+L on 200 checked tracks of 17 albums: from the key to the reading view painted full
// screen, every song laid out.
Workload readingWorkload(BenchWindow& w)
{
    using vastrel::ui::frmLeggio;
    return {QStringLiteral("reading view opens on 200 checked tracks"),
            {},
            [&w] {
                w.window().trigger(vastrel::browser::Command::Read);
                auto* reading = w.window().findChild<frmLeggio*>();
                if (!reading || reading->place().songCount() != 200)
                    qFatal("the reading view does not show the tracks");
                reading->repaint();
            },
            [&w] {
                delete w.window().findChild<frmLeggio*>();
                w.listAlbums(17);
                w.checkTracks(200);
            }};
}

// Ctrl+plus on the pane holding 3 MB of track texts: from the key to the pane painted.
Workload zoomWorkload(BenchWindow& w)
{
    const QString pane = threeMegabytePane();
    return {QStringLiteral("zoom step on a 3 MB pane"),
            {},
            [&w] {
                w.window().trigger(vastrel::browser::Command::ZoomIn);
                w.ui().txtBrani->repaint();
                if (w.session().state().textZoom != 110)
                    qFatal("the pane was not zoomed");
            },
            [&w, pane] {
                w.window().trigger(vastrel::browser::Command::ZoomNormal);
                w.ui().txtBrani->setContent(pane);
                w.ui().txtBrani->repaint();
            }};
}

Workload startUpWorkload(const QString& root, const QByteArray& rootBytes, const QString& size)
{
    return {QStringLiteral("start-up to the main window shown") + size,
            [rootBytes](int threads) { BareWalk::albumRefresh(rootBytes, 2, threads); },
            [root] {
                vastrel::ui::WidgetDialogs dialogs;
                vastrel::platform::DesktopOpener opener;
                vastrel::startup::ModVL modVL(dialogs, opener);
                dismissStartUpWindow();
                modVL.Main({QStringLiteral("/ROOT:") + root});
            },
            {},
            3};
}

// Whether --only lets the workload of that name run.
bool chosen(const QStringList& args, const QString& name)
{
    const QString only = option(args, QStringLiteral("--only"));
    if (only.isNull())
        return true;
    const QStringList wanted = only.split(u'|');
    return std::any_of(wanted.begin(), wanted.end(),
                       [&](const QString& text) { return name.contains(text); });
}

// The peak memory of checking every album on the window with nothing checked, per track row.
void rowBudget(BenchWindow& w, const QString& size)
{
    printBytesPerRow(
        QStringLiteral("bytes per track row (check every album)") + size,
        [&w] {
            w.listAlbums(0);
            w.session().switchSelectMode(List::Albums);
        },
        [&w] {
            w.session().selectAll(List::Albums);
            return qsizetype(w.session().tracks().count());
        });
    // The workloads after it start from a window with nothing checked.
    w.listAlbums(0);
}

// Runs the workloads on the collection seen at root: its own folder, or a share of it, whose
// answered requests requests() counts where it can. A collection above kTrackWorkloadsUpTo
// albums runs the album refreshes and start-up only.
void runCollection(const QString& root, int albums, const QString& size, const QStringList& args,
                   bool share, const std::function<long()>& requests = {})
{
    const QByteArray rootBytes = QFile::encodeName(root);
    BenchWindow w(root);
    const bool tracks = albums <= kTrackWorkloadsUpTo;
    if (tracks && !share && chosen(args, QStringLiteral("bytes per track row")))
        rowBudget(w, size);
    const QTemporaryDir printed;
    const QString songbook = printed.filePath(QStringLiteral("songbook.pdf"));
    w.printTo(songbook);
    QList<Workload> workloads = albumWorkloads(w, rootBytes, size);
    if (tracks) {
        workloads += trackWorkloads(w, rootBytes, size, albums);
        workloads.append(songbookWorkload(w, songbook));
        workloads.append(readingWorkload(w));
        workloads.append(zoomWorkload(w));
        // Last on this window: it leaves the window at its smallest size.
        workloads.append(paneWorkload(w));
    }
    workloads.append(startUpWorkload(root, rootBytes, size));
    workloads.removeIf([&](const Workload& workload) { return !chosen(args, workload.name); });
    if (!tracks) {
        for (Workload& workload : workloads)
            workload.runs = std::min(workload.runs, kLargeRuns);
    }
    if (share) {
        runShareWorkloads(workloads, requests);
    } else {
        vastrel::platform::WorkPool::chooseFor(root);
        runWorkloads(workloads, vastrel::platform::WorkPool::threads());
    }
}

SyntheticCollection::Shape shapeOf(int albums, const QStringList& args)
{
    SyntheticCollection::Shape shape;
    shape.albums = albums;
    shape.realAudio = args.contains(QStringLiteral("--audio"));
    return shape;
}

// --make-collection FOLDER: the collection of a run, left in FOLDER for a share to serve.
int makeCollection(const QString& folder, int albums, const QStringList& args)
{
    const SyntheticCollection collection(shapeOf(albums, args), folder);
    std::printf("%d albums of 12 tracks in %s\n", albums, qPrintable(collection.root()));
    return 0;
}

// --collection FOLDER: the share's workloads on a collection that a real client serves.
int runMounted(const QString& folder, const QStringList& args)
{
    const QString root = folder.endsWith(u'/') ? folder : folder + u'/';
    std::printf("\nThe collection in %s, through its share\n", qPrintable(root));
    std::fflush(stdout);
    // Every album it holds; the track workloads list them all.
    runCollection(root, kTrackWorkloadsUpTo, QString(), args, true);
    return 0;
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    const QString made = option(args, QStringLiteral("--make-collection"));
    if (!made.isNull())
        return makeCollection(made, sizesOption(args, {3000}).value(0), args);
    const QString mounted = option(args, QStringLiteral("--collection"));
    if (!mounted.isNull())
        return runMounted(mounted, args);
    const QString latencyOption = option(args, QStringLiteral("--share-latency"));
    int latency = latencyOption.isNull() ? -1 : latencyOption.toInt();
    const bool untyped = args.contains(QStringLiteral("--share-untyped"));
    const auto noShare = [&latency](const QString& why) {
        std::printf("No simulated share: %s; the benchmark runs on the local disk.\n",
                    qPrintable(why));
        latency = -1;
    };
    if (latency >= 0 && !ShareMount::unavailable().isEmpty())
        noShare(ShareMount::unavailable());
    for (int albums :
         sizesOption(args, latency >= 0 ? QList<int>{3000} : QList<int>{1000, 10000})) {
        std::printf("\n%d albums of 12 tracks (generating...)\n", albums);
        std::fflush(stdout);
        const SyntheticCollection::Shape shape = shapeOf(albums, args);
        QElapsedTimer generating;
        generating.start();
        const SyntheticCollection collection(shape);
        std::printf("Generated in %.0f s\n", double(generating.elapsed()) / 1000);
        const QString size = QStringLiteral(", %1 albums").arg(albums) +
                             (shape.realAudio ? QStringLiteral(", FLAC and VBR MP3") : QString());
        std::optional<ShareMount> share;
        if (latency >= 0) {
            share.emplace(collection.root(), latency, untyped);
            if (share->root().isEmpty()) {
                noShare(share->error());
                share.reset();
            } else {
                std::printf("Through a share answering each request after %d ms, %s\n", latency,
                            untyped ? "listing names without their types"
                                    : "listing names with their types");
            }
        }
        if (share)
            runCollection(share->root(), albums, size, args, true,
                          [&share] { return share->requests(); });
        else
            runCollection(collection.root(), albums, size, args, false);
    }
    return 0;
}
