#pragma once

#include "Opener.h"

namespace vastrel::platform {

// Runs "xdg-open" found on PATH (elsewhere the desktop services of Qt). It waits a short
// while for the opener's answer, never for the player that it starts.
class DesktopOpener : public Opener
{
public:
    bool open(const QString& file, const QString& workingFolder) override;

    static constexpr int kAnswerWaitMs = 3000;
};

} // namespace vastrel::platform
