#include "ListRow.h"

#include "platform/TextCase.h"

namespace vastrel::catalogue {

// The display text becomes the field where it is: a text built for the row is not copied.
ListRow::ListRow(QString displayText, QString path)
    : m_field(std::move(displayText)), m_path(std::move(path))
{
    qsizetype n = std::min(m_field.size(), kFieldWidth);
    while (n > 0 && m_field.at(n - 1) == u' ')
        --n;
    m_field.truncate(n);
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
