#include "WindowSystem.h"

#include <QGuiApplication>

namespace vastrel::platform {

WindowSystem::Session WindowSystem::Session::current()
{
    return {qgetenv("QT_QPA_PLATFORM"), qgetenv("WAYLAND_DISPLAY"), qgetenv("DISPLAY"),
            qgetenv("XDG_SESSION_TYPE")};
}

QByteArray WindowSystem::platformFor(const Session& session, bool positionAsked)
{
    const bool wayland = !session.waylandDisplay.isEmpty() || session.sessionType == "wayland";
    if (!session.qpaPlatform.isEmpty() || !wayland)
        return {};
    if (session.display.isEmpty())
        return "wayland";
    // The other platform stays as the fallback: a session without its Wayland plugin, or
    // one whose XWayland has gone, still opens the windows.
    return positionAsked ? "xcb;wayland" : "wayland;xcb";
}

void WindowSystem::choose(bool positionAsked)
{
    const QByteArray platform = platformFor(Session::current(), positionAsked);
    if (!platform.isEmpty())
        qputenv("QT_QPA_PLATFORM", platform);
}

bool WindowSystem::placesWindows()
{
    return !QGuiApplication::platformName().startsWith(QStringLiteral("wayland"));
}

} // namespace vastrel::platform
