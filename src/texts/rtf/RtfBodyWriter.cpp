#include "RtfBodyWriter.h"

#include "RtfLimits.h"

#include <algorithm>
#include <iterator>

namespace vastrel::texts {

namespace {

// Control characters other than the tab, noncharacters and the object mark are
// no text a viewer could show; the rich view keeps some of them as its own marks.
bool isNoText(QChar c)
{
    const char16_t u = c.unicode();
    return (u < 0x20 && u != u'\t') || (u >= 0xFDD0 && u <= 0xFDEF) || u == 0xFFFC || u >= 0xFFFE;
}

} // namespace

void RtfBodyWriter::appendText(QStringView text, const RtfCharFormat& format)
{
    if (std::any_of(text.begin(), text.end(), isNoText)) {
        QString clean;
        std::copy_if(text.begin(), text.end(), std::back_inserter(clean),
                     [](QChar c) { return !isNoText(c); });
        appendText(clean, format);
        return;
    }
    if (text.isEmpty())
        return;
    // Past the limit a format change no longer starts a run, so that a file of
    // tiny runs cannot make the model large.
    if (!m_runs.isEmpty() && ((m_runs.last().format == format && m_runs.last().picture < 0) ||
                              m_runCount >= RtfLimits::maxRuns)) {
        m_runs.last().text.append(text);
        return;
    }
    m_runs.append(RtfRun{text.toString(), format});
    ++m_runCount;
}

void RtfBodyWriter::appendPicture(RtfPicture picture, const RtfCharFormat& format)
{
    if (m_runCount >= RtfLimits::maxRuns || m_document.pictures.size() >= RtfLimits::maxPictures)
        return;
    m_runs.append(RtfRun{QString(), format, int(m_document.pictures.size())});
    m_document.pictures.append(std::move(picture));
    ++m_runCount;
}

bool RtfBodyWriter::isFull() const
{
    return m_paragraphCount >= RtfLimits::maxParagraphs;
}

RtfCharFormat RtfBodyWriter::lastFormat() const
{
    return m_runs.isEmpty() ? RtfCharFormat() : m_runs.last().format;
}

void RtfBodyWriter::endParagraph(const RtfParagraphFormat& format, bool inTable)
{
    if (isFull())
        appendText(u"\u2028", lastFormat());
    else
        commitParagraph(format, inTable);
}

void RtfBodyWriter::endCell(const RtfParagraphFormat& format)
{
    if (isFull())
        appendText(u"\t", lastFormat());
    else
        commitCell(format);
}

void RtfBodyWriter::endRow(const RtfParagraphFormat& format, const QList<int>& rightEdges)
{
    if (isFull())
        appendText(u"\u2028", lastFormat());
    else
        commitRow(format, rightEdges);
}

void RtfBodyWriter::commitParagraph(const RtfParagraphFormat& format, bool inTable)
{
    ++m_paragraphCount;
    RtfParagraph paragraph{format, std::move(m_runs)};
    m_runs.clear();
    if (inTable) {
        m_cellParagraphs.append(std::move(paragraph));
        return;
    }
    closeTable();
    m_document.blocks.append(std::move(paragraph));
}

void RtfBodyWriter::commitCell(const RtfParagraphFormat& format)
{
    // Some writers end a cell's last paragraph with \par before \cell: that
    // leaves nothing to add, and an empty paragraph would show as a blank line.
    if (!m_runs.isEmpty() || m_cellParagraphs.isEmpty())
        commitParagraph(format, true);
    if (m_cells.size() >= RtfLimits::maxCellsPerRow)
        m_cells.last().paragraphs.append(m_cellParagraphs);
    else
        m_cells.append(RtfTableCell{0, m_cellParagraphs});
    m_cellParagraphs.clear();
}

void RtfBodyWriter::commitRow(const RtfParagraphFormat& format, const QList<int>& rightEdges)
{
    if (!m_runs.isEmpty() || !m_cellParagraphs.isEmpty())
        commitCell(format); // text after the last \cell keeps a cell of its own
    if (m_cells.isEmpty())
        return;
    for (qsizetype i = 0; i < m_cells.size() && i < rightEdges.size(); ++i)
        m_cells[i].rightEdge = rightEdges[i];
    appendRow(RtfTableRow{std::move(m_cells)});
    m_cells.clear();
}

void RtfBodyWriter::appendRow(RtfTableRow row)
{
    if (m_tableOpen && !m_document.blocks.isEmpty()) {
        if (auto* table = std::get_if<RtfTable>(&m_document.blocks.last())) {
            table->rows.append(std::move(row));
            return;
        }
    }
    m_document.blocks.append(RtfTable{{std::move(row)}});
    m_tableOpen = true;
}

void RtfBodyWriter::closeTable()
{
    // Cells that no \row closed still make a row, so that their text shows.
    if (!m_cellParagraphs.isEmpty() || !m_cells.isEmpty())
        commitRow(RtfParagraphFormat(), {});
    m_tableOpen = false;
}

RtfDocument RtfBodyWriter::finish(const RtfParagraphFormat& format, bool inTable)
{
    if (!m_runs.isEmpty())
        commitParagraph(format, inTable);
    closeTable();
    return std::move(m_document);
}

} // namespace vastrel::texts
