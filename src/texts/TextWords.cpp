#include "TextWords.h"

#include <algorithm>

namespace vastrel::texts {

TextWords::Kind TextWords::kindOf(QChar c)
{
    if (c.isSpace())
        return Kind::Space;
    if (c.isLetterOrNumber() || c.isMark() || c == u'_')
        return Kind::Word;
    return Kind::Other;
}

qsizetype TextWords::runEnd(QStringView text, qsizetype position, Kind kind)
{
    while (position < text.size() && kindOf(text[position]) == kind && text[position] != u'\n')
        ++position;
    return position;
}

qsizetype TextWords::runStart(QStringView text, qsizetype position, Kind kind)
{
    while (position > 0 && kindOf(text[position - 1]) == kind && text[position - 1] != u'\n')
        --position;
    return position;
}

qsizetype TextWords::nextWordStart(QStringView text, qsizetype position)
{
    if (position >= text.size())
        return text.size();
    const Kind kind = kindOf(text[position]);
    if (kind != Kind::Space)
        position = runEnd(text, position, kind);
    while (position < text.size() && kindOf(text[position]) == Kind::Space)
        ++position;
    return position;
}

qsizetype TextWords::previousWordStart(QStringView text, qsizetype position)
{
    position = std::min(position, text.size());
    while (position > 0 && kindOf(text[position - 1]) == Kind::Space)
        --position;
    if (position == 0)
        return 0;
    return runStart(text, position, kindOf(text[position - 1]));
}

TextWords::Range TextWords::wordAt(QStringView text, qsizetype position)
{
    position = std::clamp<qsizetype>(position, 0, text.size());
    if (position == text.size() || text[position] == u'\n') {
        if (position == 0 || text[position - 1] == u'\n')
            return {position, position};
        return {runStart(text, position, kindOf(text[position - 1])), position};
    }
    const Kind kind = kindOf(text[position]);
    return {runStart(text, position, kind), runEnd(text, position, kind)};
}

} // namespace vastrel::texts
