#include "ListRow.h"

#include "platform/TextCase.h"

#include <algorithm>

namespace vastrel::catalogue {

ListRow::ListRow(std::initializer_list<QStringView> displayText,
                 std::initializer_list<QStringView> path)
{
    qsizetype display = 0, pathLength = 0;
    for (QStringView part : displayText)
        display += part.size();
    for (QStringView part : path)
        pathLength += part.size();
    m_text = QString(std::min(display, kFieldWidth) + pathLength, Qt::Uninitialized);
    QChar* const begin = m_text.data();
    QChar* at = begin;
    for (QStringView part : displayText) {
        const qsizetype n = std::min(part.size(), kFieldWidth - (at - begin));
        at = std::copy_n(part.begin(), n, at);
    }
    while (at > begin && at[-1] == u' ')
        --at;
    m_fieldLength = at - begin;
    for (QStringView part : path)
        at = std::copy(part.begin(), part.end(), at);
    m_text.truncate(at - begin);
}

ListRow ListRow::plain(QString text)
{
    ListRow row;
    row.m_fieldLength = text.size();
    row.m_text = std::move(text);
    row.m_plain = true;
    return row;
}

QString ListRow::pathUnder(const QString& root) const
{
    QString full = root;
    full += path();
    return full;
}

QString ListRow::text() const
{
    if (m_plain)
        return m_text;
    QString text = field().toString();
    text += QString(kFieldWidth - m_fieldLength, u' ');
    text += path();
    return text;
}

QString ListRow::key() const
{
    QString key = field().toString();
    key += QChar(u'\0');
    key += path();
    return key;
}

bool ListRow::textEndsWithIgnoringCase(QStringView suffix) const
{
    if (suffix.size() > length())
        return false;
    const qsizetype start = length() - suffix.size();
    for (qsizetype i = 0; i < suffix.size(); ++i) {
        if (platform::TextCase::upperChar(at(start + i).unicode()) !=
            platform::TextCase::upperChar(suffix[i].unicode()))
            return false;
    }
    return true;
}

QChar ListRow::at(qsizetype i) const
{
    if (i < m_fieldLength)
        return m_text[i];
    if (m_plain)
        return {};
    if (i < kFieldWidth)
        return u' ';
    return m_text[m_fieldLength + i - kFieldWidth];
}

} // namespace vastrel::catalogue
