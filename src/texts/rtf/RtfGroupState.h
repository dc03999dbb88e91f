#pragma once

#include "RtfDocument.h"

namespace vastrel::texts {

// Where the text of a group goes.
enum class RtfDestination : quint8
{
    Body,
    Skip,
    FontTable,
    ColorTable,
    FieldInstruction,
    Object, // dropped, except its \result
    Upr,    // dropped, except its \ud
};

// Everything a group saves at '{' and gets back at '}'.
struct RtfGroupState
{
    RtfCharFormat format; // the font is kept as a number until text is written
    int font = -1;        // -1: the document's default font
    bool hidden = false;
    RtfParagraphFormat paragraph;
    bool inTable = false;
    RtfDestination destination = RtfDestination::Body;
    RtfDestination outer = RtfDestination::Body; // what \result or \ud return to
    int unicodeSkip = 1;
    int field = -1;
};

} // namespace vastrel::texts
