#pragma once

#include "PaneMode.h"
#include "TextZoom.h"
#include "platform/ModifierMask.h"

#include <QSize>
#include <QString>

namespace vastrel::browser {

// The values of the start-up module that every window reads. The start-up sequence fixes
// their first values; the browsing session owns them from then on. Sizes are in pixels.
struct ModuleState
{
    QString collectionRoot; // always ends with "/"
    QString readMePath;
    PaneMode paneMode = PaneMode::Both;
    SizeMode sizeMode = SizeMode::Full;
    int maxWindowWidth = 0;
    int maxWindowHeight = 0;
    int minWindowWidth = 540;
    int borderWidth = 0;
    int captionHeight = 0;
    // The modifiers of the last gesture on a list, or Ctrl once a change of many marks has
    // begun: without Ctrl a check keeps only the checked row, Shift plays at once.
    platform::Modifiers modifierState;
    bool autoPlay = false;
    QString albumNotes;
    QString introNotes;
    QSize screen;
    // The text pane's font size, in percent of its normal size.
    int textZoom = TextZoom::kNormal;

    // The first values of the start-up sequence, for a program in programFolder on a
    // screen of the given size.
    static ModuleState initial(const QString& programFolder, QSize screen);
};

} // namespace vastrel::browser
