#include "ModVL.h"

#include "OptionParser.h"
#include "ReadMe.h"
#include "RootOption.h"
#include "aboutwindow/frmInfo.h"
#include "mainwindow/frmVL.h"
#include "startwindow/frmStartUp.h"

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

bool ModVL::Main(const QStringList& arguments)
{
    // 1.-6. The module-wide values, root and read-me path from the program folder.
    const QSize screen = QGuiApplication::primaryScreen()->size();
    m_state = ModuleState::initial(QCoreApplication::applicationDirPath(), screen);

    // 7. The read-me text, or the notice that says why it could not be read.
    const QString readMe = ReadMe::load(m_state.readMePath);

    // 8.
    if (!ParseOptions(readMe, arguments))
        return false;

    // 9.
    m_frmVL->Aggiorna();

    // 10.-13. The start-up window, until it hides itself.
    {
        startwindow::frmStartUp startUp(m_state, *m_frmVL);
        startUp.move(startwindow::frmStartUp::centredOn(m_state.screen));
        startUp.exec();
    }

    // 14.-15. Maximised before it is mapped: asked for just after the mapping, the request
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
    if (RootOption::accept(m_state.collectionRoot))
        return std::nullopt;
    const QString music = QStandardPaths::writableLocation(QStandardPaths::MusicLocation);
    if (music.isEmpty())
        return std::nullopt;
    return RootOption::accept(music.endsWith(u'/') ? music : music + u'/');
}

WindowSizeRange ModVL::sizeRange() const
{
    const int frameHeight = m_state.borderWidth + m_state.captionHeight;
    return {QSize(m_state.minWindowWidth, frameHeight + 326),
            QSize(m_state.minWindowWidth, frameHeight + 167),
            QSize(m_state.maxWindowWidth, m_state.maxWindowHeight)};
}

bool ModVL::ParseOptions(const QString& readMe, const QStringList& arguments)
{
    const StartOptions o =
        OptionParser::parse(arguments, m_state.screen, sizeRange(), QDir::currentPath());

    m_maximise = o.maximised;
    // 1.
    if (o.rootCandidate) {
        if (const auto root = RootOption::accept(*o.rootCandidate))
            m_state.collectionRoot = *root;
    } else if (const auto music = musicFolderRoot()) {
        m_state.collectionRoot = *music;
    }
    // 2. The first use of the main window loads it; each selection refreshes the albums.
    m_frmVL = std::make_unique<mainwindow::frmVL>(m_state, m_dialogs, m_opener);
    m_frmVL->selectShowFilter(2);
    // 3.-4.
    if (o.onlyDuplicates)
        m_frmVL->selectShowFilter(0);
    if (o.onlyOriginals)
        m_frmVL->selectShowFilter(1);
    // 5.
    if (o.halfMode)
        m_frmVL->setHalfMode(true);
    // 6.-7.
    if (o.paneMode)
        m_state.paneMode = *o.paneMode;
    // 8.
    if (o.alphabetical)
        m_frmVL->setAlphabetical(true);
    // 9.-12.
    m_frmVL->setOuterGeometry(o.geometry);
    // 13. The About window, loaded hidden with the read-me text.
    m_frmInfo = std::make_unique<aboutwindow::frmInfo>(m_state, m_dialogs, m_frmVL->windowIcon());
    m_frmInfo->setReadMe(readMe);
    m_frmVL->setAboutWindow(m_frmInfo.get());
    // 14. A help request shows the About window and ends the program.
    if (o.help) {
        const QSize about = m_frmInfo->frameGeometry().size();
        m_frmInfo->move((m_state.screen.width() - about.width()) / 2,
                        (m_state.screen.height() - about.height()) / 2);
        m_frmInfo->exec();
        return false;
    }
    return true;
}

} // namespace vastrel::startup
