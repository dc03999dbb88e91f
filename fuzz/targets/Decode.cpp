// Text files and file names: bytes into text, and names back into the same bytes.
#include "FuzzTargets.h"
#include "platform/NativeName.h"
#include "platform/TextDecoder.h"

#include <QString>
#include <QStringDecoder>

namespace vastrel::fuzz {

namespace {

// An escaped byte is a lone low surrogate of U+DC80 to U+DCFF; the low half of a character
// beyond U+FFFF can have the same value.
bool holdsEscapes(const QString& name)
{
    for (qsizetype i = 0; i < name.size(); ++i) {
        const char16_t c = name[i].unicode();
        if (c >= 0xDC80 && c <= 0xDCFF && !(i > 0 && name[i - 1].isHighSurrogate()))
            return true;
    }
    return false;
}

void checkText(QByteArrayView bytes)
{
    const QString text = platform::TextDecoder::decode(bytes);
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'\n')
            check(i > 0 && text[i - 1] == u'\r', "every line feed follows a CR");
    }
    // UTF-8 when it is valid, else one character per byte (and a CR before each lone LF).
    if (platform::TextDecoder::isValidUtf8(bytes)) {
        const QByteArrayView body = bytes.startsWith("\xEF\xBB\xBF") ? bytes.sliced(3) : bytes;
        check(text == platform::TextDecoder::toCrLf(QString::fromUtf8(body)),
              "valid UTF-8 reads as UTF-8");
    } else {
        qsizetype loneLf = 0;
        for (qsizetype i = 0; i < bytes.size(); ++i)
            loneLf += bytes[i] == '\n' && (i == 0 || bytes[i - 1] != '\r');
        check(text.size() == bytes.size() + loneLf, "Windows-1252 reads one character a byte");
        for (qsizetype i = 0, k = 0; i < bytes.size(); ++i, ++k) {
            if (bytes[i] == '\n' && (i == 0 || bytes[i - 1] != '\r'))
                ++k;
            if (static_cast<unsigned char>(bytes[i]) < 0x80)
                check(text[k].unicode() == static_cast<unsigned char>(bytes[i]),
                      "ASCII bytes read as themselves");
        }
    }
}

void checkName(QByteArrayView bytes)
{
    const QString name = platform::NativeName::decode(bytes);
    check(platform::NativeName::encode(name) == bytes, "a name gives back its bytes");
    const bool escaped = holdsEscapes(name);
    check(escaped != platform::TextDecoder::isValidUtf8(bytes),
          "only names that are not UTF-8 hold escaped bytes");
    // A name is no file: a BOM at its start is one of its characters.
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
    if (!escaped)
        check(name == utf8.decode(bytes), "a UTF-8 name reads as UTF-8");
}

} // namespace

void decode(QByteArrayView data)
{
    checkText(data);
    checkName(data);
}

} // namespace vastrel::fuzz
