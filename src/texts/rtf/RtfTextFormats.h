#pragma once

#include "RtfDocument.h"

#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextTableFormat>

namespace vastrel::texts {

// The Qt formats that stand for the model's formats. Twips become the
// document's pixels at 96 per inch; automatic colours leave the brush unset.
class RtfTextFormats
{
public:
    static QTextCharFormat character(const RtfCharFormat& format);
    static QTextBlockFormat block(const RtfParagraphFormat& format);
    static QTextTableFormat table(const RtfTable& table, int columns);
    static qreal pixels(int twips);
};

} // namespace vastrel::texts
