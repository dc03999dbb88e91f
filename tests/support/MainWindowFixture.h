#pragma once

#include "Collection.h"
#include "RecordingOpener.h"
#include "ScriptedDialogs.h"
#include "browser/BrowsingSession.h"
#include "ui/CheckList.h"
#include "ui/frmVL.h"

#include <QTemporaryDir>

// The real main window and the browsing session it shows over a collection, with scripted
// dialogs, an opener that records (or another opener given), and a system temporary folder of
// its own (TMPDIR), shown on the offscreen platform.
class MainWindowFixture
{
public:
    explicit MainWindowFixture(const Collection& collection, QSize screen = QSize(1024, 768),
                               vastrel::platform::Opener* otherOpener = nullptr);
    ~MainWindowFixture();

    vastrel::ui::frmVL& window() { return *m_window; }
    vastrel::browser::BrowsingSession& session() { return *m_session; }
    const vastrel::browser::ModuleState& state() const { return m_session->state(); }
    const vastrel::ui::MainControls& ui() const { return m_window->controls(); }
    QString systemTemp() const { return m_temp.path(); }

    QStringList rows(const vastrel::ui::CheckList* list) const;
    QStringList checked(const vastrel::ui::CheckList* list) const;
    QString current(const vastrel::ui::CheckList* list) const;

    ScriptedDialogs dialogs;
    RecordingOpener opener;

private:
    QTemporaryDir m_temp;
    QByteArray m_oldTmpDir;
    std::unique_ptr<vastrel::browser::BrowsingSession> m_session;
    std::unique_ptr<vastrel::ui::frmVL> m_window;
};
