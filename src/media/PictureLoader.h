#pragma once

#include <QImage>
#include <QString>
#include <functional>

class QImageReader;

namespace vastrel::media {

// Decodes an album picture: JPEG, GIF (its first frame) or BMP, recognised by content.
// Large pictures are scaled down while they are read, so a huge file costs neither much
// time nor much memory; the picture box stretches what it gets to its own size anyway.
class PictureLoader
{
public:
    // A null image when the file cannot be read or is not a picture of those kinds.
    static QImage load(const QString& path);

    // Only the top-left corner of the given size, at the picture's own scale (for a picture
    // drawn unscaled from the corner of a window).
    static QImage loadCorner(const QString& path, QSize corner);

    static constexpr int kMaxSide = 2048;
    static constexpr qint64 kMaxFileBytes = 128 * 1024 * 1024;

private:
    static QImage read(const QString& path, const std::function<void(QImageReader&)>& prepare);
};

} // namespace vastrel::media
