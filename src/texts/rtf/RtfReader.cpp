#include "RtfReader.h"

#include "RtfInput.h"
#include "RtfLimits.h"
#include "RtfParser.h"
#include "platform/TextDecoder.h"

namespace vastrel::texts {

bool RtfReader::isRtf(QStringView text)
{
    return text.size() <= RtfLimits::maxInputSize && RtfInput::hasRtfHeader(text);
}

RtfDocument RtfReader::parse(QStringView text)
{
    if (!isRtf(text))
        return plainText(text);
    return parseUnits(RtfInput::fromText(text));
}

RtfDocument RtfReader::parse(QByteArrayView bytes)
{
    if (bytes.size() > RtfLimits::maxInputSize)
        return plainText(platform::TextDecoder::decode(bytes));
    const QString units = RtfInput::fromBytes(bytes);
    if (!RtfInput::hasRtfHeader(units))
        return plainText(platform::TextDecoder::decode(bytes));
    return parseUnits(units);
}

RtfDocument RtfReader::parseUnits(QStringView units)
{
    return RtfParser(units.sliced(RtfInput::contentStart(units))).parse();
}

RtfDocument RtfReader::plainText(QStringView text)
{
    RtfDocument document;
    qsizetype start = 0;
    while (start <= text.size()) {
        qsizetype end = start;
        while (end < text.size() && text[end] != u'\r' && text[end] != u'\n')
            ++end;
        RtfParagraph paragraph;
        if (end > start)
            paragraph.runs.append(RtfRun{text.sliced(start, end - start).toString(), {}});
        document.blocks.append(std::move(paragraph));
        if (end + 1 < text.size() && text[end] == u'\r' && text[end + 1] == u'\n')
            ++end;
        start = end + 1;
    }
    return document;
}

} // namespace vastrel::texts
