#pragma once

#include "TextCommands.h"

#include <QImage>
#include <QString>

namespace vastrel::browser {

// The mouse pointer of the main window. Any pointer but the default one means a handler is
// at work, and the check handlers leave the marks to it.
enum class Pointer
{
    Default = 0,
    Hourglass = 11,
    Busy = 13,
};

// What a click on a select-all button does to its list.
enum class SelectMode
{
    Select,
    Deselect,
};

// A message box of the main window: its title and its text.
struct Message
{
    QString title;
    QString text;
};

// Everything the main window shows that the browsing session decides, as plain data; the
// window draws it and keeps only what is about widgets. Captions that are empty show
// nothing.
struct MainView
{
    QString albumsCaption;
    // What the album list says while it lists no album; empty while it lists some.
    QString albumsPlaceholder;
    QString tracksCaption;
    QString paneHeading;
    QString picturesCaption;
    QString textSearchTooltip = QStringLiteral(" Cerca ");
    QString findNextTooltip = QStringLiteral(" Cerca la Prossima Occorrenza ");
    bool alphabetical = false;
    bool selectAlbumsEnabled = false;
    bool selectTracksEnabled = false;
    bool titleSearchEnabled = false;
    bool playEnabled = false;
    bool findNextEnabled = false;
    SelectMode albumsMode = SelectMode::Select;
    SelectMode tracksMode = SelectMode::Select;
    // Searching, copying and selecting the pane's text, after its last rebuild and as the
    // user last left its selection.
    TextCommands textCommands;

    // The text pane's content; every rebuild counts as new, even with the same text, since
    // it brings the pane back to its start.
    QString pane;
    quint64 paneRevision = 0;
    // Notes wrap at the pane's width; track texts keep their lines whole, so that a side
    // block stays beside its text.
    bool paneWraps = true;

    // The picture on show; a null picture is the empty picture. Its tooltip is the
    // picture's title, or empty for the empty picture.
    QImage picture;
    QString pictureTitle;
    quint64 pictureRevision = 0;

    // The order switch names the order a click switches to; a select-all button, its mode.
    QString orderTooltip() const
    {
        return alphabetical ? QStringLiteral(" Ordina i Brani Cronologicamente ")
                            : QStringLiteral(" Ordina i Brani Alfabeticamente ");
    }
    QString selectAlbumsTooltip() const
    {
        return albumsMode == SelectMode::Select ? QStringLiteral(" Seleziona Tutti gli Album ")
                                                : QStringLiteral(" Deseleziona Tutti gli Album ");
    }
    QString selectTracksTooltip() const
    {
        return tracksMode == SelectMode::Select ? QStringLiteral(" Seleziona Tutti i Brani ")
                                                : QStringLiteral(" Deseleziona Tutti i Brani ");
    }
};

} // namespace vastrel::browser
