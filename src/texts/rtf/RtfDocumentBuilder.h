#pragma once

#include "RtfDocument.h"
#include "RtfLimits.h"

class QTextCharFormat;
class QTextCursor;
class QTextDocument;
class QTextTable;

namespace vastrel::texts {

// Writes the document model into a QTextDocument through QTextCursor. Automatic
// colours set nothing, so the viewer's palette (light or dark) applies. Pictures
// become images of the document's resources, drawn by RtfPictures. A scale other
// than 1 makes the text, its pictures and its distances larger or smaller.
class RtfDocumentBuilder
{
public:
    static void build(const RtfDocument& document, QTextDocument& into, qreal scale = 1);

private:
    void writeBlock(const RtfBlock& block);
    void writeParagraph(QTextCursor& cursor, const RtfParagraph& paragraph, bool& blockUsed);
    void writePicture(QTextCursor& cursor, int index, const QTextCharFormat& format);
    void writeTable(const RtfTable& table);
    void fillCell(QTextTable& table, int row, int column, const RtfTableCell& cell);

    QTextCursor* m_cursor = nullptr;
    const QList<RtfPicture>* m_pictures = nullptr;
    qint64 m_pixelBudget = RtfLimits::maxPicturePixels;
    bool m_blockUsed = false; // the cursor's block already holds a paragraph
    qreal m_scale = 1;
};

} // namespace vastrel::texts
