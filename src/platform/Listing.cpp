#include "Listing.h"

#include "TextCase.h"

#include <algorithm>

namespace vastrel::platform {

void Listing::add(QStringView name, bool isFolder)
{
    m_entries.append({m_names.size(), name.size(), isFolder});
    m_names.append(name);
}

void Listing::sort()
{
    const QStringView names(m_names);
    std::sort(m_entries.begin(), m_entries.end(), [names](const Entry& a, const Entry& b) {
        return TextCase::compareListingOrder(names.sliced(a.offset, a.length),
                                             names.sliced(b.offset, b.length)) < 0;
    });
}

qsizetype Listing::find(QStringView wanted) const
{
    for (qsizetype i = 0; i < size(); ++i) {
        if (name(i) == wanted)
            return i;
    }
    for (qsizetype i = 0; i < size(); ++i) {
        if (TextCase::equalIgnoringCase(name(i), wanted))
            return i;
    }
    return -1;
}

} // namespace vastrel::platform
