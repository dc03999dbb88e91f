#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace vastrel::texts {

// Lays a text and its side block out side by side in a fixed-pitch pane: the text in a left
// column, the side block in a right column, line by line, long lines wrapped at word
// boundaries inside their column.
class TwoColumns
{
public:
    // At most l characters of a, cut after a word: a is the first l + 1 characters of a line,
    // so a blank in place l + 1 allows a cut after exactly l characters.
    static QString Tronca(QStringView a, qsizetype l);
    // A and B are lines ended by CR LF; the result's lines are ended by CR LF. A last line
    // without a line break is laid out too, and a side block longer than the text is shown
    // whole.
    static QString Affianca(const QString& A, const QString& B, bool narrowScreen);
    // A line wider than width, cut at word boundaries as a wide cell is: continuation lines
    // indented two more than the line's own indentation. A line that fits stays as it is.
    static QStringList wrapLine(const QString& line, qsizetype width);

private:
    static QList<QStringView> lines(QStringView text);
    static QString wrapRow(QString left, QString right, qsizetype W, qsizetype gap);
};

} // namespace vastrel::texts
