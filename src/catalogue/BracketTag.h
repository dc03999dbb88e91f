#pragma once

#include <QString>

namespace vastrel::catalogue {

// The leading tag of a name, such as "[1979]" in "[1979] Titolo".
class BracketTag
{
public:
    // The name up to and including its first "]", when the name begins with "[" and that
    // "]" is among the first 7 characters at the 3rd place or later; otherwise empty.
    static QString of(QStringView name);
    // An album folder: begins with "[" and has a "]" somewhere among its 3rd to 7th
    // characters. Looser than of(): "[]x] Prova" is an album folder with an empty tag.
    static bool isAlbumFolderName(QStringView name);
};

} // namespace vastrel::catalogue
