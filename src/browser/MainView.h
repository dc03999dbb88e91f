#pragma once

#include "Command.h"

#include <QImage>
#include <QString>
#include <array>

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

// Whether the window offers a command: its button is enabled and on show. A key or a click
// gives a command only while it is offered.
struct CommandState
{
    bool enabled = false;
    bool visible = true;

    bool operator==(const CommandState&) const = default;
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
    SelectMode albumsMode = SelectMode::Select;
    SelectMode tracksMode = SelectMode::Select;
    // The commands that need no list, search or text are always offered.
    std::array<CommandState, kCommandCount> commands = [] {
        std::array<CommandState, kCommandCount> all{};
        for (Command always :
             {Command::ToggleOrder, Command::NextPaneMode, Command::SwitchSize, Command::About,
              Command::Close, Command::Print, Command::PrintPreview, Command::ZoomIn,
              Command::ZoomOut, Command::ZoomNormal, Command::Read})
            all[commandIndex(always)].enabled = true;
        return all;
    }();

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

    const CommandState& command(Command c) const { return commands[commandIndex(c)]; }

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
