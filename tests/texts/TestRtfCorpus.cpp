#include "RtfTestDocument.h"

#include <QRegularExpression>
#include <QTest>

using vastrel::texts::RtfReader;

namespace {

const char* const kProducers[] = {"pandoc", "libreoffice-html", "libreoffice-odt",
                                  "libreoffice-docx", "abiword"};

// The lines of a plain text with blanks and tabs folded to one blank, and
// without empty lines: producers differ in spacing, never in words.
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

// RTF written by real producers from one Italian source document
// (scripts/make-rtf-corpus), and headers of other word processors written by hand.
class TestRtfCorpus : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void producers_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("markers");
        for (const char* name : kProducers)
            QTest::newRow(name) << QString::fromLatin1(name) + ".rtf"
                                << (QByteArray(name) != "abiword");
    }

    void producers()
    {
        QFETCH(QString, file);
        QFETCH(bool, markers);
        QStringList expected = lines(QString::fromUtf8(rtftest::readData("rtf/diario.txt")));
        QVERIFY(!expected.isEmpty());
        if (!markers) { // that producer writes the list items without their marker
            static const QRegularExpression marker(QStringLiteral("^(•|\\d\\.) "));
            expected.replaceInStrings(marker, QString());
        }
        QCOMPARE(lines(rtftest::plainText(rtftest::readData("rtf/" + file))), expected);
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
        QCOMPARE(rtftest::plainText(rtftest::readData("rtf/" + file)), text);
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
            row(file, "sottolineate", "underline", int(QTextCharFormat::SingleUnderline));
            row(file, "cancellate", "strike", true);
            if (file != "pandoc") // it drops the alignment of HTML headings
                row(file, "Diario di un ascoltatore", "align", int(Qt::AlignHCenter));
            row(file, "Diario di un ascoltatore", "bold", true);
            row(file, "Vento di marzo", "cell", "1,1");
            row(file, "Per anno di uscita", "hanging", true);
            row(file, "example.org", "link", "https://example.org/note");
            row(file, "note@example.org", "link", "mailto:note@example.org");
            row(file, "x2", "position", int(QTextCharFormat::AlignSuperScript));
        }
        for (const char* name :
             {"libreoffice-html", "libreoffice-odt", "libreoffice-docx", "abiword"}) {
            row(QString::fromLatin1(name), "rossa", "foreground", "#c0392b");
            row(QString::fromLatin1(name), "fondo giallo", "background", "#ffff00");
        }
        // Only writers whose colour table begins with the empty entry leave text
        // to the palette; AbiWord's begins with black.
        for (const char* name :
             {"pandoc", "libreoffice-html", "libreoffice-odt", "libreoffice-docx"})
            row(QString::fromLatin1(name), "impressioni", "foreground", "auto");
        row("wordpad", "Scaletta", "align", int(Qt::AlignHCenter));
        row("wordpad", "Scaletta", "family", "Calibri");
        row("wordpad", "Accordare", "left", 48.0);
        row("wordpad", "Biglietti", "foreground", "#0000ff");
        row("word", "Prove in sala", "points", 16.0);
        row("word", "Prove in sala", "family", "Calibri");
        row("word", "20 €", "foreground", "#ff0000");
        row("word", "Notte", "cell", "1,1");
        row("word", "sito", "link", "https://example.org/prove");
        row("textedit", "Appunti", "family", "Helvetica-Bold");
        row("textedit", "Appunti", "align", int(Qt::AlignHCenter));
        row("textedit", "Luna", "foreground", "#c0392b");
    }

    void keyFormats()
    {
        QFETCH(QString, file);
        QFETCH(QString, text);
        QFETCH(QString, property);
        QFETCH(QVariant, value);
        const auto document = rtftest::render(rtftest::readData("rtf/" + file));
        const QTextCursor at = rtftest::find(*document, text);
        QVERIFY2(!at.isNull(), qPrintable(text));
        QCOMPARE(rtftest::property(at, property), value);
    }

    // Every cut of every corpus file, as a file truncated on disk would be.
    void everyPrefix_data()
    {
        QTest::addColumn<QString>("file");
        for (const char* name : kProducers)
            QTest::newRow(name) << QString::fromLatin1(name) + ".rtf";
        for (const char* name : {"wordpad", "word", "textedit"})
            QTest::newRow(name) << QString::fromLatin1(name) + ".rtf";
    }

    void everyPrefix()
    {
        QFETCH(QString, file);
        const QByteArray rtf = rtftest::readData("rtf/" + file);
        QVERIFY(!rtf.isEmpty());
        qsizetype blocks = 0;
        for (qsizetype size = 0; size <= rtf.size(); ++size)
            blocks += RtfReader::parse(QByteArrayView(rtf).first(size)).blocks.size();
        QVERIFY(blocks > 0);
    }
};

QTEST_MAIN(TestRtfCorpus)
#include "TestRtfCorpus.moc"
