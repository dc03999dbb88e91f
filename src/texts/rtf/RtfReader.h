#pragma once

#include "RtfDocument.h"

#include <QByteArrayView>
#include <QStringView>

namespace vastrel::texts {

// The program's RTF reader: decides whether content is an RTF document and
// reads it into the document model (RtfDocumentBuilder shows the model).
class RtfReader
{
public:
    // After an optional byte order mark and white space the content begins
    // with "{\rtf", and it is not larger than the reader takes.
    static bool isRtf(QStringView text);
    // Text as the program reads files: characters below U+0100 are the bytes
    // of the stream (Windows-1252 decoding is undone), later ones are text.
    // Content that is not RTF comes back as plain paragraphs.
    static RtfDocument parse(QStringView text);
    static RtfDocument parse(QByteArrayView bytes);

private:
    static RtfDocument parseUnits(QStringView units);
    static RtfDocument plainText(QStringView text);
};

} // namespace vastrel::texts
