#pragma once

#include <QList>
#include <QString>
#include <string>

namespace vastrel::platform {

// The visible entries of one folder (regular files and folders, links followed), in
// ascending order of the upper-cased name, ties by the exact name. The names share one
// buffer of their exact size, so a listing costs two allocations however many entries it
// has.
class Listing
{
public:
    void add(QStringView name, bool isFolder);
    // A name that is plain ASCII, added without a temporary string.
    void addAscii(QByteArrayView name, bool isFolder);
    // Puts the entries in listing order; call once, after the last add().
    void sort();

    qsizetype size() const { return m_entries.size(); }
    bool isEmpty() const { return m_entries.isEmpty(); }
    QStringView name(qsizetype i) const
    {
        const Entry& e = m_entries.at(i);
        return QStringView(m_names).sliced(e.offset, e.length);
    }
    bool isFolder(qsizetype i) const { return m_entries.at(i).isFolder; }
    // The entry with exactly this name, else the first whose upper-cased name is equal;
    // -1 when there is none.
    qsizetype find(QStringView name) const;
    // The same among the files only.
    qsizetype findFile(QStringView name) const;
    // The entries whose names begin with the upper-cased prefix, letter case ignored, are
    // the ones from lowerBound(prefix) on for as long as startsWith() holds.
    qsizetype lowerBound(QStringView upperPrefix) const;
    bool startsWith(qsizetype i, QStringView upperPrefix) const;

private:
    qsizetype find(QStringView name, bool filesOnly) const;

    struct Entry
    {
        // The first four upper-cased characters, the first in the highest bits: most
        // comparisons of the sort end here.
        quint64 key;
        quint32 offset;
        quint32 length : 31;
        quint32 isFolder : 1;
    };
    template <typename Name> static quint64 keyOf(Name name);

    QString m_names;
    // Until sort(), plain ASCII names wait here as bytes, and become text all at once.
    std::string m_ascii;
    bool m_wide = false; // a name is not plain ASCII: every name is in m_names
    QList<Entry> m_entries;
};

} // namespace vastrel::platform
