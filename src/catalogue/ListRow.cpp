#include "ListRow.h"

#include "platform/TextCase.h"

namespace vastrel::catalogue {

ListRow::ListRow(QStringView displayText, QString path) : m_path(std::move(path))
{
    QStringView field = displayText.first(std::min(displayText.size(), kFieldWidth));
    while (!field.isEmpty() && field.back() == u' ')
        field.chop(1);
    m_field = field.toString();
}

ListRow ListRow::plain(QString text)
{
    ListRow row;
    row.m_field = std::move(text);
    row.m_plain = true;
    return row;
}

QString ListRow::text() const
{
    if (m_plain)
        return m_field;
    return m_field + QString(kFieldWidth - m_field.size(), u' ') + m_path;
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
    if (i < m_field.size())
        return m_field[i];
    if (m_plain)
        return {};
    if (i < kFieldWidth)
        return u' ';
    return m_path[i - kFieldWidth];
}

} // namespace vastrel::catalogue
