#include "RtfDocumentBuilder.h"

#include "RtfPictures.h"
#include "RtfTextFormats.h"

#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>
#include <QUrl>

namespace vastrel::texts {

void RtfDocumentBuilder::build(const RtfDocument& document, QTextDocument& into, qreal scale)
{
    into.clear();
    RtfPictures::install(into);
    RtfDocumentBuilder builder;
    builder.m_scale = scale;
    builder.m_pictures = &document.pictures;
    QTextCursor cursor(&into);
    cursor.beginEditBlock();
    builder.m_cursor = &cursor;
    for (const RtfBlock& block : document.blocks)
        builder.writeBlock(block);
    cursor.endEditBlock();
}

void RtfDocumentBuilder::writeBlock(const RtfBlock& block)
{
    if (const auto* paragraph = std::get_if<RtfParagraph>(&block))
        writeParagraph(*m_cursor, *paragraph, m_blockUsed);
    else
        writeTable(std::get<RtfTable>(block));
}

void RtfDocumentBuilder::writeParagraph(QTextCursor& cursor, const RtfParagraph& paragraph,
                                        bool& blockUsed)
{
    const QTextBlockFormat format = RtfTextFormats::block(paragraph.format, m_scale);
    // An empty paragraph still takes its size from the text it would have.
    const QTextCharFormat markFormat = RtfTextFormats::character(
        paragraph.runs.isEmpty() ? RtfCharFormat() : paragraph.runs.first().format, m_scale);
    if (blockUsed) {
        cursor.insertBlock(format, markFormat);
    } else {
        // Merged, not set: a table cell keeps its spans in this format.
        cursor.setBlockFormat(format);
        cursor.mergeBlockCharFormat(markFormat);
    }
    blockUsed = true;
    for (const RtfRun& run : paragraph.runs) {
        const QTextCharFormat characters = RtfTextFormats::character(run.format, m_scale);
        if (run.picture >= 0)
            writePicture(cursor, run.picture, characters);
        cursor.insertText(run.text, characters);
    }
}

void RtfDocumentBuilder::writePicture(QTextCursor& cursor, int index, const QTextCharFormat& format)
{
    const RtfPicture& picture = m_pictures->at(index);
    const QImage image = RtfPictures::read(picture, m_pixelBudget);
    if (image.isNull())
        return;
    const QString name = QStringLiteral("rtf-picture:%1").arg(index);
    cursor.document()->addResource(QTextDocument::ImageResource, QUrl(name), image);
    QTextImageFormat shown;
    shown.merge(format);
    shown.setName(name);
    const bool sized = picture.width > 0 && picture.height > 0;
    shown.setWidth(sized ? RtfTextFormats::pixels(picture.width, m_scale)
                         : image.width() * m_scale);
    shown.setHeight(sized ? RtfTextFormats::pixels(picture.height, m_scale)
                          : image.height() * m_scale);
    cursor.insertImage(shown);
}

void RtfDocumentBuilder::writeTable(const RtfTable& table)
{
    int columns = 0;
    for (const RtfTableRow& row : table.rows)
        columns = qMax(columns, int(row.cells.size()));
    if (columns == 0)
        return;
    QTextTable* qtable = m_cursor->insertTable(int(table.rows.size()), columns,
                                               RtfTextFormats::table(table, columns, m_scale));
    for (int r = 0; r < table.rows.size(); ++r) {
        const RtfTableRow& row = table.rows[r];
        const int cells = int(row.cells.size());
        // A row with fewer cells lets its last cell span the rest.
        if (cells > 0 && cells < columns)
            qtable->mergeCells(r, cells - 1, 1, columns - cells + 1);
        for (int c = 0; c < cells; ++c)
            fillCell(*qtable, r, c, row.cells[c]);
    }
    m_cursor->setPosition(qtable->lastPosition() + 1);
    m_blockUsed = false;
}

void RtfDocumentBuilder::fillCell(QTextTable& table, int row, int column, const RtfTableCell& cell)
{
    QTextCursor cursor = table.cellAt(row, column).firstCursorPosition();
    bool blockUsed = false;
    for (const RtfParagraph& paragraph : cell.paragraphs)
        writeParagraph(cursor, paragraph, blockUsed);
}

} // namespace vastrel::texts
