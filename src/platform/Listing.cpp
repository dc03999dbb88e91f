#include "Listing.h"

#include "FileSystem.h"
#include "TextCase.h"

#include <algorithm>
#include <atomic>

namespace vastrel::platform {

namespace {

// A folder of a collection holds a dozen entries or so: room for them before the first
// reallocation.
constexpr qsizetype kFirstEntries = 16;
constexpr size_t kFirstNameBytes = 512;

char16_t unit(QChar c)
{
    return c.unicode();
}

char16_t unit(QLatin1Char c)
{
    return c.unicode();
}

char16_t unit(char c)
{
    return uchar(c);
}

} // namespace

template <typename Name> quint64 Listing::keyOf(Name name)
{
    quint64 key = 0;
    for (qsizetype i = 0; i < 4; ++i)
        key = key << 16 | (i < name.size() ? TextCase::upperChar(unit(name[i])) : 0);
    return key;
}

void Listing::add(QStringView name, EntryKind kind)
{
    if (!m_wide) {
        m_names = QString::fromLatin1(m_ascii);
        m_ascii = std::string();
        m_wide = true;
    }
    m_entries.append({keyOf(name), quint32(m_names.size()), quint16(name.size()), kind});
    m_names.append(name);
}

void Listing::addAscii(QByteArrayView name, EntryKind kind)
{
    if (m_entries.isEmpty()) {
        m_entries.reserve(kFirstEntries);
        m_ascii.reserve(kFirstNameBytes);
    }
    if (m_wide) {
        m_entries.append(
            {keyOf(QLatin1StringView(name)), quint32(m_names.size()), quint16(name.size()), kind});
        m_names.append(QLatin1StringView(name));
        return;
    }
    m_entries.append({keyOf(name), quint32(m_ascii.size()), quint16(name.size()), kind});
    m_ascii.append(name.data(), size_t(name.size()));
}

// Names that differ in their first four upper-cased characters compare by the keys alone
// (a shorter name's key is padded with zeros, below any character of a name).
void Listing::sort()
{
    if (m_wide)
        m_names.squeeze();
    else
        m_names = QString::fromLatin1(m_ascii);
    m_ascii = std::string();
    const QStringView names(m_names);
    std::sort(m_entries.begin(), m_entries.end(), [names](const Entry& a, const Entry& b) {
        if (a.key != b.key)
            return a.key < b.key;
        return TextCase::compareListingOrder(names.sliced(a.offset, a.length),
                                             names.sliced(b.offset, b.length)) < 0;
    });
}

// The first thread to ask asks the folder; the others wait for its answer.
EntryKind Listing::ask(qsizetype i) const
{
    std::atomic_ref kind(const_cast<EntryKind&>(m_entries.at(i).kind));
    for (EntryKind k = kind.load(std::memory_order_acquire);;
         k = kind.load(std::memory_order_acquire)) {
        if (k == kAsking) {
            kind.wait(kAsking, std::memory_order_acquire);
        } else if (k != EntryKind::Unknown) {
            return k;
        } else if (kind.compare_exchange_strong(k, kAsking, std::memory_order_acquire)) {
            QString path = m_folder;
            if (!path.endsWith(u'/'))
                path += u'/';
            path += name(i);
            k = FileSystem::kind(path);
            kind.store(k, std::memory_order_release);
            kind.notify_all();
            return k;
        }
    }
}

// The names equal to the wanted one but for letter case sit together in listing order, the
// exact one among them in its place: a binary search finds them in a folder of any size. The
// exact name is tried first, so that its namesakes' kinds are asked only without it.
qsizetype Listing::find(QStringView wanted, bool filesOnly) const
{
    const quint64 key = keyOf(wanted);
    const auto below = [&](const Entry& e) {
        if (e.key != key)
            return e.key < key;
        const QStringView n = QStringView(m_names).sliced(e.offset, e.length);
        const qsizetype common = std::min(n.size(), wanted.size());
        for (qsizetype i = 0; i < common; ++i) {
            const char16_t c = TextCase::upperChar(n[i].unicode());
            const char16_t w = TextCase::upperChar(wanted[i].unicode());
            if (c != w)
                return c < w;
        }
        return n.size() < wanted.size();
    };
    const qsizetype from =
        std::partition_point(m_entries.begin(), m_entries.end(), below) - m_entries.begin();
    qsizetype end = from;
    while (end < size() && m_entries.at(end).key == key &&
           m_entries.at(end).length == wanted.size() &&
           TextCase::equalIgnoringCase(name(end), wanted))
        ++end;
    for (qsizetype i = from; i < end; ++i) {
        if (name(i) == wanted)
            return fits(i, filesOnly) ? i : firstFitting(from, end, filesOnly);
    }
    return firstFitting(from, end, filesOnly);
}

qsizetype Listing::firstFitting(qsizetype from, qsizetype end, bool filesOnly) const
{
    for (qsizetype i = from; i < end; ++i) {
        if (fits(i, filesOnly))
            return i;
    }
    return -1;
}

qsizetype Listing::lowerBound(QStringView upperPrefix) const
{
    const QStringView names(m_names);
    const auto below = [&](const Entry& e) {
        const QStringView n = names.sliced(e.offset, e.length);
        const qsizetype common = std::min(n.size(), upperPrefix.size());
        for (qsizetype i = 0; i < common; ++i) {
            const char16_t c = TextCase::upperChar(n[i].unicode());
            if (c != upperPrefix[i].unicode())
                return c < upperPrefix[i].unicode();
        }
        return n.size() < upperPrefix.size();
    };
    return std::partition_point(m_entries.begin(), m_entries.end(), below) - m_entries.begin();
}

bool Listing::startsWith(qsizetype i, QStringView upperPrefix) const
{
    const QStringView n = name(i);
    if (n.size() < upperPrefix.size())
        return false;
    for (qsizetype k = 0; k < upperPrefix.size(); ++k) {
        if (TextCase::upperChar(n[k].unicode()) != upperPrefix[k].unicode())
            return false;
    }
    return true;
}

qsizetype Listing::find(QStringView wanted) const
{
    return find(wanted, false);
}

qsizetype Listing::findFile(QStringView wanted) const
{
    return find(wanted, true);
}

} // namespace vastrel::platform
