#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <variant>

namespace vastrel::texts {

// What the RTF reader understood of a document, kept free of GUI types so that
// the parser can be tested and fuzzed without a display. Lengths are in twips
// (1/20 point), as RTF writes them.

// A colour of the document; an automatic colour follows the viewer's palette.
struct RtfColor
{
    bool automatic = true;
    quint32 rgb = 0; // 0xRRGGBB

    friend bool operator==(const RtfColor&, const RtfColor&) = default;
};

enum class RtfUnderline : quint8
{
    None,
    Single,
    Dotted,
    Dashed,
    DashDot,
    DashDotDot,
    Wave
};
enum class RtfVerticalAlign : quint8
{
    Normal,
    Super,
    Sub
};
// The generic family named in the font table, a hint for a missing font.
enum class RtfFontKind : quint8
{
    Unknown,
    Roman,
    Swiss,
    Modern,
    Script,
    Decorative
};

struct RtfCharFormat
{
    bool bold = false;
    bool italic = false;
    bool strike = false;
    bool smallCaps = false;
    bool allCaps = false;
    RtfUnderline underline = RtfUnderline::None;
    RtfVerticalAlign verticalAlign = RtfVerticalAlign::Normal;
    QString fontFamily; // empty: the viewer's font
    RtfFontKind fontKind = RtfFontKind::Unknown;
    int halfPoints = 24;
    RtfColor foreground;
    RtfColor background;
    QString link; // http, https or mailto target; empty: no link

    friend bool operator==(const RtfCharFormat&, const RtfCharFormat&) = default;
};

// Text with one format. Line breaks inside a paragraph are U+2028, tabs '\t'.
struct RtfRun
{
    QString text;
    RtfCharFormat format;
    int picture = -1; // index in RtfDocument::pictures, shown before the text
};

// A picture in a format the program shows, with the data its writer stored.
struct RtfPicture
{
    enum class Kind : quint8
    {
        Png,
        Jpeg
    };

    Kind kind = Kind::Png;
    QByteArray data;
    int width = 0; // the size shown, in twips; 0: the size of the picture's pixels
    int height = 0;
};

enum class RtfAlignment : quint8
{
    Left,
    Center,
    Right,
    Justify
};

struct RtfParagraphFormat
{
    RtfAlignment alignment = RtfAlignment::Left;
    int leftIndent = 0;
    int rightIndent = 0;
    int firstIndent = 0; // relative to leftIndent; negative for a hanging indent
    int spaceBefore = 0;
    int spaceAfter = 0;
    int lineSpacing = 0;       // 0: single; with lineMultiple, 240 = one line
    bool lineMultiple = false; // otherwise > 0 at least, < 0 exactly |lineSpacing|
    QList<int> tabStops;       // from the left indent of the page, ascending

    friend bool operator==(const RtfParagraphFormat&, const RtfParagraphFormat&) = default;
};

struct RtfParagraph
{
    RtfParagraphFormat format;
    QList<RtfRun> runs;
};

struct RtfTableCell
{
    int rightEdge = 0; // 0 when the row gave no edge for this cell
    QList<RtfParagraph> paragraphs;
};

struct RtfTableRow
{
    QList<RtfTableCell> cells;
};

// Nested tables arrive flattened: their cells are paragraphs of the outer cell.
struct RtfTable
{
    QList<RtfTableRow> rows;
};

using RtfBlock = std::variant<RtfParagraph, RtfTable>;

struct RtfDocument
{
    QList<RtfBlock> blocks;
    QList<RtfPicture> pictures;
};

} // namespace vastrel::texts
