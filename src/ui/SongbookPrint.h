#pragma once

#include "SongbookPainter.h"

class QPrinter;
class QWidget;

namespace vastrel::platform {
class Dialogs;
}

namespace vastrel::ui {

// The print commands of the main window: the songbook through the print dialog or the print
// preview, on A4 or Letter as the locale says with 15 mm margins, painted on the printer
// chosen or into a PDF file that is written whole or not at all. A job that looks like
// lasting longer than half a second shows a progress dialog that can cancel it; a job the
// system refuses, or a file that cannot be written, is reported.
class SongbookPrint
{
public:
    SongbookPrint(platform::Dialogs& dialogs, QWidget* window);

    // Nothing happens for an empty songbook: the session has beeped already.
    void print(const browser::Songbook& book);
    void preview(const browser::Songbook& book);

private:
    void setUp(QPrinter& printer) const;
    void paint(const browser::Songbook& book, QPrinter& printer);
    void writePdf(const browser::Songbook& book, const QPrinter& printer,
                  const SongbookPainter::Progress& progress);
    void fail(const QString& text);

    platform::Dialogs& m_dialogs;
    QWidget* m_window;
};

} // namespace vastrel::ui
