#pragma once

#include <string_view>

namespace vastrel::texts {

// What a control word does; the table in RtfControlWords.cpp names the words.
enum class RtfWord : unsigned char
{
    // character formatting
    Plain,
    Bold,
    Italic,
    Strike,
    SmallCaps,
    AllCaps,
    Hidden,
    Underline, // argument: RtfUnderline
    UnderlineOff,
    Super,
    Sub,
    NoSuperSub,
    Up,
    Down,
    Font,
    AssociatedFont,
    CharKind, // argument: RtfCharKind
    FontSize,
    Foreground,
    Background,
    // paragraph formatting
    Pard,
    Align, // argument: RtfAlignment
    LeftIndent,
    RightIndent,
    FirstIndent,
    SpaceBefore,
    SpaceAfter,
    LineSpacing,
    LineMultiple,
    TabStop,
    InTable,
    TableLevel,
    // breaks and tables
    Par,
    Line,
    Tab,
    Cell,
    Row,
    NestCell,
    NestRow,
    RowDefaults,
    CellEdge,
    // characters
    Character, // argument: the character
    Unicode,
    UnicodeSkip,
    // the document and the tables of its header
    CodePage, // argument: the code page, or 0 to take the parameter
    DefaultFont,
    FontCharset,
    FontCodePage,
    FontKind, // argument: RtfFontKind
    Red,
    Green,
    Blue,
    Picture,     // argument: RtfPictureWord
    Destination, // argument: RtfDestinationWord
};

enum class RtfPictureWord : unsigned char
{
    Png,
    Jpeg,
    GoalWidth,
    GoalHeight,
    ScaleX,
    ScaleY,
};

enum class RtfDestinationWord : unsigned char
{
    Skip,
    FontTable,
    ColorTable,
    Field,
    FieldInstruction,
    FieldResult,
    Object,
    ObjectResult,
    Picture,
    PictureGroup, // holds a \pict; its group reads on as before
    Upr,
    UprUnicode,
    NestTableProps, // the row properties of a nested table; its text shows
};

struct RtfControlWord
{
    std::string_view name;
    RtfWord word;
    int argument = 0;
};

class RtfControlWords
{
public:
    // nullptr for a word the reader does not know, which it then ignores.
    static const RtfControlWord* find(std::string_view name);
};

} // namespace vastrel::texts
