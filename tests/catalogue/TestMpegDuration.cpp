#include "catalogue/MpegDuration.h"

#include <QTest>
#include <initializer_list>

using vastrel::catalogue::MpegDuration;

namespace {

// Kilobits per second for bit-rate indexes 1 to 14, one list per column of the standards'
// tables (ISO/IEC 11172-3 for MPEG-1, ISO/IEC 13818-3 for the lower sampling frequencies).
const int kMpeg1Layer1[14] = {32, 64, 96, 128, 160, 192, 224, 256, 288, 320, 352, 384, 416, 448};
const int kMpeg1Layer2[14] = {32, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 384};
const int kMpeg1Layer3[14] = {32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320};
const int kMpeg2Layer1[14] = {32, 48, 56, 64, 80, 96, 112, 128, 144, 160, 176, 192, 224, 256};
const int kMpeg2Layer23[14] = {8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160};

struct Column
{
    const char* name;
    const int* rates;
    int b1; // a second header byte that selects this column
};

const Column kColumns[5] = {
    {"MPEG-1 Layer I", kMpeg1Layer1, 0xFF},
    {"MPEG-1 Layer II", kMpeg1Layer2, 0xFD},
    {"MPEG-1 Layer III", kMpeg1Layer3, 0xFB},
    {"MPEG-2 Layer I", kMpeg2Layer1, 0xF7},
    {"MPEG-2 Layers II and III", kMpeg2Layer23, 0xF5},
};

// A header buffer of `size` bytes, zero but for `bytes` placed from the 1-based `position`.
QByteArray buffer(std::initializer_list<int> bytes, qsizetype position = 1,
                  qsizetype size = MpegDuration::kHeaderBytes)
{
    QByteArray b(size, '\0');
    qsizetype i = position - 1;
    for (int v : bytes)
        b[i++] = char(v);
    return b;
}

QByteArray withBytes(const QByteArray& a, std::initializer_list<int> bytes)
{
    QByteArray b = a;
    for (int v : bytes)
        b.append(char(v));
    return b;
}

// An ID3v2.3 tag holding one title frame whose text is `encoded` (encoding byte first).
QByteArray id3WithTitle(const QByteArray& encoded)
{
    QByteArray frame = "TIT2" + QByteArray(4, '\0') + QByteArray(2, '\0') + encoded;
    frame[7] = char(encoded.size());
    QByteArray tag = "ID3" + QByteArray(7, '\0') + frame;
    tag[3] = 3;
    tag[9] = char(frame.size()); // sync-safe size, small enough for one byte
    return tag;
}

} // namespace

class TestMpegDuration : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    // All 70 values: the table, and the rate DurataMPEG takes for a header of that column.
    void bitRateTable_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("column");
        QTest::addColumn<int>("b1");
        QTest::addColumn<int>("kbps");
        for (int c = 0; c < 5; ++c) {
            for (int r = 1; r <= 14; ++r) {
                QTest::addRow("%s, index %d", kColumns[c].name, r)
                    << r << c << kColumns[c].b1 << kColumns[c].rates[r - 1];
            }
        }
    }

    void bitRateTable()
    {
        QFETCH(int, index);
        QFETCH(int, column);
        QFETCH(int, b1);
        QFETCH(int, kbps);
        QCOMPARE(MpegDuration::bitRate(index, column), kbps);
        // 60 s and one byte short of 61 s: the result is rounded down.
        const qint64 bytesPerSecond = kbps * 125;
        const QByteArray header = buffer({255, b1, index * 16 + 2});
        QCOMPARE(MpegDuration::DurataMPEG(header, 61 * bytesPerSecond - 1), 60);
        QCOMPARE(MpegDuration::DurataMPEG(header, 61 * bytesPerSecond), 61);
    }

    // Every second byte the scan accepts (226 to 255), with bit-rate index 9. A file of
    // 7 200 000 bytes lasts 720 s at 80, 450 s at 128, 400 s at 144, 360 s at 160 and
    // 200 s at 288 kbit/s.
    void versionAndLayer_data()
    {
        QTest::addColumn<int>("b1");
        QTest::addColumn<int>("seconds");
        const struct
        {
            int b1;
            const char* what;
            int seconds;
        } rows[] = {
            {226, "MPEG-2.5 Layer III, CRC", 720}, {227, "MPEG-2.5 Layer III", 720},
            {228, "MPEG-2.5 Layer II, CRC", 720},  {229, "MPEG-2.5 Layer II", 720},
            {230, "MPEG-2.5 Layer I, CRC", 400},   {231, "MPEG-2.5 Layer I", 400},
            {232, "reserved version", -1},         {233, "reserved version", -1},
            {234, "reserved version", -1},         {235, "reserved version", -1},
            {236, "reserved version", -1},         {237, "reserved version", -1},
            {238, "reserved version", -1},         {239, "reserved version", -1},
            {240, "MPEG-2, reserved layer", -1},   {241, "MPEG-2, reserved layer", -1},
            {242, "MPEG-2 Layer III, CRC", 720},   {243, "MPEG-2 Layer III", 720},
            {244, "MPEG-2 Layer II, CRC", 720},    {245, "MPEG-2 Layer II", 720},
            {246, "MPEG-2 Layer I, CRC", 400},     {247, "MPEG-2 Layer I", 400},
            {248, "MPEG-1, reserved layer", -1},   {249, "MPEG-1, reserved layer", -1},
            {250, "MPEG-1 Layer III, CRC", 450},   {251, "MPEG-1 Layer III", 450},
            {252, "MPEG-1 Layer II, CRC", 360},    {253, "MPEG-1 Layer II", 360},
            {254, "MPEG-1 Layer I, CRC", 200},     {255, "MPEG-1 Layer I", 200},
        };
        for (const auto& row : rows)
            QTest::addRow("%d: %s", row.b1, row.what) << row.b1 << row.seconds;
    }

    void versionAndLayer()
    {
        QFETCH(int, b1);
        QFETCH(int, seconds);
        QCOMPARE(MpegDuration::DurataMPEG(buffer({255, b1, 0x9C}), 7'200'000), seconds);
    }

    // Which positions the scan takes. At 128 kbit/s (255, 251, 144) a 160 000-byte file
    // lasts 10 s, so 10 says "the MPEG-1 Layer III header at index 9 was found".
    void scanRule_data()
    {
        QTest::addColumn<QByteArray>("header");
        QTest::addColumn<int>("seconds");
        const qsizetype n = MpegDuration::kHeaderBytes;

        QTest::newRow("header at 1") << buffer({255, 251, 144}) << 10;
        QTest::newRow("header at 2") << buffer({255, 251, 144}, 2) << 10;
        QTest::newRow("first byte 254") << buffer({254, 251, 144}) << -1;
        QTest::newRow("second byte 225") << buffer({255, 225, 144}) << -1;
        QTest::newRow("second byte 224 (sync of MPEG-2.5 is not enough)")
            << buffer({255, 224, 144}) << -1;
        QTest::newRow("second byte 226") << buffer({255, 226, 144}) << 16;
        QTest::newRow("third byte 15") << buffer({255, 251, 15}) << -1;
        QTest::newRow("third byte 16: index 1") << buffer({255, 251, 16}) << 40;
        QTest::newRow("third byte 235: index 14") << buffer({255, 251, 235}) << 4;
        QTest::newRow("third byte 236, nothing after") << buffer({255, 251, 236}) << -1;
        QTest::newRow("third byte 240: index 15") << buffer({255, 251, 240}) << -1;
        QTest::newRow("third byte 0: free format") << buffer({255, 251, 0}) << -1;
        QTest::newRow("third byte 236 skipped, the scan goes on")
            << buffer({255, 251, 236, 255, 251, 144}) << 10;
        QTest::newRow("second byte 225 skipped, the scan goes on")
            << buffer({255, 225, 144, 0, 255, 251, 144}) << 10;
        QTest::newRow("overlap: 255 255 251 144") << buffer({255, 255, 251, 144}) << 10;
        QTest::newRow("255 255 144 is MPEG-1 Layer I") << buffer({255, 255, 144}) << 4;
        QTest::newRow("first match decides: reserved version")
            << buffer({255, 232, 144, 255, 251, 144}) << -1;
        QTest::newRow("first match decides: reserved layer")
            << buffer({255, 249, 144, 255, 251, 144}) << -1;
        QTest::newRow("first match decides: earlier header wins")
            << buffer({255, 251, 0xE0, 255, 251, 144}) << 4;
        QTest::newRow("header at 4097") << buffer({255, 251, 144}, 4097) << 10;
        QTest::newRow("header at 4098, the last position") << buffer({255, 251, 144}, 4098) << 10;
        QTest::newRow("header at 4099 cut by the buffer's end") << buffer({255, 251}, 4099) << -1;
        QTest::newRow("header at 4099 in a longer buffer")
            << buffer({255, 251, 144}, 4099, n + 100) << -1;
        QTest::newRow("header at 4200 in a longer buffer")
            << buffer({255, 251, 144}, 4200, n + 200) << -1;
        QTest::newRow("all zeros") << buffer({}) << -1;
        QTest::newRow("all 255") << QByteArray(n, char(255)) << -1;
        QTest::newRow("empty buffer") << QByteArray() << -1;
        QTest::newRow("short: 255") << QByteArray("\xFF") << -1;
        QTest::newRow("short: 255 251, zero after") << QByteArray("\xFF\xFB") << -1;
        QTest::newRow("short: whole header") << QByteArray("\xFF\xFB\x90") << 10;
        QTest::newRow("short: header in the last 3 bytes")
            << withBytes(QByteArray(7, 'a'), {255, 251, 144}) << 10;
        QTest::newRow("short: header cut by the end")
            << withBytes(QByteArray(8, 'a'), {255, 251}) << -1;
    }

    void scanRule()
    {
        QFETCH(QByteArray, header);
        QFETCH(int, seconds);
        QCOMPARE(MpegDuration::DurataMPEG(header, 160'000), seconds);
    }

    void workedExamples_data()
    {
        QTest::addColumn<QByteArray>("header");
        QTest::addColumn<qint64>("length");
        QTest::addColumn<int>("seconds");
        const QByteArray l3at128 = buffer({255, 251, 0x90});
        const QByteArray l3at320 = buffer({255, 251, 0xE0});
        const QByteArray mpeg2l3at32 = buffer({255, 243, 64});
        const QByteArray mpeg25l3at8 = buffer({255, 227, 16});
        QTest::newRow("MPEG-1 L3 index 9, 4 000 000 bytes") << l3at128 << qint64(4'000'000) << 250;
        QTest::newRow("MPEG-1 L3 320 kbit/s, 8 000 000 bytes")
            << l3at320 << qint64(8'000'000) << 200;
        QTest::newRow("MPEG-2 L3 index 4: 4000 bytes/s, 4000 bytes")
            << mpeg2l3at32 << qint64(4000) << 1;
        QTest::newRow("MPEG-2 L3 index 4: 3999 bytes") << mpeg2l3at32 << qint64(3999) << 0;
        QTest::newRow("MPEG-2 L3 index 4: 400 000 bytes") << mpeg2l3at32 << qint64(400'000) << 100;
        QTest::newRow("rounded down: 15 999 bytes at 128") << l3at128 << qint64(15'999) << 0;
        QTest::newRow("rounded down: 31 999 bytes at 128") << l3at128 << qint64(31'999) << 1;
        QTest::newRow("empty file") << l3at128 << qint64(0) << 0;
        QTest::newRow("largest 32-bit size at 8 kbit/s")
            << mpeg25l3at8 << qint64(2'147'483'647) << 2'147'483;
        QTest::newRow("largest 32-bit size at 320 kbit/s")
            << l3at320 << qint64(2'147'483'647) << 53'687;
        QTest::newRow("4 GiB at 8 kbit/s") << mpeg25l3at8 << (qint64(1) << 32) << 4'294'967;
    }

    void workedExamples()
    {
        QFETCH(QByteArray, header);
        QFETCH(qint64, length);
        QFETCH(int, seconds);
        QCOMPARE(MpegDuration::DurataMPEG(header, length), seconds);
    }

    // An ID3v2 tag in front of the audio: a UTF-16 text with the little-endian byte-order
    // mark FF FE reads as a frame header when the next byte is 16 to 235, and the estimate
    // takes that false header's rate. The real frames here are MPEG-1 Layer III at
    // 192 kbit/s (24 000 bytes/s): 240 000 bytes give 10 s when the real header is found.
    void falseHeaderInUtf16Text_data()
    {
        QTest::addColumn<QByteArray>("title");
        QTest::addColumn<int>("seconds");
        // FF FE 43: MPEG-1 Layer I at index 4, 128 kbit/s.
        QTest::newRow("UTF-16 LE 'Ciao'") << QByteArray("\x01\xFF\xFE"
                                                        "C\0i\0a\0o\0\0\0",
                                                        13)
                                          << 15;
        // FF FE E8: index 14 of Layer I, 448 kbit/s.
        QTest::newRow("UTF-16 LE starting with U+00E8")
            << QByteArray("\x01\xFF\xFE\xE8\0\0\0", 7) << 4;
        // FF FE F0: the third byte is above 235.
        QTest::newRow("UTF-16 LE starting with U+00F0")
            << QByteArray("\x01\xFF\xFE\xF0\0\0\0", 7) << 10;
        // FF FE 0A: the third byte is below 16.
        QTest::newRow("UTF-16 LE starting with U+000A")
            << QByteArray("\x01\xFF\xFE\x0A\0\0\0", 7) << 10;
        QTest::newRow("UTF-16 BE 'Ciao'") << QByteArray("\x01\xFE\xFF\0C\0i\0a\0o\0\0", 13) << 10;
        QTest::newRow("Latin-1 'Ciao'") << QByteArray("\0Ciao\0", 6) << 10;
    }

    void falseHeaderInUtf16Text()
    {
        QFETCH(QByteArray, title);
        QFETCH(int, seconds);
        QByteArray file = withBytes(id3WithTitle(title), {255, 251, 0xB0, 0x64});
        file.resize(MpegDuration::kHeaderBytes);
        QCOMPARE(MpegDuration::DurataMPEG(file, 240'000), seconds);
    }
};

QTEST_GUILESS_MAIN(TestMpegDuration)
#include "TestMpegDuration.moc"
