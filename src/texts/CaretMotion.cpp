#include "CaretMotion.h"

#include "TabColumns.h"
#include "TextLines.h"
#include "TextWords.h"

#include <algorithm>

namespace vastrel::texts {

CaretMotion::Caret CaretMotion::apply(const TextLines& lines, Caret caret, Move move, int pageLines)
{
    const QStringView text = lines.text();
    const int line = lines.lineOf(caret.position);
    switch (move) {
    case Move::PreviousLine:
        return vertical(lines, caret, -1);
    case Move::NextLine:
        return vertical(lines, caret, 1);
    case Move::PreviousPage:
        return vertical(lines, caret, -pageLines);
    case Move::NextPage:
        return vertical(lines, caret, pageLines);
    case Move::PreviousChar:
        return {previousChar(lines, caret.position)};
    case Move::NextChar:
        return {nextChar(lines, caret.position)};
    case Move::PreviousWord:
        return {int(TextWords::previousWordStart(text, caret.position))};
    case Move::NextWord:
        return {int(TextWords::nextWordStart(text, caret.position))};
    case Move::LineStart:
        return {lines.lineStart(line)};
    case Move::LineEnd:
        return {lines.lineEnd(line)};
    case Move::DocumentStart:
        return {0};
    case Move::DocumentEnd:
        return {lines.size()};
    }
    return caret;
}

CaretMotion::Caret CaretMotion::vertical(const TextLines& lines, Caret caret, int delta)
{
    const int from = lines.lineOf(caret.position);
    if (caret.goalColumn < 0)
        caret.goalColumn =
            TabColumns::columnOf(lines.line(from), caret.position - lines.lineStart(from));
    const int to = std::clamp(from + delta, 0, lines.lineCount() - 1);
    caret.position =
        lines.lineStart(to) + int(TabColumns::boundaryNear(lines.line(to), caret.goalColumn));
    return caret;
}

// A surrogate pair is one character on screen: the caret never stops between its halves.
int CaretMotion::previousChar(const TextLines& lines, int position)
{
    const QString& text = lines.text();
    if (position <= 0)
        return 0;
    --position;
    if (position > 0 && text[position].isLowSurrogate() && text[position - 1].isHighSurrogate())
        --position;
    return position;
}

int CaretMotion::nextChar(const TextLines& lines, int position)
{
    const QString& text = lines.text();
    if (position >= text.size())
        return int(text.size());
    ++position;
    if (position < text.size() && text[position].isLowSurrogate() &&
        text[position - 1].isHighSurrogate())
        ++position;
    return position;
}

} // namespace vastrel::texts
