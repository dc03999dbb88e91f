#pragma once

#include "browser/SongPages.h"
#include "browser/Songbook.h"

#include <QFont>
#include <QList>
#include <QRectF>
#include <memory>

class QColor;
class QPaintDevice;
class QPainter;
class QTextDocument;

namespace vastrel::ui {

// A songbook laid out on pages of one size, on paper or on a screen. Each song starts a page
// under its heading (title and album tag, playing time on the right), in the pane's
// fixed-pitch font at the largest size within bounds at which its widest line fits, so that
// the two columns stay aligned; a line still too wide wraps at word boundaries, and a song
// longer than a page goes on under its heading with "(segue)". With several songs a table of
// contents may come first. A note flows as one document. Every page ends with a footer that
// its painter gives.
class SongbookLayout
{
public:
    // How large things are, in points.
    struct Sizes
    {
        // A song's text: between smallest and largest, and no larger than lets fewestLines
        // lines fill a page (0: no such bound); then times scale.
        double smallest = 7;
        double largest = 11;
        int fewestLines = 0;
        double scale = 1;
        // A note's text: at least note, larger where noteColumns columns still fit across
        // the page (0: never larger); then times scale. RTF follows in proportion.
        double note = 10;
        int noteColumns = 0;
        // The headings, the contents and the footer, times this.
        double headings = 1;
        bool contents = true;
        // The songs' side blocks beside their texts, or their words alone.
        bool sides = true;
    };
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
        int first = 0; // the song's own page, or the first entry of the contents
    };

    SongbookLayout(const browser::Songbook& book, QPaintDevice& device, QSizeF page,
                   const Sizes& sizes);
    ~SongbookLayout();
    SongbookLayout(const SongbookLayout&) = delete;
    SongbookLayout& operator=(const SongbookLayout&) = delete;

    int pageCount() const { return int(m_pages.size()); }
    const Page& page(int index) const { return m_pages[index]; }
    bool isNote() const { return m_note != nullptr; }
    // Each song's page count in order; the note's alone.
    QList<int> pagesPerSong() const;
    // The page where a song's own page is, from 0.
    int pageOf(int song, int songPage) const;
    const browser::SongPages& songPages(int song) const { return m_songs[song].pages; }
    // The note's position at the top of one of its pages, and the page that shows a position.
    int notePosition(int notePage) const;
    int notePageOf(int position) const;

    // Paints a page from 0, its footer text at the bottom, all in ink on a clear ground.
    void paint(QPainter& painter, int index, const QString& footer, const QColor& ink) const;

private:
    struct SongLayout
    {
        QFont font;
        browser::SongPages pages;
        int firstPage = 0;
    };

    double points(double size) const;
    double sizeFilling(int lines) const;
    void layOutSongs();
    SongLayout layOut(const browser::Songbook::Song& song) const;
    void layOutNote();
    void paintHeading(QPainter& painter, const QString& heading, const QString& time,
                      const QColor& ink) const;
    void paintContents(QPainter& painter, const Page& page, const QColor& ink) const;
    void paintSong(QPainter& painter, const Page& page, const QColor& ink) const;
    void paintNote(QPainter& painter, const Page& page, const QColor& ink) const;

    const browser::Songbook& m_book;
    QPaintDevice& m_device;
    QSizeF m_size;
    Sizes m_sizes;
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
