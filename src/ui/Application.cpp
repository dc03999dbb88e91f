#include "Application.h"

#include "frmVL.h"

#include <QSessionManager>

namespace vastrel::ui {

Application::Application(int& argc, char** argv) : QApplication(argc, argv)
{
    connect(this, &QGuiApplication::commitDataRequest, this,
            [this](QSessionManager&) { sessionEnding(); });
}

void Application::setMainWindow(frmVL* window)
{
    m_main = window;
}

bool Application::event(QEvent* event)
{
    if (event->type() == QEvent::Quit && m_sessionEndAsked && m_main)
        m_main->endSession();
    return QApplication::event(event);
}

} // namespace vastrel::ui
