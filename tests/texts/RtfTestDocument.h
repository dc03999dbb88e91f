#pragma once

#include "texts/rtf/RtfDocumentBuilder.h"
#include "texts/rtf/RtfReader.h"

#include <QFile>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>
#include <QVariant>
#include <memory>

// The reader and the builder together, as the text pane uses them, and the
// look-ups the RTF tests share.
namespace rtftest {

inline std::unique_ptr<QTextDocument> render(const QByteArray& rtf)
{
    auto document = std::make_unique<QTextDocument>();
    vastrel::texts::RtfDocumentBuilder::build(vastrel::texts::RtfReader::parse(QByteArrayView(rtf)),
                                              *document);
    return document;
}

inline QString plainText(const QByteArray& rtf)
{
    return render(rtf)->toPlainText();
}

inline QByteArray readData(const QString& path)
{
    QFile file(QStringLiteral(VASTREL_TEST_DATA "/") + path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A cursor selecting the first occurrence of text (null when it is missing).
inline QTextCursor find(const QTextDocument& document, const QString& text)
{
    return document.find(text, 0, QTextDocument::FindCaseSensitively);
}

inline QString colorName(const QTextFormat& format, QTextFormat::Property brush)
{
    return format.hasProperty(brush) ? format.brushProperty(brush).color().name()
                                     : QStringLiteral("auto");
}

// A property of the text's last character, or of its paragraph or table cell,
// by name, so that tests can list formats in data tables.
inline QVariant property(const QTextCursor& at, const QString& name)
{
    const QTextCharFormat c = at.charFormat();
    const QTextBlockFormat b = at.blockFormat();
    const QTextTable* table = at.currentTable();
    if (name == "bold")
        return c.fontWeight() >= QFont::Bold;
    if (name == "italic")
        return c.fontItalic();
    if (name == "underline")
        return int(c.underlineStyle());
    if (name == "strike")
        return c.fontStrikeOut();
    if (name == "position")
        return int(c.verticalAlignment());
    if (name == "capitals")
        return int(c.fontCapitalization());
    if (name == "family")
        return c.fontFamilies().toStringList().value(0);
    if (name == "points")
        return c.fontPointSize();
    if (name == "foreground")
        return colorName(c, QTextFormat::ForegroundBrush);
    if (name == "background")
        return colorName(c, QTextFormat::BackgroundBrush);
    if (name == "link")
        return c.anchorHref();
    if (name == "align")
        return int(b.alignment() & Qt::AlignHorizontal_Mask);
    if (name == "left")
        return b.leftMargin();
    if (name == "indent")
        return b.textIndent();
    if (name == "hanging")
        return b.textIndent() < 0 && b.leftMargin() > 0;
    if (name == "tabs")
        return b.tabPositions().isEmpty() ? -1.0 : b.tabPositions().first().position;
    if (name == "cell") // row,column of the table cell, or "none"
        return table ? QStringLiteral("%1,%2")
                           .arg(table->cellAt(at.position()).row())
                           .arg(table->cellAt(at.position()).column())
                     : QStringLiteral("none");
    return QStringLiteral("unknown property ") + name;
}

} // namespace rtftest
