#include "platform/Beeper.h"
#include "platform/DesktopOpener.h"
#include "platform/WindowSystem.h"
#include "startup/ModVL.h"
#include "startup/OptionParser.h"
#include "startup/Usage.h"
#include "ui/Application.h"
#include "ui/WidgetDialogs.h"

#include <cstdio>

namespace {

// --help and --version answer on standard output, as command-line programs do.
bool answeredOnStandardOutput(int argc, char* argv[])
{
    for (int i = 1; i < argc; ++i) {
        const QByteArrayView argument(argv[i]);
        const QString answer = argument == "--help"      ? vastrel::startup::Usage::help()
                               : argument == "--version" ? vastrel::startup::Usage::version()
                                                         : QString();
        if (!answer.isEmpty()) {
            std::fputs(answer.toLocal8Bit().constData(), stdout);
            return true;
        }
    }
    return false;
}

// The window system is chosen before the application exists: natively where the session
// is, X11 (XWayland) when a position is asked for, which Wayland does not let a program choose.
void chooseWindowSystem(int argc, char* argv[])
{
    QStringList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    vastrel::platform::WindowSystem::choose(
        vastrel::startup::OptionParser::asksForPosition(arguments));
}

} // namespace

int main(int argc, char* argv[])
{
    if (answeredOnStandardOutput(argc, argv))
        return 0;
    chooseWindowSystem(argc, argv);
    vastrel::ui::Application app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vastrel"));
    QApplication::setApplicationVersion(QStringLiteral(VASTREL_VERSION_STRING));
    // The id of the desktop entry, by which a Wayland shell finds the window's name and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(VASTREL_APP_ID));
    vastrel::platform::Beeper::setSound([] { QApplication::beep(); });
    vastrel::ui::WidgetDialogs dialogs;
    vastrel::platform::DesktopOpener opener;
    vastrel::startup::ModVL modVL(dialogs, opener);
    if (!modVL.Main(app.arguments().mid(1)))
        return 0;
    app.setMainWindow(modVL.mainWindow());
    return app.exec();
}
