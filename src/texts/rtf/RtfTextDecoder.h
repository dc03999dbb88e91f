#pragma once

#include "RtfCodePages.h"

#include <QByteArray>
#include <QString>

namespace vastrel::texts {

// Turns the pieces of text an RTF stream gives (bytes in a code page, \uN
// values) into Unicode. Bytes are held until something else arrives, so that
// the two bytes of a double-byte character are decoded together; the high
// half of a \u surrogate pair is held for its low half.
class RtfTextDecoder
{
public:
    void appendByte(char byte) { m_bytes.append(byte); }
    bool hasBytes() const { return !m_bytes.isEmpty(); }
    QString takeBytes(int codePage, RtfSymbolSet symbols);
    // The text a \uN value adds now: empty while half a pair is held.
    QString takeUnicode(qint32 value, RtfSymbolSet fontSymbols);
    // U+FFFD for a high half that no low half followed, else empty.
    QString takeLoneSurrogate();

private:
    QByteArray m_bytes;
    char16_t m_highSurrogate = 0;
    RtfCodePages m_codePages;
};

} // namespace vastrel::texts
