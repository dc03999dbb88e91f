#pragma once

#include <QList>
#include <QString>

class QTextDocument;

namespace vastrel::texts {

// The plain text of a rich document as the user copies and searches it: the
// cells of a row apart by a tab, rows and paragraphs by "\n", without the
// document's own frame marks or its pictures. Positions convert both ways
// between this text and the document.
class RtfPlainText
{
public:
    RtfPlainText() = default;
    explicit RtfPlainText(const QTextDocument& document);

    const QString& text() const { return m_text; }
    // A position of the text to the document's, and back; a document position
    // without a character here gives the position of the next one.
    int toDocument(int position) const;
    int fromDocument(int position) const;

private:
    void appendSeparator(char16_t mark, bool laterCell, int position);
    void drop(int position) { m_dropped.append(position); }

    QString m_text;
    QList<int> m_dropped; // document positions with no character here, ascending
};

} // namespace vastrel::texts
