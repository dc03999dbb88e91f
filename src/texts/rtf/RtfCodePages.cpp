#include "RtfCodePages.h"

#include "RtfLimits.h"
#include "platform/TextDecoder.h"

namespace vastrel::texts {

namespace {

struct CharsetCodePage
{
    int charset;
    int codePage;
};

// ANSI (0) names Windows-1252 itself; DEFAULT (1) and unknown sets leave the
// document's code page. 77 to 89 are the Mac sets (82, the old Mac Johab, has no
// code page).
constexpr CharsetCodePage kCharsets[] = {
    {0, 1252},   {77, 10000}, {78, 10001}, {79, 10003}, {80, 10008}, {81, 10002},
    {83, 10005}, {84, 10004}, {85, 10006}, {86, 10081}, {87, 10021}, {88, 10029},
    {89, 10007}, {128, 932},  {129, 949},  {130, 1361}, {134, 936},  {136, 950},
    {161, 1253}, {162, 1254}, {163, 1258}, {177, 1255}, {178, 1256}, {186, 1257},
    {204, 1251}, {222, 874},  {238, 1250}, {254, 437},  {255, 850},
};

struct CodePageName
{
    int codePage;
    const char* name;
};

// Code pages whose decoder has a name of its own. The conversion library has no Mac
// variant of the East Asian, Hebrew, Arabic and Thai code pages: a code page with the
// same letters in the same places reads them.
constexpr CodePageName kNamedCodePages[] = {
    {10000, "macintosh"},  {10001, "Shift_JIS"},  {10002, "Big5"},        {10003, "EUC-KR"},
    {10004, "ISO-8859-6"}, {10005, "ISO-8859-8"}, {10006, "x-mac-greek"}, {10007, "x-mac-cyrillic"},
    {10008, "GBK"},        {10021, "TIS-620"},    {10029, "x-mac-ce"},    {10081, "x-mac-turkish"},
    {65001, "UTF-8"},
};

struct SymbolGlyph
{
    quint8 byte;
    char16_t character;
};

// The glyphs of the Symbol font that notes use: Greek letters, arrows, maths
// and the bullet that lists are made of. Other bytes keep their own meaning.
constexpr SymbolGlyph kSymbolFont[] = {
    {0x22, 0x2200}, {0x24, 0x2203}, {0x27, 0x220B}, {0x2A, 0x2217}, {0x2D, 0x2212}, {0x40, 0x2245},
    {0x41, 0x0391}, {0x42, 0x0392}, {0x43, 0x03A7}, {0x44, 0x0394}, {0x45, 0x0395}, {0x46, 0x03A6},
    {0x47, 0x0393}, {0x48, 0x0397}, {0x49, 0x0399}, {0x4A, 0x03D1}, {0x4B, 0x039A}, {0x4C, 0x039B},
    {0x4D, 0x039C}, {0x4E, 0x039D}, {0x4F, 0x039F}, {0x50, 0x03A0}, {0x51, 0x0398}, {0x52, 0x03A1},
    {0x53, 0x03A3}, {0x54, 0x03A4}, {0x55, 0x03A5}, {0x56, 0x03C2}, {0x57, 0x03A9}, {0x58, 0x039E},
    {0x59, 0x03A8}, {0x5A, 0x0396}, {0x5C, 0x2234}, {0x5E, 0x22A5}, {0x61, 0x03B1}, {0x62, 0x03B2},
    {0x63, 0x03C7}, {0x64, 0x03B4}, {0x65, 0x03B5}, {0x66, 0x03C6}, {0x67, 0x03B3}, {0x68, 0x03B7},
    {0x69, 0x03B9}, {0x6A, 0x03D5}, {0x6B, 0x03BA}, {0x6C, 0x03BB}, {0x6D, 0x03BC}, {0x6E, 0x03BD},
    {0x6F, 0x03BF}, {0x70, 0x03C0}, {0x71, 0x03B8}, {0x72, 0x03C1}, {0x73, 0x03C3}, {0x74, 0x03C4},
    {0x75, 0x03C5}, {0x76, 0x03D6}, {0x77, 0x03C9}, {0x78, 0x03BE}, {0x79, 0x03C8}, {0x7A, 0x03B6},
    {0x7E, 0x223C}, {0xA3, 0x2264}, {0xA5, 0x221E}, {0xA7, 0x2663}, {0xA8, 0x2666}, {0xA9, 0x2665},
    {0xAA, 0x2660}, {0xAB, 0x2194}, {0xAC, 0x2190}, {0xAD, 0x2191}, {0xAE, 0x2192}, {0xAF, 0x2193},
    {0xB0, 0x00B0}, {0xB1, 0x00B1}, {0xB3, 0x2265}, {0xB4, 0x00D7}, {0xB7, 0x2022}, {0xB8, 0x00F7},
    {0xB9, 0x2260}, {0xBA, 0x2261}, {0xBB, 0x2248}, {0xBC, 0x2026}, {0xD6, 0x221A}, {0xD7, 0x22C5},
    {0xD8, 0x00AC}, {0xDE, 0x21D2}, {0xE0, 0x25CA},
};

// Wingdings is used almost only for list bullets; what is not listed here
// shows as a plain bullet.
constexpr SymbolGlyph kWingdings[] = {
    {0x46, 0x261E}, {0x4A, 0x263A}, {0x4C, 0x2639}, {0x6C, 0x25CF}, {0x6E, 0x25A0}, {0x6F, 0x25A1},
    {0x71, 0x2751}, {0x75, 0x25C6}, {0x76, 0x2756}, {0x77, 0x2B25}, {0xA7, 0x25AA}, {0xA8, 0x25FB},
    {0xD8, 0x27A2}, {0xFB, 0x2717}, {0xFC, 0x2713}, {0xFE, 0x2611},
};

template <size_t N> char16_t lookUp(const SymbolGlyph (&table)[N], quint8 byte, char16_t otherwise)
{
    for (const SymbolGlyph& glyph : table) {
        if (glyph.byte == byte)
            return glyph.character;
    }
    return otherwise;
}

char16_t windows1252Character(quint8 byte)
{
    if (byte < 0x80 || byte >= 0xA0)
        return byte;
    const char c = char(byte);
    return platform::TextDecoder::decodeWindows1252(QByteArrayView(&c, 1)).at(0).unicode();
}

QByteArray decoderName(int codePage)
{
    for (const CodePageName& named : kNamedCodePages) {
        if (named.codePage == codePage)
            return named.name;
    }
    switch (codePage) {
    // Windows code pages below 1000: Thai and the double-byte ones of East Asia.
    case 874:
    case 932:
    case 936:
    case 949:
    case 950:
        return "windows-" + QByteArray::number(codePage);
    default:
        break;
    }
    if (codePage >= 28591 && codePage <= 28605)
        return "ISO-8859-" + QByteArray::number(codePage - 28590);
    if (codePage < 1000)
        return "IBM" + QByteArray::number(codePage);
    return "windows-" + QByteArray::number(codePage);
}

} // namespace

int RtfCodePages::forCharset(int charset)
{
    for (const CharsetCodePage& entry : kCharsets) {
        if (entry.charset == charset)
            return entry.codePage;
    }
    return 0;
}

char16_t RtfCodePages::symbolCharacter(quint8 byte, RtfSymbolSet set)
{
    const char16_t own = windows1252Character(byte);
    switch (set) {
    case RtfSymbolSet::Symbol:
        return lookUp(kSymbolFont, byte, own);
    case RtfSymbolSet::Wingdings:
        return byte < 0x21 ? own : lookUp(kWingdings, byte, u'\u2022');
    case RtfSymbolSet::None:
        break;
    }
    return own;
}

QString RtfCodePages::decode(QByteArrayView bytes, int codePage, RtfSymbolSet set)
{
    if (set != RtfSymbolSet::None) {
        QString text(bytes.size(), Qt::Uninitialized);
        for (qsizetype i = 0; i < bytes.size(); ++i)
            text[i] = QChar(symbolCharacter(quint8(bytes[i]), set));
        return text;
    }
    if (codePage != windows1252) {
        if (QStringDecoder* d = decoder(codePage))
            return d->decode(bytes);
    }
    return platform::TextDecoder::decodeWindows1252(bytes);
}

QStringDecoder* RtfCodePages::decoder(int codePage)
{
    auto it = m_decoders.find(codePage);
    if (it == m_decoders.end()) {
        // Each new name costs a look-up in the conversion library; a file that
        // names many code pages gets Windows-1252 for the rest.
        if (m_decoders.size() >= size_t(RtfLimits::maxCodePages))
            return nullptr;
        const QByteArray name = decoderName(codePage);
        it = m_decoders
                 .emplace(codePage,
                          QStringDecoder(name.constData(), QStringDecoder::Flag::Stateless))
                 .first;
    }
    return it->second.isValid() ? &it->second : nullptr;
}

} // namespace vastrel::texts
