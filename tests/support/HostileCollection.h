#pragma once

#include "Collection.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <functional>

// Malformed collections, made on the spot so that the repository stays small. Every case
// has the healthy album "[1999] Sano" (one track of 2 seconds, one picture, a note), the
// introductory note "[Varie]/Note.txt", and the album "[2000] Ostile" with the text
// "01 - Brano.txt"; the case then adds or replaces what makes it hostile.
namespace Hostile {

inline const QString kAlbum = QStringLiteral("[2000] Ostile");
inline const QString kHealthyAlbum = QStringLiteral("[1999] Sano");
inline const QString kHealthyText = QStringLiteral("testo sano");
inline const QString kHostileText = QStringLiteral("testo ostile");
inline const QString kNoText = QStringLiteral("Nessun Testo Disponibile.");
inline const QString kNoNote = QStringLiteral("Nessuna Nota Disponibile.");
inline const QString kNoPicture = QStringLiteral("Nessuna Immagine Disponibile");
inline const QString kIntroduction = QStringLiteral("Note introduttive.");

enum class Pictures
{
    Unchecked,
    NoRows,   // the album lists no picture
    AllShown, // every picture row shows its picture, without a beep
    AllFail,  // every picture row beeps and leaves the empty picture
};

// What the rules say the window shows for the hostile album; a field left at its default
// is not checked (the case then only has to open and be browsed without harm).
struct Expectation
{
    bool listed = true;  // "[2000] Ostile" is in the album list under "Tutto"
    int tracks = -1;     // its number of track rows
    int beeps = -1;      // beeps when all its tracks are checked at once
    QString paneHas;     // the text pane then holds this
    QString captionEnds; // the caption of the track counter then ends so
    QString notesHas;    // the album notes hold this (album checked, no track)
    Pictures pictures = Pictures::Unchecked;
    QString introductionHas; // the pane with nothing checked holds this
    QByteArray playlistHas;  // the playlist of the hostile album holds these bytes
};

struct Case
{
    QByteArray name;
    std::function<void(Collection&)> build;
    Expectation expect;
    bool asOtherUser = false; // browsed by a user without the rights root would have
    bool needsRoot = false;   // devices can only be made by root
};

QList<Case> cases();
// The healthy part of every case, and the hostile album with its one text.
void base(Collection& c);
// The cases about the shape of the folders, and about rights.
QList<Case> folderShapes();
QList<Case> withoutRights();

// Builders shared by the cases.
QByteArray mpeg(int seconds); // MPEG-1 Layer III at 128 kbit/s
QByteArray headerAt(qsizetype offset, const QByteArray& header, qsizetype size);
QByteArray randomBytes(qsizetype size, quint32 seed);
void fifo(Collection& c, const QString& relative);
void link(Collection& c, const QString& relative, const QByteArray& target);
void device(Collection& c, const QString& relative);
void sparse(Collection& c, const QString& relative, qint64 size, const QByteArray& head = {});
void mode(Collection& c, const QString& relative, unsigned mode);

} // namespace Hostile
