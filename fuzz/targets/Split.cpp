// A track's text file split into its text and its side block.
#include "FuzzTargets.h"
#include "platform/TextDecoder.h"
#include "texts/TextSplit.h"

namespace vastrel::fuzz {

void split(QByteArrayView data)
{
    const QString content = platform::TextDecoder::decode(data);
    const texts::TextSplit::Parts parts = texts::TextSplit::split(content);
    const QString& separator = texts::TextSplit::separator();
    const qsizetype p = content.indexOf(separator);
    if (p < 0) {
        check(parts.text == content && parts.side.isEmpty(), "no separator: all is text");
        return;
    }
    check(content.startsWith(parts.text), "the text is the file's start");
    check(content.endsWith(parts.side), "the side block is the file's end");
    check(parts.text.size() == std::max<qsizetype>(p - 2, 0),
          "the text stops two characters before the separator");
    check(parts.side.size() == std::max<qsizetype>(content.size() - p - separator.size() - 2, 0),
          "the side block starts after the separator line's end");
    check(!parts.text.contains(separator), "the text holds no separator");
}

} // namespace vastrel::fuzz
