#pragma once

#include <QString>

namespace vastrel::catalogue {

// A row of the track list or the picture list. Its text is one string: a display field of
// exactly 666 characters (the display text cut or padded with blanks) followed by the row
// path, the file's path relative to the collection root. The row keeps the two parts apart
// so that 100,000 rows do not carry 66 million blanks; field() holds the display field
// without its padding, so two rows have the same text exactly when both parts are equal.
class ListRow
{
public:
    static constexpr qsizetype kFieldWidth = 666;

    ListRow() = default;
    ListRow(QString displayText, QString path);
    // A row that is just its text, as the rows of the album list are.
    static ListRow plain(QString text);

    const QString& field() const { return m_field; }
    const QString& path() const { return m_path; }
    // The display field with blanks trimmed at both ends: what the user reads.
    QString title() const { return m_field.trimmed(); }
    // The row as one string, padding included.
    QString text() const;
    // Character i of text(), without building it.
    QChar at(qsizetype i) const;
    qsizetype length() const { return m_plain ? m_field.size() : kFieldWidth + m_path.size(); }
    // Whether the whole text ends with the suffix, letter case ignored.
    bool textEndsWithIgnoringCase(QStringView suffix) const;
    // A key that is equal for two rows exactly when their whole texts are equal.
    QString key() const { return m_field + QChar(u'\0') + m_path; }

    friend bool operator==(const ListRow& a, const ListRow& b)
    {
        return a.m_plain == b.m_plain && a.m_field == b.m_field && a.m_path == b.m_path;
    }

private:
    QString m_field;
    QString m_path;
    bool m_plain = false;
};

} // namespace vastrel::catalogue
