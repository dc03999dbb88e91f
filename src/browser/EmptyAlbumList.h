#pragma once

#include "catalogue/ShowFilter.h"

#include <QString>

namespace vastrel::browser {

// What the album list says while it lists no album: where the albums were looked for and
// what makes a folder an album, so that a wrong /ROOT: or an empty music folder explains
// itself. The text is drawn in the list; it is no row of it.
class EmptyAlbumList
{
public:
    static QString placeholder(const QString& root, catalogue::ShowFilter showFilter);
};

} // namespace vastrel::browser
