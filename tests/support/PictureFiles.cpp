#include "PictureFiles.h"

#include <QBuffer>
#include <QImage>

namespace PictureFiles {

namespace {

void put16(QByteArray& out, int value)
{
    out.append(char((value >> 8) & 0xff)).append(char(value & 0xff));
}

void put16le(QByteArray& out, int value)
{
    out.append(char(value & 0xff)).append(char((value >> 8) & 0xff));
}

void put32le(QByteArray& out, quint32 value)
{
    put16le(out, int(value & 0xffff));
    put16le(out, int(value >> 16));
}

void segment(QByteArray& out, int marker, const QByteArray& body)
{
    out.append(char(0xff)).append(char(marker));
    put16(out, int(body.size()) + 2);
    out.append(body);
}

// Codes of a GIF image, packed from the least significant bit.
class LsbBits
{
public:
    void put(int code, int width)
    {
        for (int i = 0; i < width; ++i) {
            m_byte |= ((code >> i) & 1) << m_count;
            if (++m_count == 8)
                flush();
        }
    }
    QByteArray take()
    {
        if (m_count > 0)
            flush();
        return m_bytes;
    }

private:
    void flush()
    {
        m_bytes.append(char(m_byte));
        m_byte = 0;
        m_count = 0;
    }
    QByteArray m_bytes;
    int m_byte = 0;
    int m_count = 0;
};

} // namespace

QByteArray solid(QSize size, const QColor& colour, const char* format)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format, 95);
    return bytes;
}

QByteArray largeJpeg(QSize size)
{
    QByteArray out("\xff\xd8", 2);
    QByteArray dqt(1, 0);
    dqt.append(QByteArray(64, 1));
    segment(out, 0xdb, dqt);
    QByteArray sof;
    sof.append(char(8));
    put16(sof, size.height());
    put16(sof, size.width());
    sof.append(char(1)).append(char(1)).append(char(0x11)).append(char(0));
    segment(out, 0xc0, sof);
    // DC: the usual luminance table, where difference 0 is "00". AC: one symbol, the end of
    // block, coded "0". Every block is then "000": a flat mid grey.
    const char dcCounts[16] = {0, 1, 5, 1, 1, 1, 1, 1, 1, 0, 0, 0, 0, 0, 0, 0};
    QByteArray dht(1, 0x00);
    dht.append(dcCounts, 16);
    for (int v = 0; v < 12; ++v)
        dht.append(char(v));
    segment(out, 0xc4, dht);
    QByteArray ac(1, 0x10);
    ac.append(char(1)).append(QByteArray(15, 0)).append(char(0));
    segment(out, 0xc4, ac);
    segment(out, 0xda, QByteArray("\x01\x01\x00\x00\x3f\x00", 6));
    const qint64 blocks = qint64((size.width() + 7) / 8) * ((size.height() + 7) / 8);
    const qint64 bits = blocks * 3;
    QByteArray data(bits / 8, 0);
    if (bits % 8)
        data.append(char(0xff >> (bits % 8))); // padded with one bits
    out.append(data);
    out.append("\xff\xd9", 2);
    return out;
}

QByteArray bmpHeaderOnly(QSize size)
{
    QByteArray out("BM");
    const quint32 rowBytes = quint32((size.width() * 3 + 3) / 4 * 4);
    put32le(out, 54 + rowBytes * quint32(size.height()));
    put32le(out, 0);
    put32le(out, 54);
    put32le(out, 40);
    put32le(out, quint32(size.width()));
    put32le(out, quint32(size.height()));
    put16le(out, 1);
    put16le(out, 24);
    put32le(out, 0);
    put32le(out, rowBytes * quint32(size.height()));
    put32le(out, 2835);
    put32le(out, 2835);
    put32le(out, 0);
    put32le(out, 0);
    return out;
}

} // namespace PictureFiles
