#include "StartUpProgress.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLocale>
#include <QProgressBar>
#include <QVBoxLayout>

namespace vastrel::ui {

namespace {

constexpr int kWidth = 400;

} // namespace

StartUpProgress::StartUpProgress(QSize screen)
    : QFrame(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      m_screen(screen)
{
    setObjectName(QStringLiteral("StartUpProgress"));
    // Without a frame from the window manager, a line of its own marks its edge.
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setAttribute(Qt::WA_ShowWithoutActivating);
    m_text = new QLabel(this);
    m_text->setObjectName(QStringLiteral("lblLettura"));
    m_bar = new QProgressBar(this);
    m_bar->setTextVisible(false);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 12, 16, 14);
    layout->addWidget(m_text);
    layout->addWidget(m_bar);
    setFixedWidth(kWidth);
}

// The numbers with the Italian thousands separator.
QString StartUpProgress::caption(int done, int total)
{
    const QLocale italian(QLocale::Italian, QLocale::Italy);
    return QStringLiteral("Lettura della raccolta: %1 di %2 cartelle")
        .arg(italian.toString(done), italian.toString(total));
}

void StartUpProgress::report(const QString& caption, int done, int total)
{
    if (caption.isEmpty())
        return;
    m_text->setText(StartUpProgress::caption(done, total));
    m_bar->setRange(0, total);
    m_bar->setValue(done);
    if (!isVisible()) {
        adjustSize();
        move((m_screen.width() - width()) / 2, (m_screen.height() - height()) / 2);
        show();
    }
    repaint();
    // Mapped and painted now, not once the start-up returns to the event loop.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

} // namespace vastrel::ui
