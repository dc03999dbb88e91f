#pragma once

#include "ListRow.h"

#include <QString>
#include <QStringList>

namespace vastrel::catalogue {

// The order of the sorted lists (albums, and tracks in alphabetical order): letter case
// is ignored, accented letters sort with their base letter, punctuation comes before
// digits and digits before letters. Accents and then case only break ties, so the order
// is total and every run lists the same way.
class Collation
{
public:
    static int compare(QStringView a, QStringView b);
    // Compares the rows' whole texts, padding included, without building them.
    static int compare(const ListRow& a, const ListRow& b);
    static bool less(QStringView a, QStringView b) { return compare(a, b) < 0; }
    static bool less(const ListRow& a, const ListRow& b) { return compare(a, b) < 0; }
    // Puts the texts in this order, the first level of each text worked out once, not at
    // every comparison.
    static void sort(QStringList& texts);
};

} // namespace vastrel::catalogue
