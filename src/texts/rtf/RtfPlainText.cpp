#include "RtfPlainText.h"

#include <QSet>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>
#include <algorithm>

namespace vastrel::texts {

namespace {

constexpr char16_t kFrameStart = 0xFDD0; // also starts each cell of a table
constexpr char16_t kFrameEnd = 0xFDD1;
constexpr char16_t kObject = 0xFFFC; // a picture

// The positions of the marks that start a cell other than the first of its row.
void collectLaterCells(const QTextFrame* frame, QSet<int>& marks)
{
    for (const QTextFrame* child : frame->childFrames()) {
        if (const auto* table = qobject_cast<const QTextTable*>(child)) {
            for (int row = 0; row < table->rows(); ++row) {
                for (int column = 1; column < table->columns(); ++column) {
                    const QTextTableCell cell = table->cellAt(row, column);
                    if (cell.column() == column) // not covered by a cell spanning it
                        marks.insert(cell.firstPosition() - 1);
                }
            }
        }
        collectLaterCells(child, marks);
    }
}

} // namespace

RtfPlainText::RtfPlainText(const QTextDocument& document)
{
    QSet<int> laterCells;
    collectLaterCells(document.rootFrame(), laterCells);
    const int end = document.characterCount() - 1; // the last block's end is no character
    m_text.reserve(end);
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const QString text = block.text();
        const int start = block.position();
        for (int i = 0; i < text.size(); ++i) {
            const char16_t c = text[i].unicode();
            if (c == kObject)
                drop(start + i);
            else
                m_text.append(c == QChar::LineSeparator ? u'\n' : QChar(c));
        }
        const int separator = start + int(text.size());
        if (separator < end) {
            const char16_t mark = document.characterAt(separator).unicode();
            appendSeparator(mark, laterCells.contains(separator), separator);
        }
    }
}

// The mark that opens a table or a row breaks the line, except at the very
// start; a table's end mark ends the line of its last cell unless that ended.
void RtfPlainText::appendSeparator(char16_t mark, bool laterCell, int position)
{
    const bool lineStart = m_text.isEmpty() || m_text.endsWith(u'\n');
    if (mark == kFrameStart && laterCell)
        m_text.append(u'\t');
    else if ((mark == kFrameStart && m_text.isEmpty()) || (mark == kFrameEnd && lineStart))
        drop(position);
    else
        m_text.append(u'\n');
}

int RtfPlainText::toDocument(int position) const
{
    // Before the j-th dropped position stand m_dropped[j] - j characters of the text.
    int low = 0;
    int high = int(m_dropped.size());
    while (low < high) {
        const int middle = (low + high) / 2;
        if (m_dropped[middle] - middle <= position)
            low = middle + 1;
        else
            high = middle;
    }
    return position + low;
}

int RtfPlainText::fromDocument(int position) const
{
    const auto before = std::lower_bound(m_dropped.begin(), m_dropped.end(), position);
    return position - int(before - m_dropped.begin());
}

} // namespace vastrel::texts
