#pragma once

#include "RtfDocument.h"

#include <QList>
#include <QStringView>

namespace vastrel::texts {

// Gathers the text of the document body into runs, paragraphs and tables. A
// paragraph takes the paragraph format in force when it ends, as in RTF.
class RtfBodyWriter
{
public:
    void appendText(QStringView text, const RtfCharFormat& format);
    // Past the limits of runs or pictures a picture is left out.
    void appendPicture(RtfPicture picture, const RtfCharFormat& format);
    void endParagraph(const RtfParagraphFormat& format, bool inTable);
    void endCell(const RtfParagraphFormat& format);
    void endRow(const RtfParagraphFormat& format, const QList<int>& rightEdges);
    RtfDocument finish(const RtfParagraphFormat& format, bool inTable);

private:
    // Past the paragraph limit breaks keep the text apart without new blocks.
    bool isFull() const;
    RtfCharFormat lastFormat() const;
    void commitParagraph(const RtfParagraphFormat& format, bool inTable);
    void commitCell(const RtfParagraphFormat& format);
    void commitRow(const RtfParagraphFormat& format, const QList<int>& rightEdges);
    void closeTable();
    void appendRow(RtfTableRow row);

    QList<RtfRun> m_runs; // of the paragraph being read
    QList<RtfParagraph> m_cellParagraphs;
    QList<RtfTableCell> m_cells;
    bool m_tableOpen = false;
    int m_runCount = 0;
    int m_paragraphCount = 0;
    RtfDocument m_document;
};

} // namespace vastrel::texts
