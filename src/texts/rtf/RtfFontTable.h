#pragma once

#include "RtfCodePages.h"
#include "RtfControlWords.h"
#include "RtfDocument.h"
#include "RtfToken.h"

#include <QHash>
#include <QString>
#include <QStringView>

namespace vastrel::texts {

struct RtfFont
{
    QString name;
    RtfFontKind kind = RtfFontKind::Unknown;
    int codePage = 0; // 0: the document's code page
    RtfSymbolSet symbols = RtfSymbolSet::None;
};

// The \fonttbl destination: entries in braces or one after the other, each
// begun by \fN (numbers may be sparse) and ended by ';'.
class RtfFontTable
{
public:
    void onWord(const RtfControlWord& entry, const RtfToken& token);
    void appendName(QStringView text);
    // The code page of the entry being read, for the bytes of its name.
    int entryCodePage() const;

    const RtfFont* find(int number) const;

private:
    void beginEntry(int number);
    void setCharset(int charset);
    RtfFont* current();
    static void updateSymbols(RtfFont& font, bool symbolCharset);

    QHash<int, RtfFont> m_fonts;
    int m_current = -1;
    bool m_symbolCharset = false;
    bool m_nameDone = false;
};

} // namespace vastrel::texts
