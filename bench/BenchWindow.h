#pragma once

#include "browser/BrowsingSession.h"
#include "platform/Dialogs.h"
#include "platform/Opener.h"
#include "ui/frmVL.h"

#include <QByteArray>
#include <QList>

// The real main window over a generated collection, with dialogs that answer at once and
// an opener that does nothing, as the benchmarks drive it.
class BenchWindow
{
public:
    explicit BenchWindow(const QString& root);

    vastrel::ui::frmVL& window() { return *m_window; }
    vastrel::browser::BrowsingSession& session() { return *m_session; }
    const vastrel::ui::MainControls& ui() const { return m_window->controls(); }
    // The album names as bytes, in list order, for the floors.
    QList<QByteArray> albums(int count) const;

    // Marks changed the way the program's bulk commands change them: without a rebuild.
    void setAlbumsQuietly(int count, bool checked);
    void setTracksQuietly(bool checked);
    // The show filter changed without a refresh, as while a gesture is under way.
    void setShowFilterQuietly(vastrel::catalogue::ShowFilter filter);
    // Lists every track of the first count albums ("Tutto").
    void listAlbums(int count);
    // Checks the first count tracks, with one rebuild of the pane.
    void checkTracks(int count);
    // The print dialog prints into this PDF file.
    void printTo(const QString& pdf) { m_dialogs.pdf = pdf; }

private:
    class Dialogs : public vastrel::platform::Dialogs
    {
    public:
        bool message(QWidget*, Icon, const QString&, const QString&, bool) override { return true; }
        QString input(QWidget*, const QString&, const QString&, const QString&, QPoint) override
        {
            return QStringLiteral("nessun titolo ha questo");
        }
        bool print(QWidget*, QPrinter& printer) override;
        void preview(QWidget*, QPrinter&, const std::function<void(QPrinter*)>&) override {}

        QString pdf;
    };
    class Opener : public vastrel::platform::Opener
    {
    public:
        bool open(const QString&, const QString&) override { return true; }
    };

    Dialogs m_dialogs;
    Opener m_opener;
    std::unique_ptr<vastrel::browser::BrowsingSession> m_session;
    std::unique_ptr<vastrel::ui::frmVL> m_window;
};
