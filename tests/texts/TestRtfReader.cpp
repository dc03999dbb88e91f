#include "RtfTestDocument.h"

#include <QTest>

using vastrel::texts::RtfReader;

// What notes written by word processors rely on, feature by feature: the plain
// text the text pane searches, and the formats it shows.
class TestRtfReader : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void isRtf_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("rtf");
        QTest::newRow("header") << "{\\rtf1\\ansi x}" << true;
        QTest::newRow("no version number") << "{\\rtf x}" << true;
        QTest::newRow("blanks and line ends first") << " \r\n\t{\\rtf1 x}" << true;
        QTest::newRow("byte order mark") << "\uFEFF{\\rtf1 x}" << true;
        QTest::newRow("byte order mark read as Windows-1252")
            << "\u00EF\u00BB\u00BF{\\rtf1}" << true;
        QTest::newRow("plain text") << "Note sulla raccolta" << false;
        QTest::newRow("text before the header") << "x{\\rtf1}" << false;
        QTest::newRow("upper case") << "{\\RTF1}" << false;
        QTest::newRow("brace alone") << "{" << false;
        QTest::newRow("empty") << "" << false;
    }

    void isRtf()
    {
        QFETCH(QString, text);
        QFETCH(bool, rtf);
        QCOMPARE(RtfReader::isRtf(text), rtf);
    }

    void plainText_data()
    {
        QTest::addColumn<QByteArray>("rtf");
        QTest::addColumn<QString>("text");
        // escapes and named characters
        QTest::newRow("control symbols")
            << QByteArray("{\\rtf1 a\\\\b\\{c\\}d\\~e\\-f\\_g}") << "a\\b{c}d ef\u2011g";
        QTest::newRow("hex escapes in Windows-1252")
            << QByteArray("{\\rtf1\\ansi citt\\'e0 \\'93s\\'ec\\'94 \\'80}") << "città “sì” €";
        QTest::newRow("named characters")
            << QByteArray("{\\rtf1 \\emdash\\endash\\bullet\\lquote\\rquote\\ldblquote\\rdblquote}")
            << "—–•‘’“”";
        QTest::newRow("one blank ends a control word")
            << QByteArray("{\\rtf1 \\b a\\b0  b}") << "a b";
        // line ends, paragraphs and breaks
        QTest::newRow("bare CR and LF are ignored")
            << QByteArray("{\\rtf1 un\r\no\nd\rue}") << "unodue";
        QTest::newRow("backslash at a line end is a paragraph")
            << QByteArray("{\\rtf1 uno\\\r\ndue\\\ntre}") << "uno\ndue\ntre";
        QTest::newRow("breaks") << QByteArray("{\\rtf1 a\\par b\\line c\\tab d\\page e\\sect f}")
                                << "a\nb\nc\td\ne\nf";
        QTest::newRow("empty paragraphs stay")
            << QByteArray("{\\rtf1 a\\par\\par b\\par}") << "a\n\nb";
        // Unicode
        QTest::newRow("u with its fallback") << QByteArray("{\\rtf1 \\u8364?x}") << "€x";
        QTest::newRow("u negative, surrogates joined")
            << QByteArray("{\\rtf1 \\u-10179?\\u-8704?}") << "\U0001F600";
        QTest::newRow("u above 32767") << QByteArray("{\\rtf1 \\u55357?\\u56832?}") << "\U0001F600";
        QTest::newRow("lone surrogate") << QByteArray("{\\rtf1 \\u-10179?x}") << "\uFFFDx";
        QTest::newRow("uc2 skips two bytes")
            << QByteArray("{\\rtf1\\uc2 \\u937\\'4f\\'4dx}") << "Ωx";
        QTest::newRow("uc0 skips nothing") << QByteArray("{\\rtf1\\uc0\\u937 x}") << "Ωx";
        QTest::newRow("fallback counts escapes and words")
            << QByteArray("{\\rtf1\\uc3 \\u8364\\'80\\emdash ab}") << "€b";
        QTest::newRow("fallback ends with its group")
            << QByteArray("{\\rtf1\\uc5{\\u8364 ab}cd}") << "€cd";
        QTest::newRow("uc belongs to its group")
            << QByteArray("{\\rtf1{\\uc0 \\u937 }\\u937?x}") << "ΩΩx";
        // code pages
        QTest::newRow("ansicpg") << QByteArray("{\\rtf1\\ansi\\ansicpg1251 \\'cf\\'f0\\'e8}")
                                 << "При";
        QTest::newRow("fcharset chooses the code page")
            << QByteArray(
                   "{\\rtf1{\\fonttbl{\\f0 Arial;}{\\f1\\fcharset161 G;}}\\f1 \\'e1\\f0 \\'e1}")
            << "αá";
        QTest::newRow("double-byte characters decoded whole")
            << QByteArray("{\\rtf1\\ansicpg932 \\'82\\'a0\\'82\\'a2}") << "あい";
        QTest::newRow("escaped backslash as a second byte")
            << QByteArray("{\\rtf1\\ansicpg932 \\'83\\\\}") << "ソ";
        QTest::newRow("mac") << QByteArray("{\\rtf1\\mac \\'8e}") << "é";
        QTest::newRow("Symbol bullet")
            << QByteArray("{\\rtf1{\\fonttbl{\\f1\\fcharset2 Symbol;}}{\\f1 \\'b7}x}") << "•x";
        QTest::newRow("Symbol by name")
            << QByteArray("{\\rtf1{\\fonttbl{\\f1 Symbol;}}\\f1 W\\'b7}") << "Ω•";
        QTest::newRow("Symbol through u")
            << QByteArray("{\\rtf1{\\fonttbl{\\f1\\fcharset2 Symbol;}}\\f1\\u-3913 ?}") << "•";
        QTest::newRow("Wingdings bullet")
            << QByteArray("{\\rtf1{\\fonttbl{\\f2\\fcharset2 Wingdings;}}\\f2 \\'a7}") << "▪";
        // destinations
        QTest::newRow("header tables show nothing")
            << QByteArray("{\\rtf1{\\fonttbl\\f0 Arial;}{\\colortbl;\\red1\\green2\\blue3;}"
                          "{\\stylesheet{\\s1 Titolo;}}testo}")
            << "testo";
        QTest::newRow("info, header, footer, footnote")
            << QByteArray("{\\rtf1{\\info{\\title T}}{\\header H}{\\footerr F}x{\\footnote N}y}")
            << "xy";
        QTest::newRow("unknown starred destination")
            << QByteArray("{\\rtf1 a{\\*\\nuovo b}c}") << "ac";
        QTest::newRow("unknown plain group") << QByteArray("{\\rtf1 a{\\nuovo b}c}") << "abc";
        QTest::newRow("picture with binary data")
            << QByteArray("{\\rtf1 x{\\pict\\bin3 }{\\}y}") << "xy";
        QTest::newRow("object shows its result")
            << QByteArray("{\\rtf1 a{\\object\\objemb{\\*\\objdata 01}{\\result b}}c}") << "abc";
        QTest::newRow("upr shows its Unicode part")
            << QByteArray("{\\rtf1 {\\upr{a}{\\*\\ud{\\u937 ?}}}}") << "Ω";
        QTest::newRow("unstarred Word destinations")
            << QByteArray("{\\rtf1{\\mmathPr\\mmathFont34 m}{\\themedata 00}{\\datastore 01}"
                          "{\\listtable{\\list x}}{\\listoverridetable y}t}")
            << "t";
        QTest::newRow("hidden text") << QByteArray("{\\rtf1 a{\\v b}c\\v d\\v0 e}") << "ace";
        QTest::newRow("list markers shown")
            << QByteArray("{\\rtf1{\\listtext 1.\\tab}uno\\par{\\pntext -\\tab}due"
                          "{\\*\\pn\\pnlvlblt{\\pntxtb x}}{\\pn{\\pntxtb y}}\\par}")
            << "1.\tuno\n-\tdue";
        QTest::newRow("field result")
            << QByteArray("{\\rtf1 {\\field{\\*\\fldinst PAGE}{\\fldrslt 3}}}") << "3";
        QTest::newRow("field inside an instruction")
            << QByteArray(
                   "{\\rtf1{\\field{\\*\\fldinst IF {\\field{\\*\\fldinst PAGE}{\\fldrslt 1}}"
                   " = 1 \"si\"}{\\fldrslt si}}}")
            << "si";
        // the document's frame
        QTest::newRow("text after the final brace") << QByteArray("{\\rtf1 a}b{c}") << "a";
        QTest::newRow("missing final brace") << QByteArray("{\\rtf1 a\\par b") << "a\nb";
        QTest::newRow("byte order mark and blanks")
            << QByteArray("\xEF\xBB\xBF \r\n{\\rtf1 a}") << "a";
    }

    void plainText()
    {
        QFETCH(QByteArray, rtf);
        QFETCH(QString, text);
        QCOMPARE(rtftest::plainText(rtf), text);
    }

    void textFromAFileReadAsText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("plain");
        QTest::newRow("Windows-1252 characters are bytes again")
            << "{\\rtf1\\ansi\\ansicpg1251 \u20AC\u201A \\'e0}"
            << "Ђ‚ а";
        QTest::newRow("characters past U+00FF are literal") << "{\\rtf1 Ω ← \\'e8}"
                                                            << "Ω ← è";
        QTest::newRow("fallback skips a whole literal character") << "{\\rtf1 \\u937\U0001F600x}"
                                                                  << "Ωx";
    }

    void textFromAFileReadAsText()
    {
        QFETCH(QString, text);
        QFETCH(QString, plain);
        QTextDocument document;
        vastrel::texts::RtfDocumentBuilder::build(RtfReader::parse(text), document);
        QCOMPARE(document.toPlainText(), plain);
    }

    void formats_data()
    {
        QTest::addColumn<QByteArray>("rtf");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("property");
        QTest::addColumn<QVariant>("value");
        const QByteArray fonts =
            "{\\rtf1{\\fonttbl{\\f0\\froman Times New Roman;}{\\f7\\fswiss Arial;}"
            "{\\f9 MS Mincho;}}";
        const QByteArray colors =
            "{\\rtf1{\\colortbl;\\red255\\green0\\blue0;\\red0\\green0\\blue255;}";
        auto row = [](const char* name, const QByteArray& rtf, const char* text,
                      const char* property, const QVariant& value) {
            QTest::newRow(name) << rtf << QString::fromUtf8(text) << property << value;
        };
        // character formatting and its toggles
        row("bold", "{\\rtf1 \\b x\\b0 y}", "x", "bold", true);
        row("bold off by 0", "{\\rtf1 \\b x\\b0 y}", "y", "bold", false);
        row("group restores", "{\\rtf1 {\\b\\i x}y}", "y", "italic", false);
        row("plain resets", "{\\rtf1 \\b\\i\\strike x\\plain y}", "y", "strike", false);
        row("italic", "{\\rtf1 \\i1 x}", "x", "italic", true);
        row("underline", "{\\rtf1 \\ul x}", "x", "underline",
            int(QTextCharFormat::SingleUnderline));
        row("wave underline", "{\\rtf1 \\ulwave x}", "x", "underline",
            int(QTextCharFormat::WaveUnderline));
        row("dotted underline", "{\\rtf1 \\uld x}", "x", "underline",
            int(QTextCharFormat::DotLine));
        row("ulnone", "{\\rtf1 \\ul\\ulnone x}", "x", "underline",
            int(QTextCharFormat::NoUnderline));
        row("ul0", "{\\rtf1 \\uldb\\ul0 x}", "x", "underline", int(QTextCharFormat::NoUnderline));
        row("strike", "{\\rtf1 \\strike x}", "x", "strike", true);
        row("double strike", "{\\rtf1 \\striked1 x}", "x", "strike", true);
        row("super", "{\\rtf1 \\super x}", "x", "position", int(QTextCharFormat::AlignSuperScript));
        row("sub", "{\\rtf1 \\sub x}", "x", "position", int(QTextCharFormat::AlignSubScript));
        row("nosupersub", "{\\rtf1 \\sub\\nosupersub x}", "x", "position",
            int(QTextCharFormat::AlignNormal));
        row("up", "{\\rtf1 \\up6 x}", "x", "position", int(QTextCharFormat::AlignSuperScript));
        row("dn", "{\\rtf1 \\dn x}", "x", "position", int(QTextCharFormat::AlignSubScript));
        row("caps", "{\\rtf1 \\caps x}", "x", "capitals", int(QFont::AllUppercase));
        row("small caps", "{\\rtf1 \\scaps x}", "x", "capitals", int(QFont::SmallCaps));
        // fonts
        row("font", fonts + "\\f7 x}", "x", "family", "Arial");
        row("default font", "{\\rtf1\\deff7" + fonts.mid(6) + "x}", "x", "family", "Arial");
        row("plain returns to the default font", "{\\rtf1\\deff7" + fonts.mid(6) + "\\f0\\plain x}",
            "x", "family", "Arial");
        row("entries without braces",
            "{\\rtf1{\\fonttbl\\f0\\fswiss Helvetica;\\f1\\fmodern Courier;}\\f1 x}", "x", "family",
            "Courier");
        row("associated fonts leave the Latin font",
            fonts + "\\f7\\loch\\af9\\hich\\af9\\dbch\\af9\\rtlch\\af9\\ltrch\\afs40 x}", "x",
            "family", "Arial");
        row("unknown font number", fonts + "\\f99999 x}", "x", "family", QString());
        row("size in half points", "{\\rtf1 \\fs28 x}", "x", "points", 14.0);
        row("default size", "{\\rtf1 x}", "x", "points", 12.0);
        row("size clamped", "{\\rtf1 \\fs99999 x}", "x", "points", 500.0);
        // colours: the automatic one sets nothing, so the palette applies
        row("foreground", colors + "\\cf1 x}", "x", "foreground", "#ff0000");
        row("automatic foreground", colors + "\\cf1\\cf0 x}", "x", "foreground", "auto");
        row("colour past the table", colors + "\\cf9 x}", "x", "foreground", "auto");
        row("cb", colors + "\\cb2 x}", "x", "background", "#0000ff");
        row("highlight", colors + "\\highlight2 x}", "x", "background", "#0000ff");
        row("chcbpat", colors + "\\chcbpat1 x}", "x", "background", "#ff0000");
        row("automatic background", colors + "\\chcbpat0 x}", "x", "background", "auto");
        // links
        const char* link = "{\\rtf1{\\field{\\*\\fldinst HYPERLINK %1}{\\fldrslt x}}}";
        auto field = [link](const char* instruction) {
            return QString::fromLatin1(link).arg(QString::fromLatin1(instruction)).toLatin1();
        };
        row("https link", field("\"https://example.org/a\""), "x", "link", "https://example.org/a");
        row("mailto link", field("\"mailto:a@example.org\" \\\\o \"tip\""), "x", "link",
            "mailto:a@example.org");
        row("unquoted link", field("http://example.org"), "x", "link", "http://example.org");
        row("tooltip before the address", field("\\\\o \"tip\" \"http://a.it\""), "x", "link",
            "http://a.it");
        row("local anchor", field("\\\\l \"segno\""), "x", "link", QString());
        row("file target", field("\"file:///etc/passwd\""), "x", "link", QString());
        row("script target", field("\"javascript:alert(1)\""), "x", "link", QString());
        row("other field", "{\\rtf1{\\field{\\*\\fldinst PAGE}{\\fldrslt x}}}", "x", "link",
            QString());
        row("link shown underlined", field("\"https://a.it\""), "x", "underline",
            int(QTextCharFormat::SingleUnderline));
        // paragraphs: the format in force at \par is the paragraph's
        row("centred", "{\\rtf1 \\qc x\\par}", "x", "align", int(Qt::AlignHCenter));
        row("right", "{\\rtf1 \\qr x\\par}", "x", "align", int(Qt::AlignRight));
        row("justified", "{\\rtf1 \\qj x\\par}", "x", "align", int(Qt::AlignJustify));
        row("set before par", "{\\rtf1 x\\qc\\par}", "x", "align", int(Qt::AlignHCenter));
        row("pard resets", "{\\rtf1 \\qc x\\par\\pard y\\par}", "y", "align", int(Qt::AlignLeft));
        row("kept without pard", "{\\rtf1 \\qc x\\par y\\par}", "y", "align",
            int(Qt::AlignHCenter));
        row("left indent", "{\\rtf1 \\li720 x\\par}", "x", "left", 48.0);
        row("first line indent", "{\\rtf1 \\li720\\fi-360 x\\par}", "x", "indent", -24.0);
        row("negative indent stops at the edge", "{\\rtf1 \\li-500\\fi-200 x\\par}", "x", "left",
            0.0);
        row("hanging indent is a tab stop", "{\\rtf1 \\li720\\fi-360 1.\\tab x\\par}", "x", "tabs",
            24.0);
        row("tab stop from the margin", "{\\rtf1 \\li720\\tx1440 a\\tab x\\par}", "x", "tabs",
            48.0);
        // tables
        const QByteArray table = "{\\rtf1\\trowd\\cellx1440\\cellx2880\\intbl a\\cell b\\cell\\row"
                                 "\\trowd\\cellx1440\\intbl c\\cell\\row\\pard d\\par}";
        row("first cell", table, "a", "cell", "0,0");
        row("second cell", table, "b", "cell", "0,1");
        row("short row", table, "c", "cell", "1,0");
        row("after the table", table, "d", "cell", "none");
        row("cell without intbl", "{\\rtf1 a\\cell b\\cell\\row}", "b", "cell", "0,1");
        row("nested table flattened",
            "{\\rtf1\\trowd\\cellx2000\\pard\\intbl a\\par\\itap2 b\\nestcell c\\nestcell"
            "{\\*\\nesttableprops\\trowd\\cellx500\\cellx1000\\nestrow}{\\nonesttables\\par}"
            "\\itap1\\cell\\row}",
            "c", "cell", "0,0");
    }

    void formats()
    {
        QFETCH(QByteArray, rtf);
        QFETCH(QString, text);
        QFETCH(QString, property);
        QFETCH(QVariant, value);
        const auto document = rtftest::render(rtf);
        const QTextCursor at = rtftest::find(*document, text);
        QVERIFY2(!at.isNull(), qPrintable(document->toPlainText()));
        QCOMPARE(rtftest::property(at, property), value);
    }

    void tableShape()
    {
        const auto document = rtftest::render("{\\rtf1\\trowd\\cellx1440\\cellx2880 a\\cell "
                                              "b\\cell\\row\\trowd\\cellx1440 c\\cell\\row"
                                              "\\pard d\\par}");
        const QTextTable* table = rtftest::find(*document, "a").currentTable();
        QVERIFY(table);
        QCOMPARE(table->rows(), 2);
        QCOMPARE(table->columns(), 2);
        QCOMPARE(table->cellAt(1, 0).columnSpan(), 2); // a short row's last cell spans the rest
        const QList<QTextLength> widths = table->format().columnWidthConstraints();
        QCOMPARE(widths.size(), 2);
        QCOMPARE(widths[1].rawValue(), 96.0);
        // Cells are lines of the plain text; a cell whose last paragraph ends
        // with \par before \cell gets no blank line.
        QCOMPARE(rtftest::plainText(
                     "{\\rtf1 x\\par\\intbl{a\\par}\\cell{b\\par}\\cell\\row\\pard y\\par}"),
                 "x\na\nb\ny");
    }
};

QTEST_MAIN(TestRtfReader)
#include "TestRtfReader.moc"
