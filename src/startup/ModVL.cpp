#include "ModVL.h"

#include "ReadMe.h"
#include "mainwindow/frmVL.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>

namespace vastrel::startup {

ModVL::ModVL(platform::Dialogs& dialogs, platform::Opener& opener)
    : m_dialogs(dialogs), m_opener(opener)
{}

ModVL::~ModVL() = default;

bool ModVL::Main(const QStringList& arguments)
{
    Q_UNUSED(arguments);
    // 1.-6. The module-wide values, root and read-me path from the program folder.
    const QSize screen = QGuiApplication::primaryScreen()->size();
    m_state = ModuleState::initial(QCoreApplication::applicationDirPath(), screen);

    // 7. The read-me text, or the notice that says why it could not be read.
    const QString readMe = ReadMe::load(m_state.readMePath);
    Q_UNUSED(readMe);

    // 8. The first use of the main window creates it; the filter selection fills the list.
    m_frmVL = std::make_unique<mainwindow::frmVL>(m_state, m_dialogs);

    // 9.
    m_frmVL->Aggiorna();

    // 14.
    m_frmVL->show();
    return true;
}

} // namespace vastrel::startup
