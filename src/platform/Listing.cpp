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

qsizetype Listing::find(QStringView wanted, bool filesOnly) const
{
    for (qsizetype i = 0; i < size(); ++i) {
        if (name(i) == wanted && !(filesOnly && isFolder(i)))
            return i;
    }
    for (qsizetype i = 0; i < size(); ++i) {
        if (TextCase::equalIgnoringCase(name(i), wanted) && !(filesOnly && isFolder(i)))
            return i;
    }
    return -1;
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
