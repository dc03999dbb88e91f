#include "TextCase.h"

namespace vastrel::platform {

char16_t TextCase::upperNonAscii(char16_t c)
{
    if (QChar::isSurrogate(c))
        return c;
    const char32_t u = QChar::toUpper(char32_t(c));
    return u > 0xFFFF ? c : char16_t(u);
}

int TextCase::compareListingOrder(QStringView a, QStringView b)
{
    const qsizetype n = std::min(a.size(), b.size());
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t x = upperChar(a[i].unicode()), y = upperChar(b[i].unicode());
        if (x != y)
            return x < y ? -1 : 1;
    }
    if (a.size() != b.size())
        return a.size() < b.size() ? -1 : 1;
    return a.compare(b);
}

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
