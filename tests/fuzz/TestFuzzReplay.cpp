#include "FuzzTargets.h"

#include <QDir>
#include <QTest>
#include <stdexcept>

// The fuzzers' bodies (fuzz/targets) on their seeds (fuzz/corpus/<target>) and on every input
// they ever failed on (tests/data/fuzz/<target>), so that the normal and the sanitizer builds
// both catch any return of an old fault. A broken property fails its row.
void vastrel::fuzz::fail(const char* what)
{
    throw std::runtime_error(what);
}

namespace {

struct Target
{
    const char* name;
    void (*body)(QByteArrayView);
};

const Target kTargets[] = {
    {"options", vastrel::fuzz::options}, {"number", vastrel::fuzz::number},
    {"columns", vastrel::fuzz::columns}, {"split", vastrel::fuzz::split},
    {"mpeg", vastrel::fuzz::mpeg},       {"decode", vastrel::fuzz::decode},
    {"marker", vastrel::fuzz::marker},   {"picture", vastrel::fuzz::picture},
};

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
            const QString name = QLatin1String(kTargets[t].name);
            const QDir seeds(QStringLiteral(VASTREL_FUZZ_SEEDS "/") + name);
            const QDir found(QStringLiteral(VASTREL_TEST_DATA "/fuzz/") + name);
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
        const QByteArray bytes = file.readAll();
        try {
            kTargets[target].body(bytes);
        } catch (const std::runtime_error& broken) {
            QFAIL(broken.what());
        }
    }

    // Every target has seeds in the repository.
    void seeded_data()
    {
        QTest::addColumn<QString>("name");
        for (const Target& target : kTargets)
            QTest::newRow(target.name) << QString::fromLatin1(target.name);
    }

    void seeded()
    {
        QFETCH(QString, name);
        QVERIFY(
            !QDir(QStringLiteral(VASTREL_FUZZ_SEEDS "/") + name).entryList(QDir::Files).isEmpty());
    }
};

QTEST_MAIN(TestFuzzReplay)
#include "TestFuzzReplay.moc"
