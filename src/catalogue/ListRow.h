#pragma once

#include "platform/Blanks.h"

#include <QString>
#include <initializer_list>

namespace vastrel::catalogue {

// A row of the track list or the picture list. Its text is one string: a display field of
// exactly 666 characters (the display text cut or padded with blanks) followed by the row
// path, the file's path relative to the collection root. The row keeps the field without
// its padding and the path one after the other in a single string, so that 100,000 rows
// neither carry 66 million blanks nor cost two allocations each; two rows have the same text
// exactly when both parts are equal.
class ListRow
{
public:
    static constexpr qsizetype kFieldWidth = 666;

    ListRow() = default;
    // The display text and the path, each given in parts that are joined.
    ListRow(std::initializer_list<QStringView> displayText,
            std::initializer_list<QStringView> path);
    // A row that is just its text, as the rows of the album list are.
    static ListRow plain(QString text);

    // The display field without its padding.
    QStringView field() const { return QStringView(m_text).first(m_fieldLength); }
    QStringView path() const { return QStringView(m_text).sliced(m_fieldLength); }
    // The collection root followed by the row path: the file's full path.
    QString pathUnder(const QString& root) const;
    // The display field with blanks trimmed at both ends, and only blanks: what the user
    // reads and the title search looks in.
    QString title() const { return platform::Blanks::trim(field()); }
    // The row as one string, padding included.
    QString text() const;
    // Character i of text(), without building it.
    QChar at(qsizetype i) const;
    qsizetype length() const { return m_plain ? m_text.size() : kFieldWidth + path().size(); }
    // Whether the whole text ends with the suffix, letter case ignored.
    bool textEndsWithIgnoringCase(QStringView suffix) const;
    // A key that is equal for two rows exactly when their whole texts are equal.
    QString key() const;

    friend bool operator==(const ListRow& a, const ListRow& b)
    {
        return a.m_plain == b.m_plain && a.m_fieldLength == b.m_fieldLength && a.m_text == b.m_text;
    }

private:
    QString m_text;
    qsizetype m_fieldLength = 0;
    bool m_plain = false;
};

} // namespace vastrel::catalogue
