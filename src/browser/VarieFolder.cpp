#include "VarieFolder.h"

#include "platform/DirectoryCache.h"
#include "platform/FileSystem.h"
#include "platform/TextDecoder.h"

namespace vastrel::browser {

namespace {

constexpr qint64 kMaxNotesBytes = 16 * 1024 * 1024;

std::optional<QString> firstIn(platform::DirectoryCache& cache, const QString& folder,
                               const char16_t* pattern)
{
    const auto name = cache.firstFileName(folder, platform::Wildcard(pattern));
    if (!name || name->size() < 5)
        return std::nullopt;
    return cache.resolve(folder).value_or(folder) + u'/' + *name;
}

QString varie(const QString& root)
{
    return root + QStringLiteral("[Varie]");
}

} // namespace

std::optional<QString> VarieFolder::picturePath(const QString& root,
                                                platform::DirectoryCache& cache)
{
    for (const char16_t* pattern : {u"*.jpg", u"*.gif", u"*.bmp"}) {
        if (auto path = firstIn(cache, varie(root), pattern))
            return path;
    }
    return std::nullopt;
}

std::optional<QString> VarieFolder::introduction(const QString& root,
                                                 platform::DirectoryCache& cache)
{
    auto path = firstIn(cache, varie(root), u"*.rtf");
    if (!path)
        path = firstIn(cache, varie(root), u"*.txt");
    if (!path)
        return std::nullopt;
    const platform::ReadResult read = platform::FileSystem::readFile(*path, kMaxNotesBytes);
    if (!read.ok())
        return std::nullopt;
    return platform::TextDecoder::decode(read.data);
}

} // namespace vastrel::browser
