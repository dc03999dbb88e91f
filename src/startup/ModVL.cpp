#include "ModVL.h"

#include "CollectionPicture.h"
#include "OptionParser.h"
#include "ReadMe.h"
#include "RootOption.h"
#include "browser/BrowsingSession.h"
#include "browser/VarieFolder.h"
#include "browser/WindowLimits.h"
#include "catalogue/ShowFilter.h"
#include "platform/DirectoryCache.h"
#include "ui/StartUpProgress.h"
#include "ui/frmInfo.h"
#include "ui/frmStartUp.h"
#include "ui/frmVL.h"

#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QScreen>
#include <QStandardPaths>

namespace vastrel::startup {

ModVL::ModVL(platform::Dialogs& dialogs, platform::Opener& opener)
    : m_dialogs(dialogs), m_opener(opener)
{}

ModVL::~ModVL() = default;

const browser::ModuleState& ModVL::state() const
{
    return m_session ? m_session->state() : m_start;
}

bool ModVL::Main(const QStringList& arguments)
{
    // The module-wide values, root and read-me path from the program folder.
    const QSize screen = QGuiApplication::primaryScreen()->size();
    m_start = browser::ModuleState::initial(QCoreApplication::applicationDirPath(), screen);

    // The read-me text, or the notice that says why it could not be read.
    const QString readMe = ReadMe::load(m_start.readMePath);

    if (!ParseOptions(readMe, arguments))
        return false;

    m_frmVL->Aggiorna();
    m_progress.reset();

    // The start-up window, until it hides itself, with the collection's picture, which names
    // the main window and is its empty picture; the collection's introductory notes, which
    // the main window shows while no album is checked. Failures leave the design-time
    // picture and no notes.
    {
        const QString root = state().collectionRoot;
        const auto picture = CollectionPicture::of(
            root, QSize(ui::frmStartUp::kSide, ui::frmStartUp::kSide), *m_startUpListings);
        ui::frmStartUp startUp(state().screen, picture.corner);
        m_frmVL->setWindowTitle(picture.caption(m_frmVL->windowTitle()));
        m_frmVL->setEmptyPicture(picture.whole.isNull() ? startUp.picture()
                                                        : QPixmap::fromImage(picture.whole));
        if (auto notes = browser::VarieFolder::introduction(root, *m_startUpListings))
            m_session->setIntroduction(*notes);
        m_session->holdListings(nullptr);
        m_startUpListings.reset();
        startUp.move(ui::frmStartUp::centredOn(state().screen));
        startUp.exec();
    }

    // Maximised before it is mapped: asked for just after the mapping, the request
    // can reach the window manager before the window is managed, and be lost.
    if (m_maximise)
        m_frmVL->setWindowState(m_frmVL->windowState() | Qt::WindowMaximized);
    m_frmVL->show();
    m_frmVL->Form_Activate();
    return true;
}

// A program installed system-wide does not live in its collection: when its folder holds
// no collection and none was named, the user's music folder is opened if it holds one.
std::optional<QString> ModVL::musicFolderRoot() const
{
    if (RootOption::accept(m_start.collectionRoot, *m_startUpListings))
        return std::nullopt;
    const QString music = QStandardPaths::writableLocation(QStandardPaths::MusicLocation);
    if (music.isEmpty())
        return std::nullopt;
    return RootOption::accept(music.endsWith(u'/') ? music : music + u'/', *m_startUpListings);
}

WindowSizeRange ModVL::sizeRange() const
{
    const auto limits = [this](bool halfMode) {
        return browser::WindowLimits::compute(m_start.borderWidth, m_start.captionHeight, halfMode,
                                              m_start.minWindowWidth, m_start.maxWindowWidth,
                                              m_start.maxWindowHeight);
    };
    return {limits(false).minimum, limits(true).minimum, limits(false).maximum};
}

bool ModVL::ParseOptions(const QString& readMe, const QStringList& arguments)
{
    const StartOptions o =
        OptionParser::parse(arguments, m_start.screen, sizeRange(), QDir::currentPath());

    m_maximise = o.maximised;
    m_startUpListings = std::make_unique<platform::DirectoryCache>();
    if (o.rootCandidate) {
        if (const auto root = RootOption::accept(*o.rootCandidate, *m_startUpListings))
            m_start.collectionRoot = *root;
    } else if (const auto music = musicFolderRoot()) {
        m_start.collectionRoot = *music;
    }
    if (o.paneMode)
        m_start.paneMode = *o.paneMode;
    m_start.textZoom = o.textZoom;
    m_session = std::make_unique<browser::BrowsingSession>(m_start, m_opener);
    // The first use of the main window loads it; each selection refreshes the albums, and
    // the refreshes up to the start-up window share their folder listings.
    m_frmVL = std::make_unique<ui::frmVL>(*m_session, m_dialogs);
    m_session->holdListings(m_startUpListings.get());
    // A start-up that reads for long (a collection on a slow share) shows how far it is.
    m_progress = std::make_unique<ui::StartUpProgress>(m_start.screen);
    if (m_progressDelay)
        m_session->setProgressDelay(*m_progressDelay);
    QObject::connect(m_session.get(), &browser::BrowsingSession::progress, m_progress.get(),
                     &ui::StartUpProgress::report);
    using catalogue::ShowFilter;
    m_frmVL->selectShowFilter(ShowFilter::Everything);
    if (o.onlyDuplicates)
        m_frmVL->selectShowFilter(ShowFilter::OnlyDuplicates);
    if (o.onlyOriginals)
        m_frmVL->selectShowFilter(ShowFilter::OnlyOriginals);
    if (o.halfMode)
        m_frmVL->setHalfMode(true);
    if (o.alphabetical)
        m_frmVL->setAlphabetical(true);
    m_frmVL->setOuterGeometry(o.geometry);
    // The About window, loaded hidden with the read-me text.
    m_frmInfo = std::make_unique<ui::frmInfo>(m_dialogs, m_frmVL->windowIcon());
    m_frmInfo->setReadMe(readMe);
    m_frmVL->setAboutWindow(m_frmInfo.get());
    // A help request shows the About window and ends the program.
    if (o.help) {
        m_progress.reset();
        const QSize screen = state().screen;
        m_frmInfo->execPlaced([screen](QSize about) {
            return QPoint((screen.width() - about.width()) / 2,
                          (screen.height() - about.height()) / 2);
        });
        return false;
    }
    return true;
}

} // namespace vastrel::startup
