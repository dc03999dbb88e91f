#include "SongbookPrint.h"

#include "platform/Dialogs.h"
#include "platform/FileSystem.h"
#include "platform/PaperSize.h"

#include <QApplication>
#include <QBuffer>
#include <QPdfWriter>
#include <QPrinter>
#include <QProgressDialog>

namespace vastrel::ui {

using browser::Songbook;

namespace {

const QString kTitle = QStringLiteral("Vastrel - Stampa");
constexpr int kProgressAfterMs = 500;
// Wide enough for the title in the window's frame.
constexpr int kProgressWidth = 360;
constexpr double kMarginMm = 15;

SongbookPainter::Range rangeOf(const QPrinter& printer)
{
    if (printer.printRange() != QPrinter::PageRange)
        return {};
    return {printer.fromPage(), printer.toPage()};
}

bool toPdfFile(const QPrinter& printer)
{
    return printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty();
}

} // namespace

SongbookPrint::SongbookPrint(platform::Dialogs& dialogs, QWidget* window)
    : m_dialogs(dialogs), m_window(window)
{}

void SongbookPrint::print(const Songbook& book)
{
    if (book.isEmpty())
        return;
    QPrinter printer(QPrinter::HighResolution);
    setUp(printer);
    if (m_dialogs.print(m_window, printer))
        paint(book, printer);
}

void SongbookPrint::preview(const Songbook& book)
{
    if (book.isEmpty())
        return;
    QPrinter printer(QPrinter::HighResolution);
    setUp(printer);
    m_dialogs.preview(m_window, printer, [&](QPrinter* target) { paint(book, *target); });
}

void SongbookPrint::setUp(QPrinter& printer) const
{
    printer.setDocName(QStringLiteral("Vastrel - Canzoniere"));
    printer.setCreator(QStringLiteral("Vastrel"));
    printer.setPageSize(QPageSize(platform::PaperSize::ofLocale()));
    printer.setPageMargins(QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm),
                           QPageLayout::Millimeter);
}

// A PDF file is made apart from the printer, so that a job that fails or is cancelled leaves
// nothing under the chosen name.
void SongbookPrint::paint(const Songbook& book, QPrinter& printer)
{
    // Over the preview when the preview asks for the pages.
    QWidget* owner = QApplication::activeModalWidget();
    QProgressDialog dialog(QStringLiteral("Stampa in corso..."), QStringLiteral("Annulla"), 0, 1,
                           owner ? owner : m_window);
    dialog.setWindowTitle(kTitle);
    dialog.setMinimumWidth(kProgressWidth);
    dialog.setWindowModality(Qt::WindowModal);
    dialog.setMinimumDuration(kProgressAfterMs);
    const bool pdf = toPdfFile(printer);
    const SongbookPainter::Progress progress = [&](int done, int total) {
        dialog.setMaximum(total);
        dialog.setValue(done);
        if (!dialog.wasCanceled())
            return true;
        if (!pdf)
            printer.abort();
        return false;
    };
    if (pdf) {
        writePdf(book, printer, progress);
        return;
    }
    const auto outcome = SongbookPainter(book, printer).paint(progress, rangeOf(printer));
    if (outcome == SongbookPainter::Outcome::Failed || printer.printerState() == QPrinter::Error)
        fail(QStringLiteral("ATTENZIONE! Il Sistema non ha Accettato la Stampa."));
}

void SongbookPrint::writePdf(const Songbook& book, const QPrinter& printer,
                             const SongbookPainter::Progress& progress)
{
    QBuffer bytes;
    bytes.open(QIODevice::WriteOnly);
    SongbookPainter::Outcome outcome;
    {
        QPdfWriter writer(&bytes);
        writer.setPageLayout(printer.pageLayout());
        writer.setResolution(printer.resolution());
        writer.setTitle(printer.docName());
        writer.setCreator(printer.creator());
        outcome = SongbookPainter(book, writer).paint(progress, rangeOf(printer));
    }
    if (outcome == SongbookPainter::Outcome::Cancelled)
        return;
    const QString path = printer.outputFileName();
    if (outcome == SongbookPainter::Outcome::Failed ||
        !platform::FileSystem::writeFile(path, bytes.data()))
        fail(QStringLiteral("ATTENZIONE! Impossibile Scrivere il File:\r\n\r\n") + path);
}

void SongbookPrint::fail(const QString& text)
{
    m_dialogs.message(m_window, platform::Dialogs::Icon::Critical, kTitle, text);
}

} // namespace vastrel::ui
