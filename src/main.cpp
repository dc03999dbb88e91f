#include "platform/Beeper.h"
#include "platform/DesktopOpener.h"
#include "platform/WidgetDialogs.h"
#include "startup/ModVL.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    vastrel::platform::Beeper::setSound([] { QApplication::beep(); });
    vastrel::platform::WidgetDialogs dialogs;
    vastrel::platform::DesktopOpener opener;
    vastrel::startup::ModVL modVL(dialogs, opener);
    if (!modVL.Main(app.arguments().mid(1)))
        return 0;
    return app.exec();
}
