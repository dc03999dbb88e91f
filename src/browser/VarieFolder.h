#pragma once

#include <QString>
#include <optional>

namespace vastrel::platform {
class DirectoryCache;
}

namespace vastrel::browser {

// The collection's own folder "[Varie]": its picture, shown by the start-up window and as
// the empty picture, and its introductory notes, shown while no album is checked. Only
// names of at least five characters count.
class VarieFolder
{
public:
    // The first .jpg, else .gif, else .bmp.
    static std::optional<QString> picturePath(const QString& root, platform::DirectoryCache& cache);
    // The text of the first .rtf, else .txt, as written; nothing when there is none or it
    // cannot be read.
    static std::optional<QString> introduction(const QString& root,
                                               platform::DirectoryCache& cache);
};

} // namespace vastrel::browser
