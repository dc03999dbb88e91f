#pragma once

#include <QApplication>
#include <QPointer>

namespace vastrel::ui {

class frmVL;

// The program's application. When the desktop, having asked the program to save its session,
// then asks it to quit, the session is ending (log-off, shutdown): the main window closes
// without the question and without the clean-up. A log-off the user cancels sends no such
// request, and every other close stays as it was.
class Application : public QApplication
{
    Q_OBJECT

public:
    Application(int& argc, char** argv);

    void setMainWindow(frmVL* window);
    // The desktop asks to save the session, as it does before the session ends.
    void sessionEnding() { m_sessionEndAsked = true; }

protected:
    bool event(QEvent* event) override;

private:
    QPointer<frmVL> m_main;
    bool m_sessionEndAsked = false;
};

} // namespace vastrel::ui
