#pragma once

#include "RtfDocument.h"

#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextTableFormat>

namespace vastrel::texts {

// The Qt formats that stand for the model's formats. Twips become the
// document's pixels at 96 per inch; automatic colours leave the brush unset.
// Sizes and distances are multiplied by a scale, for a document shown larger or
// smaller than written.
class RtfTextFormats
{
public:
    static QTextCharFormat character(const RtfCharFormat& format, qreal scale = 1);
    static QTextBlockFormat block(const RtfParagraphFormat& format, qreal scale = 1);
    static QTextTableFormat table(const RtfTable& table, int columns, qreal scale = 1);
    static qreal pixels(int twips, qreal scale = 1);
};

} // namespace vastrel::texts
