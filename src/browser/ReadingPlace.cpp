#include "ReadingPlace.h"

#include <algorithm>

namespace vastrel::browser {

namespace {

// Every song has a page, under its heading, however short it is.
QList<int> atLeastOnePage(QList<int> pages)
{
    if (pages.isEmpty())
        pages.append(1);
    for (int& count : pages)
        count = std::max(count, 1);
    return pages;
}

} // namespace

ReadingPlace::ReadingPlace(const QList<int>& pages, bool document)
    : m_pages(atLeastOnePage(pages)), m_document(document)
{}

bool ReadingPlace::turn(ReadingKeys::Action action)
{
    const int song = m_song;
    const int page = m_page;
    const int last = songCount() - 1;
    using enum ReadingKeys::Action;
    switch (action) {
    case NextPage:
        if (m_page + 1 < pageCount())
            moveTo(m_song, m_page + 1);
        else if (m_song < last)
            moveTo(m_song + 1, 0);
        break;
    case PreviousPage:
        if (m_page > 0)
            moveTo(m_song, m_page - 1);
        else if (m_song > 0)
            moveTo(m_song - 1, m_pages[m_song - 1] - 1);
        break;
    case FirstPage:
        moveTo(0, 0);
        break;
    case LastPage:
        moveTo(last, m_pages[last] - 1);
        break;
    case NextSong:
        if (m_song < last)
            moveTo(m_song + 1, 0);
        break;
    case PreviousSong:
        moveTo(std::max(m_song - 1, 0), 0);
        break;
    default:
        break;
    }
    return song != m_song || page != m_page;
}

void ReadingPlace::relayout(const QList<int>& pages, int page)
{
    m_pages = atLeastOnePage(pages);
    moveTo(std::min(m_song, songCount() - 1), page);
}

void ReadingPlace::moveTo(int song, int page)
{
    m_song = song;
    m_page = std::clamp(page, 0, pageCount() - 1);
}

QString ReadingPlace::footer() const
{
    const QString pages = QStringLiteral("%1 di %2").arg(m_page + 1).arg(pageCount());
    if (m_document)
        return QStringLiteral("Pagina ") + pages;
    return QStringLiteral("Brano %1 di %2 - pagina ").arg(m_song + 1).arg(songCount()) + pages;
}

} // namespace vastrel::browser
