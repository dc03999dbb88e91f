#pragma once

#include <QString>

namespace vastrel::texts {

// A track's text file holds the text and, after a separator line of 16 blanks and
// "-+----+---------+----+-", an optional side block (chords, a translation).
class TextSplit
{
public:
    struct Parts
    {
        QString text;
        QString side;
    };

    // The separator is found after a line break; the two characters before that line
    // break (normally the empty line before the separator) are not part of the text.
    static Parts split(const QString& content);
    static const QString& separator();
};

} // namespace vastrel::texts
