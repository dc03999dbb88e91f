#pragma once

#include <QString>

namespace vastrel::texts {

// Word boundaries for moving a caret by words and for selecting a word with a double-click.
// A word is a run of letters, digits and underscores; a run of other visible characters
// counts as a word of its own; blanks, tabs and line breaks separate them.
class TextWords
{
public:
    enum class Kind
    {
        Space,
        Word,
        Other
    };

    struct Range
    {
        qsizetype start;
        qsizetype end;
    };

    static Kind kindOf(QChar c);
    // The start of the next word after position (Ctrl+Right), or the text's end.
    static qsizetype nextWordStart(QStringView text, qsizetype position);
    // The start of the word before position (Ctrl+Left), or 0.
    static qsizetype previousWordStart(QStringView text, qsizetype position);
    // The run of one kind that holds the character at position, within its line; at a line's
    // end, the run that ends the line.
    static Range wordAt(QStringView text, qsizetype position);

private:
    static qsizetype runEnd(QStringView text, qsizetype position, Kind kind);
    static qsizetype runStart(QStringView text, qsizetype position, Kind kind);
};

} // namespace vastrel::texts
