#pragma once

#include "RtfDocument.h"

#include <QByteArrayView>
#include <QStringView>

namespace vastrel::texts {

// The program's RTF reader: decides whether content is an RTF document and
// reads it into the document model (RtfDocumentBuilder shows the model).
//
// Shown as written: character and paragraph formats, colours, fonts, code
// pages, Unicode, links, list markers (as the text the writer put before each
// item), table cells, PNG and JPEG pictures in the text. Approximated: tables
// get their column widths and thin borders but not the writer's borders,
// shading or row heights; nested tables become paragraphs of the outer cell;
// numbering that a writer leaves to its list table without marker text shows
// no numbers; styles apply only as the formats writers repeat in the text.
// Left out: pictures in other formats or in shapes, embedded objects (their
// results show), footnotes, headers and footers, hidden text.
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
