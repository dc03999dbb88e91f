#include "PictureLoader.h"

#include "platform/FileSystem.h"

#include <QBuffer>
#include <QImageReader>

namespace vastrel::media {

namespace {

// A JPEG cut short decodes without an error, its missing part grey; a whole one has its end
// marker after the start of its last scan (picture data never holds either marker).
bool jpegIsWhole(const QByteArray& data)
{
    const qsizetype lastScan = data.lastIndexOf("\xff\xda");
    return lastScan >= 0 && data.indexOf("\xff\xd9", lastScan) >= 0;
}

} // namespace

QImage PictureLoader::read(const QString& path, const std::function<void(QImageReader&)>& prepare)
{
    // Read through the platform layer: only regular files, and never a blocking FIFO.
    const platform::ReadResult file = platform::FileSystem::readFile(path, kMaxFileBytes + 1);
    if (!file.ok() || file.data.isEmpty() || file.data.size() > kMaxFileBytes)
        return {};
    QBuffer buffer;
    buffer.setData(file.data);
    buffer.open(QIODevice::ReadOnly);
    const QByteArray format = QImageReader::imageFormat(&buffer);
    if (format != "jpeg" && format != "gif" && format != "bmp")
        return {};
    if (format == "jpeg" && !jpegIsWhole(file.data))
        return {};
    QImageReader reader(&buffer, format);
    prepare(reader);
    return reader.read();
}

QImage PictureLoader::load(const QString& path)
{
    const auto bounded = [](QSize size) {
        return size.scaled(kMaxSide, kMaxSide, Qt::KeepAspectRatio).expandedTo(QSize(1, 1));
    };
    QImage image = read(path, [&](QImageReader& reader) {
        const QSize size = reader.size();
        if (size.width() > kMaxSide || size.height() > kMaxSide)
            reader.setScaledSize(bounded(size));
    });
    // A GIF announces the size of its first frame but gives a picture of its whole screen,
    // which can be larger.
    if (image.width() > kMaxSide || image.height() > kMaxSide)
        return image.scaled(bounded(image.size()), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return image;
}

QImage PictureLoader::loadCorner(const QString& path, QSize corner)
{
    return read(path, [corner](QImageReader& reader) {
        const QSize size = reader.size();
        if (size.width() > corner.width() || size.height() > corner.height())
            reader.setClipRect(QRect(QPoint(0, 0), corner.boundedTo(size)));
    });
}

} // namespace vastrel::media
