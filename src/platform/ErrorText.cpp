#include "ErrorText.h"

#include <cerrno>
#include <cstring>

namespace vastrel::platform {

QString ErrorText::describe(int error)
{
    switch (error) {
    case ENOENT:
        return QStringLiteral("File non trovato");
    case EACCES:
    case EPERM:
        return QStringLiteral("Permesso negato");
    case EISDIR:
        return QStringLiteral("Il percorso indica una cartella, non un file");
    case EINVAL:
        return QStringLiteral("Il percorso non indica un file ordinario");
    case ENOTDIR:
        return QStringLiteral("Percorso non valido");
    case ENAMETOOLONG:
        return QStringLiteral("Nome del file troppo lungo");
    case EIO:
        return QStringLiteral("Errore di lettura");
    case ELOOP:
        return QStringLiteral("Troppi collegamenti simbolici");
    case EMFILE:
    case ENFILE:
        return QStringLiteral("Troppi file aperti");
    default:
        return QString::fromLocal8Bit(std::strerror(error));
    }
}

} // namespace vastrel::platform
