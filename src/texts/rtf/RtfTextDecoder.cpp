#include "RtfTextDecoder.h"

namespace vastrel::texts {

namespace {

// The private-use characters that stand for the glyphs of symbol fonts.
bool isSymbolFontCharacter(char16_t c)
{
    return c >= 0xF020 && c <= 0xF0FF;
}

constexpr char16_t kReplacement = 0xFFFD;

} // namespace

QString RtfTextDecoder::takeBytes(int codePage, RtfSymbolSet symbols)
{
    QString text = m_codePages.decode(m_bytes, codePage, symbols);
    m_bytes.clear();
    return text;
}

QString RtfTextDecoder::takeUnicode(qint32 value, RtfSymbolSet fontSymbols)
{
    // \u takes a signed 16-bit value; writers also give the unsigned one.
    if (value < 0)
        value += 0x10000;
    char16_t c = value >= 0 && value <= 0xFFFF ? char16_t(value) : kReplacement;
    if (isSymbolFontCharacter(c)) {
        const RtfSymbolSet set =
            fontSymbols != RtfSymbolSet::None ? fontSymbols : RtfSymbolSet::Symbol;
        c = RtfCodePages::symbolCharacter(quint8(c & 0xFF), set);
    }
    if (QChar::isHighSurrogate(c)) {
        QString lone = takeLoneSurrogate();
        m_highSurrogate = c;
        return lone;
    }
    if (QChar::isLowSurrogate(c)) {
        if (m_highSurrogate == 0)
            return QString(QChar(kReplacement));
        const char16_t pair[2] = {m_highSurrogate, c};
        m_highSurrogate = 0;
        return QStringView(pair, 2).toString();
    }
    return takeLoneSurrogate() + QChar(c);
}

QString RtfTextDecoder::takeLoneSurrogate()
{
    if (m_highSurrogate == 0)
        return {};
    m_highSurrogate = 0;
    return QString(QChar(kReplacement));
}

} // namespace vastrel::texts
