#include "RtfPropertyWords.h"

#include "RtfLimits.h"

#include <algorithm>

namespace vastrel::texts {

namespace {

// \b, \b1 and \bN switch on; \b0 switches off.
bool toggle(const RtfToken& token)
{
    return !token.hasParameter || token.parameter != 0;
}

int length(const RtfToken& token)
{
    return qBound(-RtfLimits::maxLength, token.parameter, RtfLimits::maxLength);
}

// After \loch, \hich or \dbch a font word names the font of those characters.
void setKindFont(RtfGroupState& state, int font)
{
    if (state.charKind != RtfCharKind::Any)
        state.kindFonts[size_t(state.charKind) - 1] = font;
}

int halfPoints(const RtfToken& token)
{
    if (!token.hasParameter || token.parameter <= 0)
        return RtfCharFormat().halfPoints;
    return qBound(RtfLimits::minHalfPoints, token.parameter, RtfLimits::maxHalfPoints);
}

} // namespace

bool RtfPropertyWords::apply(RtfGroupState& state, const RtfControlWord& entry,
                             const RtfToken& token, const RtfColorTable& colors)
{
    return applyCharacter(state, entry, token, colors) || applyParagraph(state, entry, token);
}

bool RtfPropertyWords::applyCharacter(RtfGroupState& state, const RtfControlWord& entry,
                                      const RtfToken& token, const RtfColorTable& colors)
{
    RtfCharFormat& f = state.format;
    switch (entry.word) {
    case RtfWord::Plain:
        f = RtfCharFormat();
        state.font = -1;
        state.charKind = RtfCharKind::Any;
        state.kindFonts.fill(-1);
        state.hidden = false;
        return true;
    case RtfWord::Bold:
        f.bold = toggle(token);
        return true;
    case RtfWord::Italic:
        f.italic = toggle(token);
        return true;
    case RtfWord::Strike:
        f.strike = toggle(token);
        return true;
    case RtfWord::SmallCaps:
        f.smallCaps = toggle(token);
        return true;
    case RtfWord::AllCaps:
        f.allCaps = toggle(token);
        return true;
    case RtfWord::Hidden:
        state.hidden = toggle(token);
        return true;
    case RtfWord::Underline:
        f.underline = toggle(token) ? RtfUnderline(entry.argument) : RtfUnderline::None;
        return true;
    case RtfWord::UnderlineOff:
        f.underline = RtfUnderline::None;
        return true;
    case RtfWord::Super:
        f.verticalAlign = RtfVerticalAlign::Super;
        return true;
    case RtfWord::Sub:
        f.verticalAlign = RtfVerticalAlign::Sub;
        return true;
    case RtfWord::NoSuperSub:
        f.verticalAlign = RtfVerticalAlign::Normal;
        return true;
    case RtfWord::Up:
    case RtfWord::Down: {
        // A raised or lowered position shows as super- or subscript; 0 ends it.
        const bool shifted = !token.hasParameter || token.parameter != 0;
        const auto shift =
            entry.word == RtfWord::Up ? RtfVerticalAlign::Super : RtfVerticalAlign::Sub;
        f.verticalAlign = shifted ? shift : RtfVerticalAlign::Normal;
        return true;
    }
    case RtfWord::Font:
        state.font = token.hasParameter ? token.parameter : 0;
        setKindFont(state, state.font);
        return true;
    case RtfWord::AssociatedFont:
        setKindFont(state, token.parameter);
        return true;
    case RtfWord::CharKind:
        state.charKind = RtfCharKind(entry.argument);
        return true;
    case RtfWord::FontSize:
        f.halfPoints = halfPoints(token);
        return true;
    case RtfWord::Foreground:
        f.foreground = colors.color(token.parameter);
        return true;
    case RtfWord::Background:
        f.background = colors.color(token.parameter);
        return true;
    default:
        return false;
    }
}

bool RtfPropertyWords::applyParagraph(RtfGroupState& state, const RtfControlWord& entry,
                                      const RtfToken& token)
{
    RtfParagraphFormat& p = state.paragraph;
    switch (entry.word) {
    case RtfWord::Pard:
        p = RtfParagraphFormat();
        state.inTable = false;
        return true;
    case RtfWord::Align:
        p.alignment = RtfAlignment(entry.argument);
        return true;
    case RtfWord::LeftIndent:
        p.leftIndent = length(token);
        return true;
    case RtfWord::RightIndent:
        p.rightIndent = length(token);
        return true;
    case RtfWord::FirstIndent:
        p.firstIndent = length(token);
        return true;
    case RtfWord::SpaceBefore:
        p.spaceBefore = qMax(0, length(token));
        return true;
    case RtfWord::SpaceAfter:
        p.spaceAfter = qMax(0, length(token));
        return true;
    case RtfWord::LineSpacing:
        p.lineSpacing = length(token);
        return true;
    case RtfWord::LineMultiple:
        p.lineMultiple = toggle(token);
        return true;
    case RtfWord::TabStop:
        addTabStop(p, qMax(0, length(token)));
        return true;
    case RtfWord::InTable:
        state.inTable = true;
        return true;
    case RtfWord::TableLevel:
        state.inTable = token.parameter > 0;
        return true;
    default:
        return false;
    }
}

void RtfPropertyWords::addTabStop(RtfParagraphFormat& paragraph, int position)
{
    QList<int>& stops = paragraph.tabStops;
    const auto it = std::lower_bound(stops.begin(), stops.end(), position);
    if ((it != stops.end() && *it == position) || stops.size() >= RtfLimits::maxTabStops)
        return;
    stops.insert(it, position);
}

} // namespace vastrel::texts
