#pragma once

#include "ModuleState.h"
#include "StartOptions.h"

#include <QStringList>
#include <memory>
#include <optional>

namespace vastrel::platform {
class Dialogs;
class Opener;
} // namespace vastrel::platform

namespace vastrel::mainwindow {
class frmVL;
}
namespace vastrel::aboutwindow {
class frmInfo;
}

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

    ModuleState& state() { return m_state; }
    mainwindow::frmVL* mainWindow() const { return m_frmVL.get(); }
    aboutwindow::frmInfo* aboutWindow() const { return m_frmInfo.get(); }

private:
    bool ParseOptions(const QString& readMe, const QStringList& arguments);
    WindowSizeRange sizeRange() const;
    std::optional<QString> musicFolderRoot() const;

    platform::Dialogs& m_dialogs;
    platform::Opener& m_opener;
    ModuleState m_state;
    std::unique_ptr<mainwindow::frmVL> m_frmVL;
    std::unique_ptr<aboutwindow::frmInfo> m_frmInfo;
    bool m_maximise = false;
};

} // namespace vastrel::startup
