#include "EmptyAlbumList.h"

#include "catalogue/ShowFilter.h"

#include <QDir>

namespace vastrel::browser {

QString EmptyAlbumList::placeholder(const QString& root, int showFilter)
{
    QString none;
    switch (showFilter) {
    case catalogue::OnlyDuplicates:
        none = QStringLiteral("Nessun album con brani duplicati nella cartella:");
        break;
    case catalogue::OnlyOriginals:
        none = QStringLiteral("Nessun album con brani originali nella cartella:");
        break;
    default:
        none = QStringLiteral("Nessun album nella cartella:");
        break;
    }
    return none + u'\n' + QDir::toNativeSeparators(root) +
           QStringLiteral("\n\nUn album è una cartella il cui nome comincia con un'etichetta "
                          "tra parentesi quadre, come \"[1979] Titolo\", e che contiene una "
                          "cartella Testi con almeno un file .txt.");
}

} // namespace vastrel::browser
