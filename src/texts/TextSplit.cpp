#include "TextSplit.h"

namespace vastrel::texts {

const QString& TextSplit::separator()
{
    static const QString line =
        QStringLiteral("\r\n") + QString(16, u' ') + QStringLiteral("-+----+---------+----+-");
    return line;
}

TextSplit::Parts TextSplit::split(const QString& content)
{
    const qsizetype p = content.indexOf(separator());
    if (p < 0)
        return {content, QString()};
    // Separator line and its own line end: 41 + 2 characters from p.
    return {p < 2 ? QString() : content.left(p - 2), content.mid(p + 43)};
}

} // namespace vastrel::texts
