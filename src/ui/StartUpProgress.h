#pragma once

#include <QFrame>

class QLabel;
class QProgressBar;

namespace vastrel::ui {

// The small window that a slow start-up (a collection on a slow share) shows while it reads
// the collection's folders: how many of how many are read. Frameless, centred on the
// screen; the start-up closes it before the round start-up window appears.
class StartUpProgress : public QFrame
{
    Q_OBJECT

public:
    explicit StartUpProgress(QSize screen);

    // "Lettura della raccolta: 1.234 di 3.000 cartelle".
    static QString caption(int done, int total);

    // Progress as the browsing session reports it: done of total folders; an empty caption
    // when a refresh is over, which leaves the window as it is until the start-up closes
    // it. The window is drawn at once: the start-up holds the event loop.
    void report(const QString& caption, int done, int total);

private:
    QSize m_screen;
    QLabel* m_text = nullptr;
    QProgressBar* m_bar = nullptr;
};

} // namespace vastrel::ui
