#pragma once

#include <QFont>

namespace vastrel::platform {

// The fonts the windows name. "Arial" resolves through fontconfig; the fixed-pitch font is
// the system's, or a monospaced family where the platform names none.
class Fonts
{
public:
    static QFont fixedPitch(int pointSize);
};

} // namespace vastrel::platform
