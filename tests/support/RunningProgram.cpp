#include "RunningProgram.h"

#include "ui/frmVL.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <sys/stat.h>

RunningProgram::RunningProgram(const QStringList& arguments)
    : m_oldTmpDir(qgetenv("TMPDIR")), m_module(dialogs, opener)
{
    ::chmod(QFile::encodeName(m_temp.path()).constData(), 01777);
    qputenv("TMPDIR", QFile::encodeName(m_temp.path()));
    m_watch.setInterval(10);
    QObject::connect(&m_watch, &QTimer::timeout, [this] { watchModalWindows(); });
    m_watch.start();
    m_started = m_module.Main(arguments);
    // Made the active window, so that focus and default-button changes happen as on a desktop.
    if (m_started) {
        window().activateWindow();
        if (!QTest::qWaitForWindowActive(&window()))
            qWarning("the main window did not become active");
    }
}

// The main window's close ends the application's event loop; with none running, the end is
// remembered, and every modal window of a later program in this process would end at once.
// An event loop that runs and ends here takes that memory away.
RunningProgram::~RunningProgram()
{
    m_watch.stop();
    qputenv("TMPDIR", m_oldTmpDir);
    QTimer::singleShot(0, [] { QCoreApplication::exit(0); });
    QCoreApplication::exec();
}

// A modal window that shows is answered as a user would: the start-up window with a left
// click, the About window with its OK button.
void RunningProgram::watchModalWindows()
{
    QWidget* modal = QApplication::activeModalWidget();
    if (modal == nullptr || !modal->isVisible())
        return;
    if (modal->objectName() == u"frmStartUp") {
        ++m_startUpClicks;
        QTest::mouseClick(modal, Qt::LeftButton, {}, QPoint(240, 100));
    } else if (modal->objectName() == u"frmInfo") {
        ++m_aboutShowings;
        m_aboutFrame = modal->frameGeometry();
        QTest::mouseClick(modal->findChild<QPushButton*>(QStringLiteral("cmdOK")), Qt::LeftButton);
    }
}
