#pragma once

namespace vastrel::texts {

class TextLines;

// Where the caret of a read-only text view goes for each movement key. Up and down keep
// the column the caret had before the first of them (the goal column), so that passing a
// short line does not pull the caret to the left for good.
class CaretMotion
{
public:
    enum class Move
    {
        PreviousChar,
        NextChar,
        PreviousWord,
        NextWord,
        PreviousLine,
        NextLine,
        LineStart,
        LineEnd,
        PreviousPage,
        NextPage,
        DocumentStart,
        DocumentEnd
    };

    struct Caret
    {
        int position = 0;
        // The column that vertical moves aim at; -1 when the last move was not vertical.
        int goalColumn = -1;
    };

    // The caret after move; a page is pageLines lines.
    static Caret apply(const TextLines& lines, Caret caret, Move move, int pageLines);

private:
    static Caret vertical(const TextLines& lines, Caret caret, int delta);
    static int previousChar(const TextLines& lines, int position);
    static int nextChar(const TextLines& lines, int position);
};

} // namespace vastrel::texts
