#pragma once

#include "browser/Songbook.h"

#include <QFont>
#include <QList>
#include <QRectF>
#include <QStringList>
#include <functional>
#include <memory>

class QPagedPaintDevice;
class QPainter;
class QTextDocument;

namespace vastrel::ui {

// Lays a songbook out on the pages of a printer or PDF file and paints it. Each song starts
// a page under its heading (title and album tag, playing time on the right), in the pane's
// fixed-pitch font scaled down, to 7 points at most, until its widest line fits the page;
// a line still too wide wraps at word boundaries. A song longer than a page goes on under
// its heading with "(segue)". With several songs a table of contents comes first. A note
// flows as one document. Every page ends with "Pagina 3 di 12".
class SongbookPainter
{
public:
    enum class Outcome
    {
        Done,
        Cancelled,
        Failed,
    };
    // Called after each page painted; false stops the job.
    using Progress = std::function<bool(int done, int total)>;
    // The pages to paint, counted from 1; 0 for either end means the first or the last page.
    struct Range
    {
        int from = 0;
        int to = 0;
    };

    SongbookPainter(const browser::Songbook& book, QPagedPaintDevice& device);
    ~SongbookPainter();
    SongbookPainter(const SongbookPainter&) = delete;
    SongbookPainter& operator=(const SongbookPainter&) = delete;

    int pageCount() const { return int(m_pages.size()); }
    Outcome paint(const Progress& progress, Range range);

private:
    enum class PageKind
    {
        Contents,
        Song,
        Note,
    };
    struct Page
    {
        PageKind kind;
        int item = 0;  // the song, or the page of the note
        int first = 0; // the song's first line, or the first entry of the contents
    };
    struct SongLayout
    {
        QFont font;
        QStringList lines;
        int linesPerPage = 1;
        int firstPage = 0;
    };

    double points(double size) const;
    void layOutSongs();
    SongLayout layOut(const browser::Songbook::Song& song) const;
    void layOutNote();
    void paintPage(QPainter& painter, int page) const;
    void paintHeading(QPainter& painter, const QString& heading, const QString& time) const;
    void paintContents(QPainter& painter, const Page& page) const;
    void paintSong(QPainter& painter, const Page& page) const;
    void paintNote(QPainter& painter, const Page& page) const;

    const browser::Songbook& m_book;
    QPagedPaintDevice& m_device;
    QFont m_headingFont;
    QFont m_timeFont;
    QFont m_entryFont;
    QFont m_footerFont;
    QRectF m_body; // under the heading, above the footer
    QList<SongLayout> m_songs;
    int m_entriesPerPage = 1;
    std::unique_ptr<QTextDocument> m_note;
    QList<Page> m_pages;
};

} // namespace vastrel::ui
