#include "Listing.h"

#include "TextCase.h"

#include <algorithm>

namespace vastrel::platform {

void Listing::add(QStringView name, bool isFolder)
{
    m_entries.append({m_names.size(), name.size(), isFolder});
    m_names.append(name);
}

void Listing::addAscii(QByteArrayView name, bool isFolder)
{
    if (m_entries.isEmpty()) {
        m_entries.reserve(32);
        m_names.reserve(1024);
    }
    m_entries.append({m_names.size(), name.size(), isFolder});
    m_names.append(QLatin1StringView(name));
}

void Listing::sort()
{
    const QStringView names(m_names);
    std::sort(m_entries.begin(), m_entries.end(), [names](const Entry& a, const Entry& b) {
        return TextCase::compareListingOrder(names.sliced(a.offset, a.length),
                                             names.sliced(b.offset, b.length)) < 0;
    });
}

// The names equal to the wanted one but for letter case sit together in listing order, the
// exact one among them in its place: a binary search finds them in a folder of any size.
qsizetype Listing::find(QStringView wanted, bool filesOnly) const
{
    const QString upper = TextCase::upper(wanted);
    qsizetype first = -1;
    for (qsizetype i = lowerBound(upper);
         i < size() && name(i).size() == wanted.size() && startsWith(i, upper); ++i) {
        if (filesOnly && isFolder(i))
            continue;
        if (name(i) == wanted)
            return i;
        if (first < 0)
            first = i;
    }
    return first;
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
