#include "TextPaneState.h"

namespace vastrel::texts {

TextPaneState::State TextPaneState::choose(bool anyTrackText, int checkedAlbums,
                                           const QString& introduction)
{
    if (anyTrackText)
        return Texts;
    if (checkedAlbums != 0)
        return AlbumNotes;
    return introduction.isEmpty() ? Nothing : Introduction;
}

QString TextPaneState::heading(State state)
{
    switch (state) {
    case Texts:
        return QStringLiteral("&Testi dei Brani Selezionati:");
    case AlbumNotes:
        return QStringLiteral("No&te degli Album Selezionati:");
    case Introduction:
        return QStringLiteral("No&te Introduttive:");
    case Nothing:
        break;
    }
    return {};
}

QString TextPaneState::searchTooltip(State state)
{
    switch (state) {
    case Texts:
        return QStringLiteral(" Cerca tra i Testi dei Brani Selezionati ");
    case AlbumNotes:
        return QStringLiteral(" Cerca tra le Note degli Album Selezionati ");
    case Introduction:
        return QStringLiteral(" Cerca tra le Note Introduttive ");
    case Nothing:
        break;
    }
    return QStringLiteral(" Cerca ");
}

QString TextPaneState::tracksCaption(int checked, int rows, qint64 seconds, int unknown)
{
    QString caption = QStringLiteral("&Brani Selezionati: %1 (su %2)  [%3:%4:%5")
                          .arg(checked)
                          .arg(rows)
                          .arg(seconds / 3600)
                          .arg((seconds / 60) % 60, 2, 10, QChar(u'0'))
                          .arg(seconds % 60, 2, 10, QChar(u'0'));
    if (unknown > 0)
        caption += QStringLiteral(" + %1x???").arg(unknown);
    return caption + u']';
}

} // namespace vastrel::texts
