#include "RtfTextFormats.h"

#include <QColor>
#include <QFont>
#include <algorithm>

namespace vastrel::texts {

namespace {

QTextCharFormat::UnderlineStyle underlineStyle(RtfUnderline underline)
{
    switch (underline) {
    case RtfUnderline::None:
        return QTextCharFormat::NoUnderline;
    case RtfUnderline::Single:
        return QTextCharFormat::SingleUnderline;
    case RtfUnderline::Dotted:
        return QTextCharFormat::DotLine;
    case RtfUnderline::Dashed:
        return QTextCharFormat::DashUnderline;
    case RtfUnderline::DashDot:
        return QTextCharFormat::DashDotLine;
    case RtfUnderline::DashDotDot:
        return QTextCharFormat::DashDotDotLine;
    case RtfUnderline::Wave:
        return QTextCharFormat::WaveUnderline;
    }
    return QTextCharFormat::NoUnderline;
}

QFont::StyleHint styleHint(RtfFontKind kind)
{
    switch (kind) {
    case RtfFontKind::Roman:
        return QFont::Serif;
    case RtfFontKind::Swiss:
        return QFont::SansSerif;
    case RtfFontKind::Modern:
        return QFont::TypeWriter;
    case RtfFontKind::Script:
        return QFont::Cursive;
    case RtfFontKind::Decorative:
        return QFont::Decorative;
    case RtfFontKind::Unknown:
        break;
    }
    return QFont::AnyStyle;
}

Qt::Alignment alignment(RtfAlignment a)
{
    switch (a) {
    case RtfAlignment::Left:
        return Qt::AlignLeft;
    case RtfAlignment::Center:
        return Qt::AlignHCenter;
    case RtfAlignment::Right:
        return Qt::AlignRight;
    case RtfAlignment::Justify:
        return Qt::AlignJustify;
    }
    return Qt::AlignLeft;
}

// Tab stops count from the page margin; Qt counts them from where a line
// starts. Tabs stand almost only in first lines (list markers, columns), so the
// stops are placed for the first line.
QList<QTextOption::Tab> tabPositions(const RtfParagraphFormat& format, int left, int first,
                                     qreal scale)
{
    QList<int> stops = format.tabStops;
    // A hanging indent acts as a tab stop, as in word processors: the text of
    // a list item lines up after its marker.
    if (first < 0 && !stops.contains(left))
        stops.append(left);
    std::sort(stops.begin(), stops.end());
    QList<QTextOption::Tab> tabs;
    for (int stop : stops) {
        if (stop > left + first)
            tabs.append(QTextOption::Tab(RtfTextFormats::pixels(stop - left - first, scale),
                                         QTextOption::LeftTab));
    }
    return tabs;
}

} // namespace

qreal RtfTextFormats::pixels(int twips, qreal scale)
{
    return twips * scale / 15.0; // 1440 twips an inch, 96 pixels an inch
}

QTextCharFormat RtfTextFormats::character(const RtfCharFormat& f, qreal scale)
{
    QTextCharFormat out;
    out.setFontWeight(f.bold ? QFont::Bold : QFont::Normal);
    out.setFontItalic(f.italic);
    out.setFontStrikeOut(f.strike);
    out.setUnderlineStyle(underlineStyle(f.underline));
    if (f.allCaps)
        out.setFontCapitalization(QFont::AllUppercase);
    else if (f.smallCaps)
        out.setFontCapitalization(QFont::SmallCaps);
    if (f.verticalAlign == RtfVerticalAlign::Super)
        out.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
    else if (f.verticalAlign == RtfVerticalAlign::Sub)
        out.setVerticalAlignment(QTextCharFormat::AlignSubScript);
    if (!f.fontFamily.isEmpty())
        out.setFontFamilies({f.fontFamily});
    if (f.fontKind != RtfFontKind::Unknown)
        out.setFontStyleHint(styleHint(f.fontKind));
    out.setFontPointSize(f.halfPoints * scale / 2.0);
    if (!f.foreground.automatic)
        out.setForeground(QColor::fromRgb(f.foreground.rgb));
    if (!f.background.automatic)
        out.setBackground(QColor::fromRgb(f.background.rgb));
    if (!f.link.isEmpty()) {
        out.setAnchor(true);
        out.setAnchorHref(f.link);
        if (f.underline == RtfUnderline::None)
            out.setUnderlineStyle(QTextCharFormat::SingleUnderline); // a link looks like one
    }
    return out;
}

QTextBlockFormat RtfTextFormats::block(const RtfParagraphFormat& f, qreal scale)
{
    QTextBlockFormat out;
    out.setAlignment(alignment(f.alignment));
    // Negative indents would push text out of the view: they stop at its edge.
    const int left = qMax(0, f.leftIndent);
    const int first = qMax(-left, f.firstIndent);
    out.setLeftMargin(pixels(left, scale));
    out.setRightMargin(pixels(qMax(0, f.rightIndent), scale));
    out.setTextIndent(pixels(first, scale));
    out.setTopMargin(pixels(f.spaceBefore, scale));
    out.setBottomMargin(pixels(f.spaceAfter, scale));
    if (f.lineSpacing != 0 && f.lineMultiple)
        out.setLineHeight(qBound(50.0, f.lineSpacing * 100.0 / 240.0, 300.0),
                          QTextBlockFormat::ProportionalHeight);
    else if (f.lineSpacing > 0)
        out.setLineHeight(pixels(f.lineSpacing, scale), QTextBlockFormat::MinimumHeight);
    else if (f.lineSpacing < 0)
        out.setLineHeight(pixels(-f.lineSpacing, scale), QTextBlockFormat::FixedHeight);
    out.setTabPositions(tabPositions(f, left, first, scale));
    return out;
}

QTextTableFormat RtfTextFormats::table(const RtfTable& table, int columns, qreal scale)
{
    // Column widths come from the first row that gives an edge for every cell.
    QList<QTextLength> widths;
    for (const RtfTableRow& row : table.rows) {
        if (row.cells.size() != columns)
            continue;
        int left = 0;
        for (const RtfTableCell& cell : row.cells) {
            if (cell.rightEdge <= left) {
                widths.clear();
                break;
            }
            widths.append(
                QTextLength(QTextLength::FixedLength, pixels(cell.rightEdge - left, scale)));
            left = cell.rightEdge;
        }
        if (!widths.isEmpty())
            break;
    }
    QTextTableFormat out;
    out.setBorder(1);
    out.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
    out.setBorderCollapse(true);
    out.setCellSpacing(0);
    out.setCellPadding(3);
    out.setColumnWidthConstraints(widths);
    return out;
}

} // namespace vastrel::texts
