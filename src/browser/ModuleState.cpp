#include "ModuleState.h"

namespace vastrel::browser {

ModuleState ModuleState::initial(const QString& programFolder, QSize screen)
{
    ModuleState s;
    s.collectionRoot = programFolder.endsWith(u'/') ? programFolder : programFolder + u'/';
    s.readMePath = s.collectionRoot + QStringLiteral("Leggimi.txt");
    s.screen = screen;
    // Twice the screen plus 8: room for the size switch to double a tall window.
    s.maxWindowWidth = 2 * screen.width() + 8;
    s.maxWindowHeight = 2 * screen.height() + 8;
    s.minWindowWidth = 540;
    return s;
}

} // namespace vastrel::browser
