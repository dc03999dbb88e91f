#include "RtfTestDocument.h"
#include "platform/TextDecoder.h"

#include <QDir>
#include <QTest>

using vastrel::platform::TextDecoder;
using vastrel::texts::RtfReader;

// The fuzzer's seeds and every input it ever crashed on, through the reader as
// bytes and as text and through the builder, so that the sanitizer build
// catches any return of an old fault.
class TestRtfReplay : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void replay_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("seed");
        const QString data = QStringLiteral(VASTREL_TEST_DATA "/rtf");
        for (const QString& name : QDir(data).entryList(QDir::Files, QDir::Name))
            QTest::newRow(qPrintable(name)) << data + '/' + name << true;
        const QDir crashes(data + "/crashes");
        for (const QString& name : crashes.entryList(QDir::Files, QDir::Name))
            QTest::newRow(qPrintable("crashes/" + name)) << crashes.filePath(name) << false;
    }

    void replay()
    {
        QFETCH(QString, path);
        QFETCH(bool, seed);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QTextDocument fromBytes;
        vastrel::texts::RtfDocumentBuilder::build(RtfReader::parse(QByteArrayView(bytes)),
                                                  fromBytes);
        QTextDocument fromText;
        vastrel::texts::RtfDocumentBuilder::build(RtfReader::parse(TextDecoder::decode(bytes)),
                                                  fromText);
        fromText.setTextWidth(400);
        QVERIFY(fromText.size().height() > 0);
        // The seeds are 7-bit or Windows-1252: read as text they mean the same.
        if (seed)
            QCOMPARE(fromText.toPlainText(), fromBytes.toPlainText());
    }
};

QTEST_MAIN(TestRtfReplay)
#include "TestRtfReplay.moc"
