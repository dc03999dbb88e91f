#pragma once

#include <QImage>
#include <QSize>
#include <QString>
#include <optional>

namespace vastrel::platform {
class DirectoryCache;
}

namespace vastrel::startup {

// The collection's picture, the first .jpg of [Varie], else .gif, else .bmp, as the start-up
// window and the main window use it: the disc shows its top-left corner at the picture's own
// scale, the main window's picture box stretches the whole picture as its empty picture, and
// the main window is named after the file, also when the picture cannot be decoded.
struct CollectionPicture
{
    // The file's name without its extension; nothing without a picture.
    std::optional<QString> name;
    // Null when there is no picture or it cannot be decoded.
    QImage corner;
    QImage whole;

    static CollectionPicture of(const QString& root, QSize corner,
                                platform::DirectoryCache& listings);
    // The main window's caption: "name: caption", or the caption as it is.
    QString caption(const QString& designCaption) const;
};

} // namespace vastrel::startup
