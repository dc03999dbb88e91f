#pragma once

#include <QList>
#include <QString>
#include <atomic>
#include <string>

namespace vastrel::platform {

enum class EntryKind : quint8
{
    Missing,
    File,
    Folder,
    Other,   // FIFO, socket, device, broken link: never listed, never opened
    Unknown, // left out by the listing (a link, a share that lists names only)
};

// The visible entries of one folder (regular files and folders, links followed), in
// ascending order of the upper-cased name, ties by the exact name. The names share one
// buffer of their exact size, so a listing costs two allocations however many entries it
// has.
//
// A listing may leave an entry's kind out: a link, or every entry of a share that lists
// names only. Such an entry's kind is asked the first time a question needs it, and kept:
// threads that ask at once wait for the one answer. An entry that then turns out to be
// neither a file nor a folder counts as absent.
class Listing
{
public:
    Listing() = default;
    // The folder listed, where the kinds left out are asked.
    explicit Listing(const QString& folder) : m_folder(folder) {}

    void add(QStringView name, EntryKind kind);
    // A name that is plain ASCII, added without a temporary string.
    void addAscii(QByteArrayView name, EntryKind kind);
    // Puts the entries in listing order; call once, after the last add().
    void sort();

    // Entries whose kind is left out count here too: ask isVisible() where it matters.
    qsizetype size() const { return m_entries.size(); }
    bool isEmpty() const { return m_entries.isEmpty(); }
    QStringView name(qsizetype i) const
    {
        const Entry& e = m_entries.at(i);
        return QStringView(m_names).sliced(e.offset, e.length);
    }
    // The kind, asked of the folder when the listing left it out.
    EntryKind kind(qsizetype i) const
    {
        const EntryKind k = knownKind(i);
        return k == EntryKind::Unknown ? ask(i) : k;
    }
    // The kind as far as it is known, without asking: Unknown when left out.
    EntryKind knownKind(qsizetype i) const
    {
        // The one field that changes once the listing is shared.
        const EntryKind k = std::atomic_ref(const_cast<EntryKind&>(m_entries.at(i).kind))
                                .load(std::memory_order_acquire);
        return k == kAsking ? EntryKind::Unknown : k;
    }
    bool isFile(qsizetype i) const { return kind(i) == EntryKind::File; }
    bool isFolder(qsizetype i) const { return kind(i) == EntryKind::Folder; }
    bool isVisible(qsizetype i) const { return isFile(i) || isFolder(i); }
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
    // An entry whose kind one thread is asking; the others wait for its answer.
    static constexpr auto kAsking = EntryKind(0xFF);

    EntryKind ask(qsizetype i) const;
    qsizetype find(QStringView name, bool filesOnly) const;
    bool fits(qsizetype i, bool filesOnly) const { return filesOnly ? isFile(i) : isVisible(i); }
    qsizetype firstFitting(qsizetype from, qsizetype end, bool filesOnly) const;

    struct Entry
    {
        // The first four upper-cased characters, the first in the highest bits: most
        // comparisons of the sort end here.
        quint64 key;
        quint32 offset;
        quint16 length; // a name has at most 255 bytes
        // Once the listing is shared, read and settled only through std::atomic_ref.
        EntryKind kind;
    };
    template <typename Name> static quint64 keyOf(Name name);

    QString m_folder;
    QString m_names;
    // Until sort(), plain ASCII names wait here as bytes, and become text all at once.
    std::string m_ascii;
    bool m_wide = false; // a name is not plain ASCII: every name is in m_names
    QList<Entry> m_entries;
};

} // namespace vastrel::platform
