#pragma once

#include "RtfBodyWriter.h"
#include "RtfCodePages.h"
#include "RtfColorTable.h"
#include "RtfControlWords.h"
#include "RtfDocument.h"
#include "RtfFields.h"
#include "RtfFontTable.h"
#include "RtfGroupState.h"
#include "RtfPictureReader.h"
#include "RtfTextDecoder.h"
#include "RtfTokenizer.h"

#include <QList>
#include <QStringView>

namespace vastrel::texts {

// Reads RTF units (see RtfInput) into the document model. The group stack is
// an explicit list, so nesting costs no native stack; depth, sizes and counts
// are bounded by RtfLimits.
class RtfParser
{
public:
    explicit RtfParser(QStringView units);
    RtfDocument parse();

private:
    RtfGroupState& state() { return m_stack.last(); }
    bool isSkipped() const;
    void startGroup();
    bool endGroup();
    bool consumeFallback();
    void resetBetweenGroups();

    void onWord(const RtfToken& token);
    void onSymbol(char16_t symbol);
    void onText(QStringView text);
    void onByte(quint8 byte);

    void onDestination(RtfDestinationWord word);
    void showFieldResult();
    void startPicture();
    void finishPicture();
    bool onCharacterWord(const RtfControlWord& entry, const RtfToken& token);
    void onBodyWord(const RtfControlWord& entry, const RtfToken& token);

    const RtfFont* currentFont() const;
    void flushBytes();
    void appendUnicode(qint32 value);
    void emitText(QStringView text);
    void flushSurrogate();
    void routeText(QStringView text);
    void writeBody(QStringView text);
    RtfCharFormat bodyFormat() const;

    RtfTokenizer m_tokens;
    QList<RtfGroupState> m_stack;
    int m_overflow = 0;     // groups opened past the depth limit
    int m_fallback = 0;     // \uc units still to drop after \u
    bool m_starred = false; // \* seen: the next word names an ignorable destination
    int m_codePage = RtfCodePages::windows1252;
    int m_defaultFont = 0;
    QList<int> m_cellEdges;
    RtfFields m_fields;
    RtfFontTable m_fonts;
    RtfColorTable m_colors;
    RtfPictureReader m_picture;
    RtfTextDecoder m_text;
    RtfBodyWriter m_body;
};

} // namespace vastrel::texts
