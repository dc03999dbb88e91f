#include "PictureLoader.h"

#include "platform/FileSystem.h"

#include <QBuffer>
#include <QImageReader>

namespace vastrel::media {

QImage PictureLoader::load(const QString& path)
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
    QImageReader reader(&buffer, format);
    const QSize size = reader.size();
    if (size.width() > kMaxSide || size.height() > kMaxSide)
        reader.setScaledSize(size.scaled(kMaxSide, kMaxSide, Qt::KeepAspectRatio));
    return reader.read();
}

} // namespace vastrel::media
