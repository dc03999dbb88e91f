#pragma once

#include "RtfDocument.h"

#include <array>

namespace vastrel::texts {

// Where the text of a group goes.
enum class RtfDestination : quint8
{
    Body,
    Skip,
    FontTable,
    ColorTable,
    FieldInstruction,
    Picture,
    Object, // dropped, except its \result
    Upr,    // dropped, except its \ud
};

// The characters that \loch, \hich or \dbch announce: each kind may have a font
// of its own, given by \af or \f after the word.
enum class RtfCharKind : quint8
{
    Any, // none announced, or \rtlch or \ltrch since
    Low,
    High,
    Double,
};

// Everything a group saves at '{' and gets back at '}'.
struct RtfGroupState
{
    RtfCharFormat format; // the font is kept as a number until text is written
    int font = -1;        // -1: the document's default font
    RtfCharKind charKind = RtfCharKind::Any;
    std::array<int, 3> kindFonts{-1, -1, -1}; // of Low, High, Double; -1: \f's font
    bool hidden = false;
    RtfParagraphFormat paragraph;
    bool inTable = false;
    RtfDestination destination = RtfDestination::Body;
    RtfDestination outer = RtfDestination::Body; // what \result or \ud return to
    int unicodeSkip = 1;
    int field = -1;
    // Inside \nesttableprops: its \trowd and \cellx are the nested table's, which is
    // flattened, not the outer table's.
    bool nestedRowProperties = false;

    // The font whose character set reads the text written now.
    int textFont() const
    {
        const int kind = int(charKind) - 1;
        return kind >= 0 && kindFonts[kind] >= 0 ? kindFonts[kind] : font;
    }
};

} // namespace vastrel::texts
