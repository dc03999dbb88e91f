#include "platform/NativeName.h"
#include "platform/TextCase.h"
#include "platform/TextDecoder.h"

#include <QStringDecoder>
#include <QTest>

using vastrel::platform::NativeName;
using vastrel::platform::TextCase;
using vastrel::platform::TextDecoder;

class TestTextDecoding : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void decode_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");

        QTest::newRow("ascii, CR LF kept")
            << QByteArray("uno\r\ndue\r\n") << QStringLiteral("uno\r\ndue\r\n");
        QTest::newRow("LF only becomes CR LF")
            << QByteArray("uno\ndue\n") << QStringLiteral("uno\r\ndue\r\n");
        QTest::newRow("mixed line ends")
            << QByteArray("a\r\nb\nc\rd") << QStringLiteral("a\r\nb\r\nc\rd");
        QTest::newRow("LF first") << QByteArray("\nx") << QStringLiteral("\r\nx");
        QTest::newRow("utf-8 accents")
            << QByteArray("perch\xC3\xA8 cos\xC3\xAC") << QStringLiteral("perchè così");
        QTest::newRow("utf-8 with BOM") << QByteArray("\xEF\xBB\xBF"
                                                      "ci\xC3\xB2")
                                        << QStringLiteral("ciò");
        QTest::newRow("windows-1252 accents")
            << QByteArray("citt\xE0 virt\xF9") << QStringLiteral("città virtù");
        QTest::newRow("windows-1252 curly quotes and euro")
            << QByteArray("\x93"
                          "ciao\x94 l\x92"
                          "amico \x80 \x85")
            << QStringLiteral("\u201Cciao\u201D l\u2019amico \u20AC \u2026");
        QTest::newRow("unassigned 1252 bytes keep C1 code points")
            << QByteArray("\x81\x8D\x8F\x90\x9D")
            << QStringLiteral("\u0081\u008D\u008F\u0090\u009D");
        QTest::newRow("BOM but invalid rest is 1252")
            << QByteArray("\xEF\xBB\xBF\xE0") << QStringLiteral("\u00EF\u00BB\u00BF\u00E0");
        QTest::newRow("truncated utf-8 sequence is 1252")
            << QByteArray("ab\xC3") << QStringLiteral("ab\u00C3");
        QTest::newRow("NUL bytes survive")
            << QByteArray("a\0b", 3) << QStringView(u"a\0b", 3).toString();
        QTest::newRow("empty") << QByteArray() << QString();
    }

    void decode()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        QCOMPARE(TextDecoder::decode(bytes), text);
    }

    void nativeNamesRoundTrip_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("ascii") << QByteArray("[1979] Album");
        QTest::newRow("utf-8") << QByteArray("Citt\xC3\xA0");
        QTest::newRow("latin-1 byte") << QByteArray("Citt\xE0");
        QTest::newRow("lone continuation") << QByteArray("\x80x\xBF");
        QTest::newRow("overlong slash") << QByteArray("a\xC0\xAF"
                                                      "b");
        QTest::newRow("encoded surrogate") << QByteArray("\xED\xA0\x80");
        QTest::newRow("all high bytes") << QByteArray("\xFE\xFF\xF5");
        // A BOM in a name is one of its characters, at the start or after an escaped byte.
        QTest::newRow("name starting with a BOM") << QByteArray("\xEF\xBB\xBF"
                                                                "a");
        QTest::newRow("U+F3CF3, its low half in the escape range")
            << QByteArray("\xF3\xB3\xB3\xB3");
        QTest::newRow("BOM after an escaped byte") << QByteArray("\xFF\xEF\xBB\xBF"
                                                                 "a");
    }

    void nativeNamesRoundTrip()
    {
        QFETCH(QByteArray, bytes);
        const QString name = NativeName::decode(bytes);
        QCOMPARE(NativeName::encode(name), bytes);
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::ConvertInitialBom);
        if (TextDecoder::isValidUtf8(bytes))
            QCOMPARE(name, utf8.decode(bytes));
    }

    void upperKeepsLength_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("upper");
        QTest::newRow("ascii") << QStringLiteral("Nota.txt") << QStringLiteral("NOTA.TXT");
        QTest::newRow("accents") << QStringLiteral("perché") << QStringLiteral("PERCHÉ");
        QTest::newRow("sharp s stays one character")
            << QStringLiteral("straße") << QStringLiteral("STRAßE");
    }

    void upperKeepsLength()
    {
        QFETCH(QString, text);
        QFETCH(QString, upper);
        QCOMPARE(TextCase::upper(text), upper);
        QVERIFY(TextCase::equalIgnoringCase(text, upper));
    }
};

QTEST_GUILESS_MAIN(TestTextDecoding)
#include "TestTextDecoding.moc"
