#pragma once

#include "RecordingOpener.h"
#include "ScriptedDialogs.h"
#include "startup/ModVL.h"

#include <QStringList>
#include <QTemporaryDir>
#include <QTimer>

namespace vastrel::ui {
class frmVL;
}

// The program as a user starts it with these arguments: the start-up sequence with scripted
// dialogs, a recording opener, a system temporary folder of its own that every user may
// write in (as /tmp), and the start-up window dismissed with a click once it shows.
// The About window is closed with its OK button whenever it shows.
class RunningProgram
{
public:
    explicit RunningProgram(const QStringList& arguments);
    ~RunningProgram();

    bool started() const { return m_started; }
    vastrel::startup::ModVL& module() { return m_module; }
    vastrel::ui::frmVL& window() { return *m_module.mainWindow(); }
    int aboutShowings() const { return m_aboutShowings; }
    // The About window's outer geometry when it last showed.
    QRect aboutFrame() const { return m_aboutFrame; }
    int startUpClicks() const { return m_startUpClicks; }

    ScriptedDialogs dialogs;
    RecordingOpener opener;

private:
    void watchModalWindows();

    QTemporaryDir m_temp;
    QByteArray m_oldTmpDir;
    vastrel::startup::ModVL m_module;
    QTimer m_watch;
    bool m_started = false;
    int m_aboutShowings = 0;
    QRect m_aboutFrame;
    int m_startUpClicks = 0;
};
