#pragma once

#include "browser/PaneMode.h"
#include "browser/TextZoom.h"

#include <QRect>
#include <QSize>
#include <QString>
#include <optional>

namespace vastrel::startup {

// What the command line asks for, in the order it is applied.
struct StartOptions
{
    // The folder the root option names, or else the folder handed over as an argument (as a
    // file manager does), ending with "/"; it becomes the collection root only if it holds a
    // bracketed entry.
    std::optional<QString> rootCandidate;
    bool onlyDuplicates = false;
    bool onlyOriginals = false;
    bool halfMode = false;
    std::optional<browser::PaneMode> paneMode;
    bool alphabetical = false;
    // The text pane's size in percent of its normal size.
    int textZoom = browser::TextZoom::kNormal;
    // The main window's outer geometry in pixels, after the window's own size limits.
    QRect geometry;
    // A left or top edge was asked for.
    bool positioned = false;
    bool help = false;
    bool maximised = false;
};

// The outer sizes the main window accepts (its size limits), by size mode.
struct WindowSizeRange
{
    QSize minimumFull;
    QSize minimumHalf;
    QSize maximum;
};

} // namespace vastrel::startup
