#include "RtfTestDocument.h"
#include "texts/rtf/RtfLimits.h"

#include <QTest>

using namespace vastrel::texts;

namespace {

QString firstFamily(const RtfDocument& document)
{
    const auto* paragraph =
        document.blocks.isEmpty() ? nullptr : std::get_if<RtfParagraph>(&document.blocks[0]);
    return paragraph && !paragraph->runs.isEmpty() ? paragraph->runs[0].format.fontFamily
                                                   : QStringLiteral("(no text)");
}

// The same RTF with a line end before every token after the header; line ends
// between tokens mean nothing in RTF.
QByteArray withLineEnds(const QByteArray& rtf)
{
    QByteArray out = rtf.first(6);
    for (qsizetype i = 6; i < rtf.size(); ++i) {
        const char c = rtf[i];
        if (c == '{' || c == '}' || c == '\\')
            out += "\r\n";
        out += c;
        if (c == '\\' && i + 1 < rtf.size())
            out += rtf[++i]; // an escape stays whole
    }
    return out;
}

// The same RTF with its body inside one more pair of braces.
QByteArray withExtraGroup(const QByteArray& rtf)
{
    const qsizetype last = rtf.lastIndexOf('}');
    return "{\\rtf1{" + rtf.mid(6, last - 6) + "}}";
}

} // namespace

// Input that no well-behaved writer makes: the reader must neither fail nor
// spend unbounded time or memory on it, and must keep the text it can.
class TestRtfMalformed : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void malformed_data()
    {
        QTest::addColumn<QByteArray>("rtf");
        QTest::addColumn<QString>("text");
        const QByteArray million = QByteArray(1000000, '{');
        QTest::newRow("a million {") << "{\\rtf1 a" + million + "b"
                                     << "ab";
        QTest::newRow("a million {, balanced")
            << "{\\rtf1 a" + million + "b" + QByteArray(1000000, '}') + "c}"
            << "abc";
        QTest::newRow("extra }") << QByteArray("{\\rtf1 {a}}}b}") << "a";
        QTest::newRow("bin larger than the file")
            << QByteArray("{\\rtf1 a\\bin2000000000 bcd}") << "a";
        QTest::newRow("negative bin") << QByteArray("{\\rtf1 a\\bin-5 b}") << "ab";
        QTest::newRow("u out of range") << QByteArray("{\\rtf1 \\u99999999?x}") << "\uFFFDx";
        QTest::newRow("u far out of range")
            << QByteArray("{\\rtf1 \\u-99999999999?x}") << "\uFFFDx";
        QTest::newRow("uc999") << QByteArray("{\\rtf1 {\\uc999\\u937 abc\\par}d}") << "Ωd";
        QTest::newRow("f99999 without a font table") << QByteArray("{\\rtf1\\f99999 x}") << "x";
        QTest::newRow("NUL bytes") << QByteArray("{\\rtf1 a\0b\0\\b\0c}", 16) << "abc";
        QTest::newRow("word longer than the limit") << "{\\rtf1 a\\" + QByteArray(40, 'b') + " c}"
                                                    << "ac";
        QTest::newRow("parameter of 30 digits")
            << "{\\rtf1 \\fs" + QByteArray(30, '9') + " x\\u" + QByteArray(30, '9') + "?}"
            << "x\uFFFD";
        QTest::newRow("backslash at the end") << QByteArray("{\\rtf1 a\\") << "a";
        QTest::newRow("hex escape cut short") << QByteArray("{\\rtf1 a\\'4") << "a";
        QTest::newRow("hex escape without digits") << QByteArray("{\\rtf1 a\\'zz}") << "azz";
        QTest::newRow("half a double-byte character")
            << QByteArray("{\\rtf1\\ansicpg932 \\'82}") << "";
        QTest::newRow("unknown code page") << QByteArray("{\\rtf1\\ansicpg77777 \\'e8}") << "è";
        QTest::newRow("result outside a field")
            << QByteArray("{\\rtf1 {\\fldrslt a}{\\fldinst b}}") << "a";
        QTest::newRow("row without cells") << QByteArray("{\\rtf1\\trowd\\row a}") << "a";
    }

    void malformed()
    {
        QFETCH(QByteArray, rtf);
        QFETCH(QString, text);
        QCOMPARE(rtftest::plainText(rtf), text);
    }

    void byteOrderMarkInText()
    {
        QVERIFY(RtfReader::isRtf(u"\uFEFF{\\rtf1 x}"));
        QCOMPARE(
            std::get<RtfParagraph>(RtfReader::parse(u"\uFEFF{\\rtf1 x}").blocks[0]).runs[0].text,
            "x");
    }

    void tooLargeIsPlainText()
    {
        QByteArray rtf = "{\\rtf1 \\b x}";
        rtf.append(RtfLimits::maxInputSize, ' ');
        QVERIFY(!RtfReader::isRtf(QString::fromLatin1(rtf)));
        const RtfDocument document = RtfReader::parse(QByteArrayView(rtf));
        QVERIFY(
            std::get<RtfParagraph>(document.blocks[0]).runs[0].text.startsWith("{\\rtf1 \\b x}"));
    }

    void fontTableLimit()
    {
        QByteArray rtf = "{\\rtf1{\\fonttbl";
        for (int i = 0; i < 40000; ++i)
            rtf += "{\\f" + QByteArray::number(i) + " F" + QByteArray::number(i) + ";}";
        rtf += "}";
        const int last = RtfLimits::maxFonts - 1;
        QCOMPARE(firstFamily(RtfReader::parse(rtf + "\\f" + QByteArray::number(last) + " x}")),
                 "F" + QString::number(last));
        QCOMPARE(firstFamily(RtfReader::parse(rtf + "\\f39999 x}")), QString());
    }

    void colorTableLimit()
    {
        QByteArray rtf = "{\\rtf1{\\colortbl";
        for (int i = 0; i < 5000; ++i)
            rtf += "\\red1\\green2\\blue3;";
        const auto document = rtftest::render(rtf + "}\\cf4095 x\\cf4096 y}");
        QCOMPARE(rtftest::property(rtftest::find(*document, "x"), "foreground"), "#010203");
        QCOMPARE(rtftest::property(rtftest::find(*document, "y"), "foreground"), "auto");
    }

    void depthLimitKeepsState()
    {
        // Past the limit, groups are counted but keep the state of the deepest one.
        const QByteArray deep(RtfLimits::maxGroupDepth + 10, '{');
        const QByteArray shut(RtfLimits::maxGroupDepth + 10, '}');
        const auto document = rtftest::render("{\\rtf1 " + deep + "\\b a" + shut + "b}");
        QCOMPARE(document->toPlainText(), "ab");
        QCOMPARE(rtftest::property(rtftest::find(*document, "b"), "bold"), false);
    }

    void manyParagraphsAndRuns()
    {
        // Past the limits text keeps flowing into the last paragraph and run.
        QByteArray rtf = "{\\rtf1 ";
        const int paragraphs = RtfLimits::maxParagraphs + 5;
        for (int i = 0; i < paragraphs; ++i)
            rtf += "\\b a\\b0 b\\i c\\i0\\par ";
        const RtfDocument document = RtfReader::parse(rtf + "}");
        QCOMPARE(document.blocks.size(), RtfLimits::maxParagraphs + 1);
        qsizetype runs = 0;
        qsizetype characters = 0;
        for (const RtfBlock& block : document.blocks) {
            for (const RtfRun& run : std::get<RtfParagraph>(block).runs)
                characters += run.text.size();
            runs += std::get<RtfParagraph>(block).runs.size();
        }
        QVERIFY(runs <= RtfLimits::maxRuns + RtfLimits::maxParagraphs + 1);
        QCOMPARE(characters, paragraphs * 3 + 5); // nothing lost; five breaks became lines
        QCOMPARE(std::get<RtfParagraph>(document.blocks.last()).runs.last().text.count(u'\u2028'),
                 5);
    }

    void invariance_data()
    {
        QTest::addColumn<QByteArray>("rtf");
        for (const char* name : {"pandoc", "libreoffice-html", "libreoffice-odt",
                                 "libreoffice-docx", "abiword", "wordpad", "word", "textedit"})
            QTest::newRow(name) << rtftest::readData("rtf/" + QString::fromLatin1(name) + ".rtf");
        QTest::newRow("unicode and fallbacks")
            << QByteArray("{\\rtf1\\uc2 a\\u8364\\'80\\'81b{\\uc0\\u937}c\\'e8\\\\d}");
    }

    void invariance()
    {
        QFETCH(QByteArray, rtf);
        QVERIFY(!rtf.isEmpty());
        const QString text = rtftest::plainText(rtf);
        QCOMPARE(rtftest::plainText(withLineEnds(rtf)), text);
        QCOMPARE(rtftest::plainText(withExtraGroup(rtf)), text);
    }
};

QTEST_MAIN(TestRtfMalformed)
#include "TestRtfMalformed.moc"
