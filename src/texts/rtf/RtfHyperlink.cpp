#include "RtfHyperlink.h"

namespace vastrel::texts {

namespace {

// Switches of the HYPERLINK field that take an argument of their own.
bool takesArgument(QChar letter)
{
    const char16_t c = letter.toLower().unicode();
    return c == u'l' || c == u'o' || c == u't';
}

// One argument, quoted or not, with the backslash escapes of field codes undone.
QString readArgument(QStringView text, qsizetype& pos)
{
    QString out;
    const bool quoted = text[pos] == u'"';
    if (quoted)
        ++pos;
    while (pos < text.size()) {
        const QChar c = text[pos];
        if (quoted ? c == u'"' : c.isSpace())
            break;
        if (c == u'\\' && pos + 1 < text.size() && text[pos + 1] == u'\\')
            ++pos;
        out.append(text[pos++]);
    }
    ++pos; // the closing quote or blank
    return out;
}

} // namespace

QString RtfHyperlink::target(QStringView instruction)
{
    const QStringView text = instruction.trimmed();
    static constexpr QStringView kName = u"HYPERLINK";
    if (!text.startsWith(kName, Qt::CaseInsensitive) || text.size() == kName.size() ||
        !text[kName.size()].isSpace())
        return {};
    const QString url = firstArgument(text.sliced(kName.size()));
    return isAllowed(url) ? url : QString();
}

QString RtfHyperlink::firstArgument(QStringView rest)
{
    qsizetype pos = 0;
    while (pos < rest.size()) {
        if (rest[pos].isSpace()) {
            ++pos;
            continue;
        }
        if (rest[pos] == u'\\' && pos + 1 < rest.size()) {
            // A switch; a local anchor (\l) alone is no address to open.
            const bool skipNext = takesArgument(rest[pos + 1]);
            pos += 2;
            while (skipNext && pos < rest.size() && rest[pos].isSpace())
                ++pos;
            if (skipNext && pos < rest.size())
                readArgument(rest, pos);
            continue;
        }
        return readArgument(rest, pos).trimmed();
    }
    return {};
}

bool RtfHyperlink::isAllowed(QStringView url)
{
    return url.startsWith(u"http://", Qt::CaseInsensitive) ||
           url.startsWith(u"https://", Qt::CaseInsensitive) ||
           url.startsWith(u"mailto:", Qt::CaseInsensitive);
}

} // namespace vastrel::texts
