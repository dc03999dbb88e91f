#pragma once

#include <QString>

namespace vastrel::catalogue {

// The title a track is sorted by in the alphabetical order: without its own bracket tag
// ("[A1] Titolo"), or without a leading track number ("07 - Titolo", "07.  Titolo",
// "07)  Titolo").
class SortTitle
{
public:
    // A part of the title, which it must outlive.
    static QStringView of(QStringView title);
};

} // namespace vastrel::catalogue
