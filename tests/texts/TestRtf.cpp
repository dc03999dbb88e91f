#include "texts/rtf/RtfDocumentBuilder.h"
#include "texts/rtf/RtfLimits.h"
#include "texts/rtf/RtfPictures.h"
#include "texts/rtf/RtfReader.h"
#include "ui/TextPane.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QRegularExpression>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>

using namespace vastrel::texts;

namespace {

const char* const kProducers[] = {"pandoc", "libreoffice-html", "libreoffice-odt",
                                  "libreoffice-docx", "abiword"};

// The reader and the builder together, as the text pane uses them.
std::unique_ptr<QTextDocument> render(const QByteArray& rtf)
{
    auto document = std::make_unique<QTextDocument>();
    RtfDocumentBuilder::build(RtfReader::parse(QByteArrayView(rtf)), *document);
    return document;
}

QString textOf(const QByteArray& rtf)
{
    return render(rtf)->toPlainText();
}

QByteArray corpusFile(const QString& name)
{
    QFile file(QStringLiteral(VASTREL_TEST_DATA "/rtf/") + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A picture file of one colour, in "png" or "jpeg".
QByteArray pictureFile(const char* format, QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

QString colorName(const QTextFormat& format, QTextFormat::Property brush)
{
    return format.hasProperty(brush) ? format.brushProperty(brush).color().name()
                                     : QStringLiteral("auto");
}

// A format of the first occurrence of text, by name, so that tables can list formats.
QVariant formatOf(const QTextDocument& document, const QString& text, const QString& name)
{
    const QTextCursor at = document.find(text, 0, QTextDocument::FindCaseSensitively);
    const QTextCharFormat c = at.charFormat();
    const QTextBlockFormat b = at.blockFormat();
    const QTextTable* table = at.currentTable();
    const QMap<QString, QVariant> properties{
        {"bold", c.fontWeight() >= QFont::Bold},
        {"italic", c.fontItalic()},
        {"foreground", colorName(c, QTextFormat::ForegroundBrush)},
        {"link", c.anchorHref()},
        {"hanging", b.textIndent() < 0 && b.leftMargin() > 0},
        {"tabs", b.tabPositions().isEmpty() ? -1.0 : b.tabPositions().first().position},
        {"cell", table ? QStringLiteral("%1,%2")
                             .arg(table->cellAt(at.position()).row())
                             .arg(table->cellAt(at.position()).column())
                       : QStringLiteral("none")},
        {"width", table ? table->format()
                              .columnWidthConstraints()
                              .value(table->cellAt(at.position()).column())
                              .rawValue()
                        : -1.0},
    };
    return at.isNull() ? QVariant(QStringLiteral("no ") + text) : properties.value(name, name);
}

// The lines of a plain text with blanks and tabs folded to one blank, and without empty
// lines: producers differ in spacing, never in words.
QStringList lines(const QString& text)
{
    QStringList out;
    static const QRegularExpression blanks(QStringLiteral("[ \\t]+"));
    for (QString line : text.split(u'\n')) {
        line = line.replace(blanks, QStringLiteral(" ")).trimmed();
        if (!line.isEmpty())
            out.append(line);
    }
    return out;
}

} // namespace

// What notes written by word processors rely on, feature by feature; input that no
// well-behaved writer makes, on which the reader must neither fail nor spend unbounded time
// or memory, and must keep the text it can; and RTF written by real producers from one
// Italian source document (scripts/make-rtf-corpus) and by other word processors.
class TestRtf : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void isRtf()
    {
        QVERIFY(RtfReader::isRtf(u" \r\n\t{\\rtf x}"));
        QVERIFY(RtfReader::isRtf(u"\uFEFF{\\rtf1 x}"));
        QVERIFY(RtfReader::isRtf(u"\u00EF\u00BB\u00BF{\\rtf1}")); // a BOM read as 1252
        QVERIFY(!RtfReader::isRtf(u"x{\\rtf1}"));
        QVERIFY(!RtfReader::isRtf(u"{\\RTF1}"));
        QVERIFY(!RtfReader::isRtf(QStringLiteral("{\\rtf1 ") +
                                  QString(RtfLimits::maxInputSize, u' ') + u'}'));
    }

    void plainText_data()
    {
        QTest::addColumn<QByteArray>("rtf");
        QTest::addColumn<QString>("text");
        auto row = [](const char* name, const QByteArray& rtf, const char* text) {
            QTest::newRow(name) << rtf << QString::fromUtf8(text);
        };
        row("control symbols", "{\\rtf1 a\\\\b\\{c\\}d\\~e\\-f\\_g}", "a\\b{c}d ef\u2011g");
        row("hex escapes in 1252", "{\\rtf1\\ansi citt\\'e0 \\'93s\\'ec\\'94 \\'80}",
            "città “sì” €");
        row("u negative, surrogates joined", "{\\rtf1 \\u-10179?\\u-8704?}", "\U0001F600");
        row("fallback counts escapes and words", "{\\rtf1\\uc3 \\u8364\\'80\\emdash ab}", "€b");
        row("escaped backslash as a second byte", "{\\rtf1\\ansicpg932 \\'83\\\\}", "ソ");
        row("double-byte code pages",
            "{\\rtf1\\ansicpg936{\\fonttbl{\\f1\\fcharset136 A;}{\\f2\\fcharset129 B;}"
            "{\\f3\\fcharset128 C;}}\\'b2\\'e2\\'ca\\'d4 \\f1 \\'b4\\'fa\\'b8\\'d5 "
            "\\f2 \\'c5\\'d7\\'bd\\'ba\\'c6\\'ae \\f3 \\'83\\'65\\'83X\\'83\\'67}",
            "测试 測試 테스트 テスト");
        row("Mac character sets",
            "{\\rtf1\\mac{\\fonttbl{\\f1\\fcharset79 A;}{\\f2\\fcharset80 B;}{\\f3\\fcharset81 C;}"
            "{\\f4\\fcharset85 D;}{\\f5\\fcharset88 E;}{\\f6\\fcharset89 F;}{\\f7\\fcharset86 G;}"
            "{\\f8\\fcharset83 H;}{\\f9\\fcharset84 I;}{\\f10\\fcharset87 J;}}"
            "\\f1 \\'c5\\'d7\\'bd\\'ba\\'c6\\'ae \\f2 \\'b2\\'e2\\'ca\\'d4 "
            "\\f3 \\'b4\\'fa\\'b8\\'d5 \\f4 \\'bf\\'e4\\'dc \\f5 Dvo\\'de\\'87k "
            "\\f6 \\'88\\'e2\\'e0\\'ed \\f7 \\'dfark\\'dd \\f8 \\'f9\\'e9\\'f8 "
            "\\f9 \\'e4\\'cd\\'e6 \\f10 \\'e0\\'be\\'c5\\'a7}",
            "테스트 测试 測試 Ωδή Dvořák Иван şarkı שיר لحن เพลง");
        const QByteArray japanese = "{\\rtf1\\ansi\\ansicpg932{\\fonttbl{\\f0\\fcharset0 "
                                    "Times;}{\\f1\\fcharset128 Mincho;}}";
        row("font charset over the code page", japanese + "\\f0 espa\\'f1ola \\'a1}", "española ¡");
        row("fonts of \\hich and \\dbch",
            japanese + "\\hich\\af0\\dbch\\af1\\loch\\f1 Mis\\hich \\'e9rables\\dbch \\'82\\'a0}",
            "Misérablesあ");
        row("\\af of \\rtlch is no text font",
            japanese + "\\loch\\f1 \\rtlch\\af0\\ltrch \\'82\\'a0}", "あ");
        row("list markers shown",
            "{\\rtf1{\\listtext 1.\\tab}uno\\par{\\pntext -\\tab}due{\\*\\pn{\\pntxtb x}}\\par}",
            "1.\tuno\n-\tdue");
        row("field inside an instruction",
            "{\\rtf1{\\field{\\*\\fldinst IF {\\field{\\*\\fldinst PAGE}{\\fldrslt 1}} = 1 "
            "\"si\"}{\\fldrslt si}}}",
            "si");
        row("a million {", "{\\rtf1 a" + QByteArray(1000000, '{') + "b", "ab");
        row("bin larger than the file", "{\\rtf1 a\\bin2000000000 bcd}", "a");
        row("parameter of 30 digits",
            "{\\rtf1 \\fs" + QByteArray(30, '9') + " x\\u" + QByteArray(30, '9') + "?}", "x\uFFFD");
        // Cells are lines; a cell whose last paragraph ends with \par gets no blank line.
        row("cells", "{\\rtf1 x\\par\\intbl{a\\par}\\cell{b\\par}\\cell\\row\\pard y\\par}",
            "x\na\nb\ny");
    }

    void plainText()
    {
        QFETCH(QByteArray, rtf);
        QFETCH(QString, text);
        QCOMPARE(textOf(rtf), text);
    }

    void formats_data()
    {
        QTest::addColumn<QByteArray>("rtf");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("property");
        QTest::addColumn<QVariant>("value");
        auto row = [](const char* name, const QByteArray& rtf, const char* text,
                      const char* property, const QVariant& value) {
            QTest::newRow(name) << rtf << QString::fromUtf8(text) << property << value;
        };
        const QByteArray fonts =
            "{\\rtf1{\\fonttbl{\\f0 Times;}{\\f7\\fswiss Arial;}{\\f9 Mincho;}}";
        const QByteArray colors =
            "{\\rtf1{\\colortbl;\\red255\\green0\\blue0;\\red0\\green0\\blue255;}";
        const auto link = [](const char* instruction) {
            return "{\\rtf1{\\field{\\*\\fldinst HYPERLINK " + QByteArray(instruction) +
                   "}{\\fldrslt x}}}";
        };
        row("bold off by 0", "{\\rtf1 \\b x\\b0 y}", "y", "bold", false);
        row("hanging indent is a tab stop", "{\\rtf1 \\li720\\fi-360 1.\\tab x\\par}", "x", "tabs",
            24.0);
        const QByteArray table = "{\\rtf1\\trowd\\cellx1440\\cellx2880\\intbl a\\cell b\\cell\\row"
                                 "\\trowd\\cellx1440\\intbl c\\cell\\row\\pard d\\par}";
        row("after the table", table, "d", "cell", "none");
        row("nested table flattened",
            "{\\rtf1\\trowd\\cellx2000\\pard\\intbl a\\par\\itap2 b\\nestcell c\\nestcell"
            "{\\*\\nesttableprops\\trowd\\cellx500\\nestrow}{\\nonesttables\\par}"
            "\\itap1\\cell\\row}",
            "c", "cell", "0,0");
        // Past the depth limit groups are counted but keep the state of the deepest one.
        row("no link to a script", link("\"javascript:alert(1)\""), "x", "link", QString());
        row("depth limit keeps state",
            "{\\rtf1 " + QByteArray(RtfLimits::maxGroupDepth + 10, '{') + "\\b a" +
                QByteArray(RtfLimits::maxGroupDepth + 10, '}') + "b}",
            "b", "bold", false);
        QByteArray manyColours = "{\\rtf1{\\colortbl";
        for (int i = 0; i < 5000; ++i)
            manyColours += "\\red1\\green2\\blue3;";
        row("last colour kept", manyColours + "}\\cf4095 x\\cf4096 y}", "x", "foreground",
            "#010203");
        row("colours past the limit", manyColours + "}\\cf4095 x\\cf4096 y}", "y", "foreground",
            "auto");
    }

    void formats()
    {
        QFETCH(QByteArray, rtf);
        QFETCH(QString, text);
        QFETCH(QString, property);
        QFETCH(QVariant, value);
        const auto document = render(rtf);
        QCOMPARE(formatOf(*document, text, property), value);
    }

    void tableShape()
    {
        const auto document = render("{\\rtf1\\trowd\\cellx1440\\cellx2880 a\\cell "
                                     "b\\cell\\row\\trowd\\cellx1440 c\\cell\\row}");
        const QTextTable* table =
            document->find("a", 0, QTextDocument::FindCaseSensitively).currentTable();
        QVERIFY(table);
        QCOMPARE(table->rows(), 2);
        QCOMPARE(table->cellAt(1, 0).columnSpan(), 2); // a short row's last cell spans the rest
        QCOMPARE(table->format().columnWidthConstraints().value(1).rawValue(), 96.0);
    }

    // Past the limits text keeps flowing into the last paragraph and run: nothing is lost.
    void manyParagraphsAndRuns()
    {
        QByteArray rtf = "{\\rtf1 ";
        const int paragraphs = RtfLimits::maxParagraphs + 5;
        for (int i = 0; i < paragraphs; ++i)
            rtf += "\\b a\\b0 b\\i c\\i0\\par ";
        const RtfDocument document = RtfReader::parse(rtf + "}");
        QCOMPARE(document.blocks.size(), RtfLimits::maxParagraphs + 1);
        qsizetype characters = 0;
        for (const RtfBlock& block : document.blocks) {
            for (const RtfRun& run : std::get<RtfParagraph>(block).runs)
                characters += run.text.size();
        }
        QCOMPARE(characters, paragraphs * 3 + 5); // five breaks became line separators
    }
    // Select all and copy in the text pane, and each letter of that text selected alone.
    void copiedText_data()
    {
        QTest::addColumn<QByteArray>("rtf");
        QTest::addColumn<QString>("text");
        QTest::newRow("table") << QByteArray(
                                      "{\\rtf1 x\\par\\trowd\\cellx900\\cellx1800\\intbl a\\cell "
                                      "b\\line c\\cell\\row\\intbl d\\cell\\cell\\row\\pard y}")
                               << "x\na\tb\nc\nd\t\ny";
        QTest::newRow("nested table first, as Word writes it")
            << QByteArray(
                   "{\\rtf1\\ansi\\ansicpg1251\\trowd\\cellx2000\\cellx4000\\pard\\intbl "
                   "a\\par\\pard\\intbl\\itap2 {\\'c8\\'e2\\'e0\\'ed}{\\nestcell{\\nonesttables"
                   "\\par}}\\pard\\intbl\\itap2 {\\'cf\\'b8\\'f2\\'f0}{\\nestcell{\\nonesttables"
                   "\\par}}\\pard\\intbl\\itap2 {{\\*\\nesttableprops\\trowd\\cellx900\\cellx1800"
                   "\\nestrow}{\\nonesttables\\par}}\\pard\\intbl {\\cell}{b\\cell}\\row\\pard y}")
            << "a\nИван\nПётр\tb\ny";
        QTest::newRow("picture") << "{\\rtf1 a{\\pict\\pngblip " +
                                        pictureFile("png", {2, 2}).toHex() + "}b}"
                                 << "ab";
    }

    void copiedText()
    {
        QFETCH(QByteArray, rtf);
        QFETCH(QString, text);
        vastrel::ui::TextPane pane(nullptr);
        pane.setContent(QString::fromLatin1(rtf));
        pane.setSelection(0, int(pane.plainText().size()));
        QCOMPARE(pane.selectedText(), text);
        for (int i = 0; i < text.size(); ++i) {
            if (text[i] == u'\n' || text[i] == u'\t')
                continue; // a selection over a cell's edge takes whole cells
            pane.setSelection(i, 1);
            QCOMPARE(pane.selectionStart(), i);
            QCOMPARE(pane.selectedText(), text.mid(i, 1));
        }
    }

    // Each row: how many pictures show, and the size of the last in a view 200 pixels wide.
    void pictures_data()
    {
        QTest::addColumn<QByteArray>("rtf");
        QTest::addColumn<int>("count");
        QTest::addColumn<QSizeF>("size");
        const QByteArray png = pictureFile("png", {20, 10}).toHex();
        QTest::newRow("png at its goal size and scale")
            << "{\\rtf1 a{\\*\\shppict{\\pict\\picwgoal1200\\pichgoal600\\picscalex50\\picscaley50"
               "\\pngblip " +
                   png + "}}{\\nonshppict{\\pict\\wmetafile8 0100}}b}"
            << 1 << QSizeF(40, 20);
        QTest::newRow("jpeg scaled down to the width")
            << "{\\rtf1{\\pict\\jpegblip " + pictureFile("jpeg", {400, 100}).toHex() + "}}" << 1
            << QSizeF(192, 48); // 200 less the document's margins
        QTest::newRow("other formats")
            << "{\\rtf1{\\pict\\wmetafile8 " + png + "}{\\pict\\emfblip " + png + "}}" << 0
            << QSizeF();
        QTest::newRow("no png") << QByteArray("{\\rtf1{\\pict\\pngblip 0123456789abcdef}}") << 0
                                << QSizeF();
        QTest::newRow("hidden") << "{\\rtf1{\\v{\\pict\\pngblip " + png + "}}}" << 0 << QSizeF();
    }

    void pictures()
    {
        QFETCH(QByteArray, rtf);
        QFETCH(int, count);
        QFETCH(QSizeF, size);
        const auto document = render(rtf);
        document->setTextWidth(200);
        QTextObjectInterface* handler =
            document->documentLayout()->handlerForObject(QTextFormat::ImageObject);
        int shown = 0;
        QSizeF last;
        for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
            for (auto it = block.begin(); !it.atEnd(); ++it) {
                const QTextFragment fragment = it.fragment();
                if (fragment.charFormat().isImageFormat()) {
                    ++shown;
                    last = handler->intrinsicSize(document.get(), fragment.position(),
                                                  fragment.charFormat());
                }
            }
        }
        QCOMPARE(shown, count);
        QCOMPARE(last, size);
    }

    // A picture is read scaled down to the largest side, and only within the pixel budget.
    void pictureBounds()
    {
        const RtfPicture small{RtfPicture::Kind::Png, pictureFile("png", {20, 10})};
        qint64 budget = 199;
        QVERIFY(RtfPictures::read(small, budget).isNull());
        budget = 200;
        QCOMPARE(RtfPictures::read(small, budget).size(), QSize(20, 10));
        QCOMPARE(budget, 0);
        budget = RtfLimits::maxPicturePixels;
        const RtfPicture wide{RtfPicture::Kind::Jpeg, pictureFile("jpeg", {4096, 16})};
        QCOMPARE(RtfPictures::read(wide, budget).size(), QSize(RtfLimits::maxPictureSide, 8));
    }

    void producers_data()
    {
        QTest::addColumn<QString>("file");
        for (const char* name : kProducers)
            QTest::newRow(name) << QString::fromLatin1(name) + ".rtf";
    }

    void producers()
    {
        QFETCH(QString, file);
        QStringList expected = lines(QString::fromUtf8(corpusFile("diario.txt")));
        QVERIFY(!expected.isEmpty());
        if (file == u"abiword.rtf") { // it writes the list items without their marker
            static const QRegularExpression marker(QStringLiteral("^(•|\\d\\.) "));
            expected.replaceInStrings(marker, QString());
        }
        QCOMPARE(lines(textOf(corpusFile(file))), expected);
    }

    void handWritten_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("text");
        QTest::newRow("wordpad")
            << "wordpad.rtf"
            << "Scaletta del concerto\nStasera si comincia alle nove: prima le "
               "ballate, poi il resto. Città, perché, giù.\n•\tAccordare la "
               "chitarra\n•\tProvare il microfono: 8 Ω\nBiglietti a 15 €";
        QTest::newRow("word")
            << "word.rtf"
            << "Prove in sala\nIl gruppo prova il martedì e il giovedì; la sala "
               "costa 20 € all’ora. Tempo: 3′→ prossima prova.\n•\tPortare le corde "
               "di ricambio\n•\tScrivere la scaletta\nGiorno\nBrani\nMartedì\nAlba\n"
               "Sera\nNotte\nIl programma è sul sito.";
        // Its pictures show as the object character of the rich text.
        QTest::newRow("word-932") << "word-932.rtf"
                                  << "Les Misérables, española, ¡sí!\nテスト测试\nOspiti\nИван\n"
                                     "Пётр\nSala B\nFoto: \uFFFC\uFFFC";
        QTest::newRow("textedit-mac") << "textedit-mac.rtf"
                                      << "シンセサイザー\nSintetizzatore e chitarra, caffé.\n音楽";
        QTest::newRow("generator-1251") << "generator-1251.rtf"
                                        << "Elenco ospiti\nSala A\nИван\nПётр\nОльга\nМария\nFine";
        QTest::newRow("textedit")
            << "textedit.rtf"
            << "Appunti per il disco\nLe canzoni nuove sono sei; la più lunga "
               "dura 7′.\n“Luna di Ferragosto” è quasi pronta → manca il "
               "finale.\nTitolo\tDurata\nAlba\t3:10";
    }

    void handWritten()
    {
        QFETCH(QString, file);
        QFETCH(QString, text);
        QCOMPARE(textOf(corpusFile(file)), text);
    }

    void keyFormats_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("property");
        QTest::addColumn<QVariant>("value");
        auto row = [](const QString& file, const char* text, const char* property,
                      const QVariant& value) {
            QTest::addRow("%s: %s %s", qPrintable(file), text, property)
                << file + ".rtf" << QString::fromUtf8(text) << property << value;
        };
        for (const char* name : kProducers) {
            const QString file = QString::fromLatin1(name);
            row(file, "impressioni", "bold", true);
            row(file, "ricordi", "italic", true);
            row(file, "Vento di marzo", "cell", "1,1");
            row(file, "note@example.org", "link", "mailto:note@example.org");
            if (file != u"pandoc") // it drops colours
                row(file, "rossa", "foreground", "#c0392b");
        }
        row("word", "sito", "link", "https://example.org/prove");
        // The nested rows' properties leave the outer table as it is.
        row("generator-1251", "Мария", "cell", "0,1");
        row("generator-1251", "Мария", "width", 200.0);
    }

    void keyFormats()
    {
        QFETCH(QString, file);
        QFETCH(QString, text);
        QFETCH(QString, property);
        QFETCH(QVariant, value);
        QCOMPARE(formatOf(*render(corpusFile(file)), text, property), value);
    }
};

QTEST_MAIN(TestRtf)
#include "TestRtf.moc"
