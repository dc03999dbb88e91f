#pragma once

#include "ReadingKeys.h"

#include <QList>
#include <QString>

namespace vastrel::browser {

// Where the reading view stands in what it shows: the songs one after the other, each from
// a new page and over as many pages as it needs, or the notes as one document over its
// pages. Pages and songs count from 0 here and from 1 in the footer.
class ReadingPlace
{
public:
    // pages: each song's page count, or the document's alone.
    explicit ReadingPlace(const QList<int>& pages = {1}, bool document = false);

    int song() const { return m_song; }
    int page() const { return m_page; }
    int songCount() const { return int(m_pages.size()); }
    int pageCount() const { return m_pages[m_song]; }

    // A page or song turn; past either end the place stays. True when it moved.
    bool turn(ReadingKeys::Action action);
    // The songs laid out again: the same song, on the page given (kept to its pages).
    void relayout(const QList<int>& pages, int page);
    // "Brano 3 di 12 - pagina 2 di 4", or "Pagina 2 di 4" in a document.
    QString footer() const;

private:
    void moveTo(int song, int page);

    QList<int> m_pages;
    bool m_document = false;
    int m_song = 0;
    int m_page = 0;
};

} // namespace vastrel::browser
