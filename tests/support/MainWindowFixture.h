#pragma once

#include "Collection.h"
#include "RecordingOpener.h"
#include "ScriptedDialogs.h"
#include "mainwindow/CheckList.h"
#include "mainwindow/frmVL.h"
#include "startup/ModuleState.h"

#include <QTemporaryDir>

// The real main window over a collection, with scripted dialogs, an opener that records
// (or another opener given), and a system temporary folder of its own (TMPDIR), shown on the
// offscreen platform.
class MainWindowFixture
{
public:
    explicit MainWindowFixture(const Collection& collection, QSize screen = QSize(1024, 768),
                               vastrel::platform::Opener* otherOpener = nullptr);
    ~MainWindowFixture();

    vastrel::mainwindow::frmVL& window() { return *m_window; }
    const vastrel::mainwindow::MainControls& ui() const { return m_window->controls(); }
    QString systemTemp() const { return m_temp.path(); }

    QStringList rows(const vastrel::mainwindow::CheckList* list) const;
    QStringList checked(const vastrel::mainwindow::CheckList* list) const;
    QString current(const vastrel::mainwindow::CheckList* list) const;

    ScriptedDialogs dialogs;
    RecordingOpener opener;
    vastrel::startup::ModuleState state;

private:
    QTemporaryDir m_temp;
    QByteArray m_oldTmpDir;
    std::unique_ptr<vastrel::mainwindow::frmVL> m_window;
};
