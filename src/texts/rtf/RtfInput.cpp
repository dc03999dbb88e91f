#include "RtfInput.h"

#include "platform/TextDecoder.h"

#include <array>

namespace vastrel::texts {

namespace {

struct HighByte
{
    char16_t character;
    char16_t byte;
};

// The characters that Windows-1252 decoding gives 0x80..0x9F, taken from the
// decoder itself so that the two directions cannot drift apart.
const std::array<HighByte, 32>& windows1252HighBytes()
{
    static const std::array<HighByte, 32> table = [] {
        std::array<HighByte, 32> out{};
        QByteArray bytes(32, '\0');
        for (int i = 0; i < 32; ++i)
            bytes[i] = char(0x80 + i);
        const QString text = platform::TextDecoder::decodeWindows1252(bytes);
        for (int i = 0; i < 32; ++i)
            out[i] = {text[i].unicode(), char16_t(0x80 + i)};
        return out;
    }();
    return table;
}

char16_t toUnit(char16_t c)
{
    if (c < 0x100)
        return c;
    for (const HighByte& entry : windows1252HighBytes()) {
        if (entry.character == c)
            return entry.byte;
    }
    return c;
}

bool isBlank(char16_t c)
{
    return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n';
}

} // namespace

QString RtfInput::fromText(QStringView text)
{
    QString units(text.size(), Qt::Uninitialized);
    char16_t* out = reinterpret_cast<char16_t*>(units.data());
    const char16_t* in = text.utf16();
    for (qsizetype i = 0; i < text.size(); ++i)
        out[i] = toUnit(in[i]);
    return units;
}

QString RtfInput::fromBytes(QByteArrayView bytes)
{
    return QString::fromLatin1(bytes);
}

qsizetype RtfInput::contentStart(QStringView units)
{
    qsizetype i = 0;
    if (units.startsWith(u'\uFEFF'))
        i = 1;
    else if (units.startsWith(u"\u00EF\u00BB\u00BF")) // the UTF-8 mark read as bytes
        i = 3;
    while (i < units.size() && isBlank(units[i].unicode()))
        ++i;
    return i;
}

bool RtfInput::hasRtfHeader(QStringView units)
{
    return units.sliced(contentStart(units)).startsWith(u"{\\rtf");
}

} // namespace vastrel::texts
