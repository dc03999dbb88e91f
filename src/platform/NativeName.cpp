#include "NativeName.h"

#include <QStringDecoder>
#include <algorithm>

namespace vastrel::platform {

namespace {

constexpr char16_t kEscapeBase = 0xDC00;

// Length of the valid UTF-8 sequence starting at s[i], or 0 when it is not valid.
qsizetype validSequenceLength(QByteArrayView s, qsizetype i)
{
    const auto b0 = static_cast<unsigned char>(s[i]);
    if (b0 < 0x80)
        return 1;
    qsizetype len = 0;
    char32_t cp = 0;
    char32_t min = 0;
    if ((b0 & 0xE0) == 0xC0) {
        len = 2, cp = b0 & 0x1F, min = 0x80;
    } else if ((b0 & 0xF0) == 0xE0) {
        len = 3, cp = b0 & 0x0F, min = 0x800;
    } else if ((b0 & 0xF8) == 0xF0) {
        len = 4, cp = b0 & 0x07, min = 0x10000;
    } else {
        return 0;
    }
    if (i + len > s.size())
        return 0;
    for (qsizetype k = 1; k < len; ++k) {
        const auto b = static_cast<unsigned char>(s[i + k]);
        if ((b & 0xC0) != 0x80)
            return 0;
        cp = (cp << 6) | (b & 0x3F);
    }
    if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        return 0;
    return len;
}

// A run of valid UTF-8 as text. A BOM is a character of the name like any other: Qt's own
// conversion would drop it at the start of a run, and the name would no longer give back its
// bytes.
QString fromUtf8(QByteArrayView run)
{
    QStringDecoder utf8(QStringDecoder::Utf8,
                        QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
    return utf8.decode(run);
}

} // namespace

QString NativeName::decode(QByteArrayView bytes)
{
    if (std::all_of(bytes.begin(), bytes.end(), [](char c) { return (c & 0x80) == 0; }))
        return QString::fromLatin1(bytes);
    QString out;
    out.reserve(bytes.size());
    qsizetype runStart = 0;
    qsizetype i = 0;
    while (i < bytes.size()) {
        const qsizetype len = validSequenceLength(bytes, i);
        if (len > 0) {
            i += len;
            continue;
        }
        out.append(fromUtf8(bytes.sliced(runStart, i - runStart)));
        out.append(QChar(char16_t(kEscapeBase + static_cast<unsigned char>(bytes[i]))));
        runStart = ++i;
    }
    out.append(fromUtf8(bytes.sliced(runStart)));
    return out;
}

QByteArray NativeName::encode(QStringView name)
{
    // Most names hold no escaped byte: one conversion then.
    if (std::none_of(name.begin(), name.end(), [](QChar c) {
            return c.unicode() >= kEscapeBase + 0x80 && c.unicode() <= kEscapeBase + 0xFF;
        }))
        return name.toUtf8();
    QByteArray out;
    out.reserve(name.size());
    qsizetype start = 0;
    for (qsizetype i = 0; i < name.size(); ++i) {
        const char16_t c = name[i].unicode();
        // The low half of a character beyond U+FFFF can fall in the same range; only a
        // lone one is an escaped byte.
        const bool escaped = c >= kEscapeBase + 0x80 && c <= kEscapeBase + 0xFF &&
                             !(i > 0 && name[i - 1].isHighSurrogate());
        if (!escaped)
            continue;
        out.append(name.sliced(start, i - start).toUtf8());
        out.append(char(c - kEscapeBase));
        start = i + 1;
    }
    out.append(name.sliced(start).toUtf8());
    return out;
}

} // namespace vastrel::platform
