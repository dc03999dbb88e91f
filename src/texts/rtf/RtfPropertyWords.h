#pragma once

#include "RtfColorTable.h"
#include "RtfControlWords.h"
#include "RtfGroupState.h"
#include "RtfToken.h"

namespace vastrel::texts {

// Applies the character and paragraph formatting words to a group's state,
// with every value clamped to a range the layout can show.
class RtfPropertyWords
{
public:
    // False when the word is not a formatting word.
    static bool apply(RtfGroupState& state, const RtfControlWord& entry, const RtfToken& token,
                      const RtfColorTable& colors);

private:
    static bool applyCharacter(RtfGroupState& state, const RtfControlWord& entry,
                               const RtfToken& token, const RtfColorTable& colors);
    static bool applyParagraph(RtfGroupState& state, const RtfControlWord& entry,
                               const RtfToken& token);
    static void addTabStop(RtfParagraphFormat& paragraph, int position);
};

} // namespace vastrel::texts
