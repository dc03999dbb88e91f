// Benchmarks of the program's interactions, each next to its file-system floor.
// Usage: vastrel_bench [--albums N]

#include "BareWalk.h"
#include "SyntheticCollection.h"
#include "Workload.h"
#include "mainwindow/frmVL.h"
#include "platform/Dialogs.h"
#include "platform/Opener.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <cstdio>
#include <dirent.h>

using vastrel::mainwindow::frmVL;

namespace {

class NoDialogs : public vastrel::platform::Dialogs
{
public:
    bool message(QWidget*, Icon, const QString&, const QString&, bool) override { return true; }
    QString input(QWidget*, const QString&, const QString&, const QString&, QPoint) override
    {
        return {};
    }
};

class NoOpener : public vastrel::platform::Opener
{
public:
    bool open(const QString&, const QString&) override { return true; }
};

QList<QByteArray> subfolders(const QByteArray& root)
{
    QList<QByteArray> names;
    DIR* dir = ::opendir(root.constData());
    while (const dirent* d = dir ? ::readdir(dir) : nullptr) {
        if (d->d_name[0] != '.')
            names.append(QByteArray(d->d_name));
    }
    if (dir)
        ::closedir(dir);
    return names;
}

// What an album refresh cannot avoid: the root, each Testi and, under filters 0 and 1,
// each Brani.
void bareAlbumWalk(const QByteArray& root, bool brani)
{
    BareWalk::listFolder(root);
    for (const QByteArray& name : subfolders(root)) {
        BareWalk::listFolder(root + name + "/Testi");
        if (brani)
            BareWalk::listFolder(root + name + "/Brani");
    }
}

void selectFilterQuietly(frmVL& window, int filter)
{
    window.setMousePointer(frmVL::Hourglass);
    window.findChild<QComboBox*>(QStringLiteral("cboMostra"))->setCurrentIndex(filter);
    window.setMousePointer(frmVL::Default);
}

int albumsOption(const QStringList& args)
{
    const qsizetype i = args.indexOf(QStringLiteral("--albums"));
    return i >= 0 && i + 1 < args.size() ? args.at(i + 1).toInt() : 10000;
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const int albums = albumsOption(app.arguments());

    std::printf("Generating %d albums...\n", albums);
    std::fflush(stdout);
    SyntheticCollection::Shape shape;
    shape.albums = albums;
    const SyntheticCollection collection(shape);
    const QByteArray root = QFile::encodeName(collection.root());

    NoDialogs dialogs;
    NoOpener opener;
    auto state = vastrel::startup::ModuleState::initial(collection.root(), QSize(1280, 800));
    frmVL window(state, dialogs, opener);

    QList<Workload> workloads;
    const QString size = QStringLiteral(" (%1 albums)").arg(albums);
    for (int filter : {0, 1, 2}) {
        workloads.append({QStringLiteral("Aggiorna, filter %1").arg(filter) + size,
                          [root, filter] { bareAlbumWalk(root, filter != 2); },
                          [&window, filter] {
                              selectFilterQuietly(window, filter);
                              window.Aggiorna();
                          }});
    }
    runWorkloads(workloads);
    return 0;
}
