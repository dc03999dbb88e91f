#pragma once

#include <QByteArray>

namespace vastrel::platform {

// The window system the program runs on. On a Wayland session it runs natively; a window
// there cannot choose its own position, so a position asked for on the command line takes
// the program to X11 (XWayland) where that is there. The user's QT_QPA_PLATFORM always wins.
class WindowSystem
{
public:
    // The variables of the environment that decide.
    struct Session
    {
        QByteArray qpaPlatform;    // QT_QPA_PLATFORM
        QByteArray waylandDisplay; // WAYLAND_DISPLAY
        QByteArray display;        // DISPLAY
        QByteArray sessionType;    // XDG_SESSION_TYPE

        static Session current();
    };

    // The value for QT_QPA_PLATFORM, platforms to try in order; empty to leave Qt's choice.
    static QByteArray platformFor(const Session& session, bool positionAsked);
    // Asks for it, before the application object exists.
    static void choose(bool positionAsked);
    // Whether a window can place itself (not on Wayland, where the compositor places it).
    static bool placesWindows();
};

} // namespace vastrel::platform
