#include "TextCase.h"

namespace vastrel::platform {

namespace {

char16_t upperChar(char16_t c)
{
    if (c < 0x80)
        return (c >= u'a' && c <= u'z') ? char16_t(c - 32) : c;
    if (QChar::isSurrogate(c))
        return c;
    const char32_t u = QChar::toUpper(char32_t(c));
    return u > 0xFFFF ? c : char16_t(u);
}

} // namespace

QString TextCase::upper(QStringView text)
{
    QString out(text.size(), Qt::Uninitialized);
    char16_t* dst = reinterpret_cast<char16_t*>(out.data());
    for (qsizetype i = 0; i < text.size(); ++i)
        dst[i] = upperChar(text[i].unicode());
    return out;
}

bool TextCase::equalIgnoringCase(QStringView a, QStringView b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i) {
        if (upperChar(a[i].unicode()) != upperChar(b[i].unicode()))
            return false;
    }
    return true;
}

bool TextCase::endsWithIgnoringCase(QStringView text, QStringView suffix)
{
    return text.size() >= suffix.size() &&
           equalIgnoringCase(text.sliced(text.size() - suffix.size()), suffix);
}

} // namespace vastrel::platform
