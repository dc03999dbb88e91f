#pragma once

#include "SongbookLayout.h"

#include <functional>

class QPagedPaintDevice;

namespace vastrel::ui {

// Paints a songbook on the pages of a printer or PDF file, laid out for paper: the songs in
// the pane's fixed-pitch font made smaller, to 7 points at most, until the widest line fits
// the page, a table of contents first when there are several, notes at 10 points. Every page
// ends with "Pagina 3 di 12".
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

    int pageCount() const { return m_layout.pageCount(); }
    Outcome paint(const Progress& progress, Range range);

private:
    QPagedPaintDevice& m_device;
    SongbookLayout m_layout;
};

} // namespace vastrel::ui
