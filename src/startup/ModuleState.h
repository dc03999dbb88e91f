#pragma once

#include <QSize>
#include <QString>

namespace vastrel::startup {

// The values of the start-up module that every window reads and some change. Main owns
// the one instance and hands it to the windows; sizes are in pixels.
struct ModuleState
{
    QString collectionRoot; // always ends with "/"
    QString readMePath;
    int paneMode = 0;
    bool aboutShown = false;
    int maxWindowWidth = 0;
    int maxWindowHeight = 0;
    int minWindowWidth = 540;
    int borderWidth = 0;
    int captionHeight = 0;
    int modifierState = 0;
    bool autoPlay = false;
    QString albumNotes;
    QString introNotes;
    QSize screen;

    // The first values of the start-up sequence, for a program in programFolder on a
    // screen of the given size.
    static ModuleState initial(const QString& programFolder, QSize screen);
};

} // namespace vastrel::startup
