#pragma once

#include <QString>
#include <optional>

namespace vastrel::platform {
class DirectoryCache;
}

namespace vastrel::startup {

// Whether a folder named on the command line can be the collection root.
class RootOption
{
public:
    // The folder as spelled on disk, ending with "/", when the first entry of its listing
    // whose name begins with "[" has a "]" among its 3rd to 7th characters; otherwise
    // nothing (missing folder, a file, no bracketed entry).
    static std::optional<QString> accept(const QString& folder, platform::DirectoryCache& cache);
};

} // namespace vastrel::startup
