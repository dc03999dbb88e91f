#include "EmptyAlbumList.h"

#include <QDir>

namespace vastrel::browser {

QString EmptyAlbumList::placeholder(const QString& root, catalogue::ShowFilter showFilter)
{
    QString none = QStringLiteral("Nessun album nella cartella:");
    if (showFilter == catalogue::ShowFilter::OnlyDuplicates)
        none = QStringLiteral("Nessun album con brani duplicati nella cartella:");
    else if (showFilter == catalogue::ShowFilter::OnlyOriginals)
        none = QStringLiteral("Nessun album con brani originali nella cartella:");
    return none + u'\n' + QDir::toNativeSeparators(root) +
           QStringLiteral("\n\nUn album è una cartella il cui nome comincia con un'etichetta "
                          "tra parentesi quadre, come \"[1979] Titolo\", e che contiene una "
                          "cartella Testi con almeno un file .txt.");
}

} // namespace vastrel::browser
