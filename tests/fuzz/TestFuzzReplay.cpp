#include "FuzzTargets.h"

#include <QDir>
#include <QTest>
#include <stdexcept>

// The fuzzers' bodies on their seeds and on every input they ever failed on, so that the
// normal and the sanitizer builds both catch any return of an old fault. The RTF fuzzer
// (fuzz/RtfFuzzer.cpp) runs as it is; its broken property aborts the run.
extern "C" int LLVMFuzzerInitialize(int*, char***);
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

void vastrel::fuzz::fail(const char* what)
{
    throw std::runtime_error(what);
}

namespace {

using namespace vastrel::fuzz;

void rtf(QByteArrayView data)
{
    LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(data.data()), size_t(data.size()));
}

const struct
{
    const char* name;
    void (*body)(QByteArrayView);
} kTargets[] = {{"options", options}, {"number", number},   {"columns", columns},
                {"split", split},     {"mpeg", mpeg},       {"decode", decode},
                {"marker", marker},   {"picture", picture}, {"audio", audio},
                {"rtf", rtf}};

} // namespace

class TestFuzzReplay : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void replay_data()
    {
        QTest::addColumn<int>("target");
        QTest::addColumn<QString>("path");
        for (int t = 0; t < int(std::size(kTargets)); ++t) {
            const QString name = QString::fromLatin1(kTargets[t].name);
            // The RTF seeds are the producers' corpus; the other seeds are the fuzzers' own.
            const QDir seeds(name == u"rtf" ? QStringLiteral(VASTREL_TEST_DATA "/rtf")
                                            : QStringLiteral(VASTREL_FUZZ_SEEDS "/") + name);
            const QDir found(name == u"rtf" ? QStringLiteral(VASTREL_TEST_DATA "/rtf/crashes")
                                            : QStringLiteral(VASTREL_TEST_DATA "/fuzz/") + name);
            QVERIFY2(!seeds.isEmpty(QDir::Files), qPrintable(name));
            for (const QDir& dir : {seeds, found}) {
                for (const QString& file : dir.entryList(QDir::Files, QDir::Name))
                    QTest::newRow(qPrintable(name + u'/' + file)) << t << dir.filePath(file);
            }
        }
    }

    void replay()
    {
        QFETCH(int, target);
        QFETCH(QString, path);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        try {
            kTargets[target].body(file.readAll());
        } catch (const std::runtime_error& broken) {
            QFAIL(broken.what());
        }
    }
};

int main(int argc, char** argv)
{
    LLVMFuzzerInitialize(&argc, &argv); // makes the application the RTF layout needs
    TestFuzzReplay test;
    return QTest::qExec(&test, argc, argv);
}
#include "TestFuzzReplay.moc"
