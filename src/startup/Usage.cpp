#include "Usage.h"

namespace vastrel::startup {

QString Usage::version()
{
    return QStringLiteral("Vastrel " VASTREL_VERSION_STRING "\n");
}

QString Usage::help()
{
    return QStringLiteral(
        "Uso: vastrel [opzioni] [cartella]\n"
        "Sfoglia una collezione musicale conservata in cartelle, senza mai modificarla.\n"
        "\n"
        "Opzioni (maiuscole o minuscole, in qualsiasi ordine):\n"
        "  /ROOT:cartella   apre la collezione in quella cartella (anche /ROOT: cartella)\n"
        "  cartella         senza /ROOT:, lo stesso (anche come indirizzo file://)\n"
        "  /DUPLICATI       elenca solo gli album con duplicati\n"
        "  /ORIGINALI       elenca solo gli album con brani originali\n"
        "  /2               apre la finestra a metà altezza\n"
        "  /IMMAGINI        mostra solo le immagini sotto gli elenchi\n"
        "  /TESTI           mostra solo i testi sotto gli elenchi\n"
        "  /AZ              elenca i brani in ordine alfabetico\n"
        "  /ZOOM:n          testi al n per cento della grandezza normale (50-400)\n"
        "  /L:n /A:n        larghezza e altezza della finestra in pixel\n"
        "  /X:n /Y:n        posizione della finestra in pixel (su Wayland, con X11)\n"
        "  /MAX             finestra ingrandita a tutto schermo\n"
        "  /HELP, /?, /H    mostra le informazioni e la guida, poi termina\n"
        "  --help           mostra questo aiuto\n"
        "  --version        mostra la versione\n");
}

} // namespace vastrel::startup
