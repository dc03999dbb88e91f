#pragma once

#include "StartOptions.h"
#include "browser/ModuleState.h"

#include <QStringList>
#include <chrono>
#include <memory>
#include <optional>

namespace vastrel::platform {
class Dialogs;
class DirectoryCache;
class Opener;
} // namespace vastrel::platform

namespace vastrel::browser {
class BrowsingSession;
}

namespace vastrel::ui {
class frmInfo;
class frmVL;
class StartUpProgress;
} // namespace vastrel::ui

namespace vastrel::startup {

// The start-up module: fixes the module-wide values, reads the read-me text, applies the
// command line, fills the album list and shows the main window.
class ModVL
{
public:
    ModVL(platform::Dialogs& dialogs, platform::Opener& opener);
    ~ModVL();

    // Runs the start-up sequence. False when the program has ended already (help request).
    bool Main(const QStringList& arguments);
    // How long the start-up reads the collection before it shows how far it is.
    void setProgressDelay(std::chrono::milliseconds delay) { m_progressDelay = delay; }

    // The module-wide values; the session owns them once the command line is read.
    const browser::ModuleState& state() const;
    browser::BrowsingSession& session() const { return *m_session; }
    ui::frmVL* mainWindow() const { return m_frmVL.get(); }
    ui::frmInfo* aboutWindow() const { return m_frmInfo.get(); }

private:
    bool ParseOptions(const QString& readMe, const QStringList& arguments);
    WindowSizeRange sizeRange() const;
    std::optional<QString> musicFolderRoot() const;

    platform::Dialogs& m_dialogs;
    platform::Opener& m_opener;
    // The first values, until the session takes them over.
    browser::ModuleState m_start;
    // Outlives the windows that show it.
    std::unique_ptr<browser::BrowsingSession> m_session;
    // The folder listings of the start-up sequence, up to the start-up window's loading:
    // the root is listed once for the root option, the album refreshes and "[Varie]".
    std::unique_ptr<platform::DirectoryCache> m_startUpListings;
    std::unique_ptr<ui::frmVL> m_frmVL;
    std::unique_ptr<ui::frmInfo> m_frmInfo;
    // How far a slow start-up has read, until the start-up window.
    std::unique_ptr<ui::StartUpProgress> m_progress;
    std::optional<std::chrono::milliseconds> m_progressDelay;
    bool m_maximise = false;
};

} // namespace vastrel::startup
